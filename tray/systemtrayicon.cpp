#include "tray/systemtrayicon.h"

#include <QSystemTrayIcon>

namespace {

TrayIcon::Event toEvent(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return TrayIcon::Event::LeftButtonDown;
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
    : TrayIcon(parent) {}

bool SystemTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool SystemTrayIcon::isShown() const {
    return m_icon && m_icon->isVisible();
}

void SystemTrayIcon::add(const QIcon& icon, const QString& tip) {
    // Created on first use: the platform's tray connection costs start-up time and memory
    // that a user who never minimises should not pay.
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason r) { emit mouseEvent(toEvent(r)); });
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
}

void SystemTrayIcon::remove() {
    if (m_icon)
        m_icon->hide();
}
