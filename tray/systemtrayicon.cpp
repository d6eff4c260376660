#include "tray/systemtrayicon.h"

#include "tray/statusnotifierhost.h"

#include <QDBusConnection>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {

TrayIcon::Event toEvent(QSystemTrayIcon::ActivationReason reason, bool statusNotifierHost) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return statusNotifierHost ? TrayIcon::Event::Activate : TrayIcon::Event::LeftButtonDown;
    case QSystemTrayIcon::DoubleClick:
        return TrayIcon::Event::LeftDoubleClick;
    case QSystemTrayIcon::Context:
        return TrayIcon::Event::RightButtonDown;
    default:
        return TrayIcon::Event::Other;
    }
}

} // namespace

SystemTrayIcon::SystemTrayIcon(QObject* parent)
    : SystemTrayIcon([] { return hasStatusNotifierHost(QDBusConnection::sessionBus()); }, parent) {}

SystemTrayIcon::SystemTrayIcon(HostCheck isStatusNotifierHost, QObject* parent)
    : TrayIcon(parent)
    , m_hostCheck(std::move(isStatusNotifierHost)) {}

bool SystemTrayIcon::onStatusNotifierHost() const {
    if (!m_statusNotifierHost)
        m_statusNotifierHost = m_hostCheck();
    return *m_statusNotifierHost;
}

bool SystemTrayIcon::isAvailable() const {
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available)
        onStatusNotifierHost();
    return available;
}

bool SystemTrayIcon::isShown() const {
    return m_icon && m_icon->isVisible();
}

void SystemTrayIcon::add(const QIcon& icon, const QString& tip) {
    // Created on first use: the platform's tray connection costs start-up time and memory
    // that a user who never minimises should not pay.
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        m_icon->setContextMenu(m_menu);
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    emit mouseEvent(toEvent(reason, onStatusNotifierHost()));
                });
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
}

void SystemTrayIcon::remove() {
    if (m_icon)
        m_icon->hide();
}

void SystemTrayIcon::setMenu(QMenu* menu) {
    m_menu = menu;
    if (m_icon)
        m_icon->setContextMenu(menu);
}
