#include "app/traymenu.h"

#include "storage/elapsed.h"
#include "tray/traymodule.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

TrayMenu::TrayMenu(TrayIcon& tray, QWidget* window)
    : QObject(window)
    , m_tray(tray)
    , m_window(window)
    , m_elapsedText(elapsed::NotAvailable.toString()) {
    // Never a menu bar: only ever popped up from the notification-area icon.
    m_menu = new QMenu(tr("&File"), window);
    m_menu->setObjectName(QStringLiteral("MnuFile"));
    const auto item = [this](const QString& caption, const char* name) {
        QAction* action = m_menu->addAction(caption);
        action->setObjectName(QLatin1StringView(name));
        return action;
    };
    m_elapsedItem = item(tr("Elapsed Time"), "MnuElapsed");
    m_menu->addSeparator();
    QAction* exitItem = item(tr("E&xit"), "MnuExit");
    QAction* openItem = item(tr("O&pen"), "MnuOpen");
    m_menu->addSeparator();
    m_startStopItem = item(tr("Start Project"), "MnuStartStop");
    m_menu->addSeparator();
    QAction* notesItem = item(tr("&Notes"), "MnuNotes");
    m_menu->addSeparator();
    // Choosing it only closes the menu.
    item(tr("&Hide Menu"), "MnuOk");

    connect(exitItem, &QAction::triggered, this, &TrayMenu::exitChosen);
    connect(openItem, &QAction::triggered, this, &TrayMenu::restoreWindow);
    connect(m_startStopItem, &QAction::triggered, this, &TrayMenu::startStopChosen);
    connect(notesItem, &QAction::triggered, this, &TrayMenu::notesChosen);
    connect(&m_tray, &TrayIcon::mouseEvent, this, &TrayMenu::onTrayEvent);
    // The desktop shows the menu: on a StatusNotifierItem desktop it is drawn by the desktop
    // itself, from what the icon hands over.
    connect(m_menu, &QMenu::aboutToShow, this,
            [this] { m_elapsedItem->setText(tr("Elapsed Time: %1").arg(m_elapsedText)); });
    m_tray.setMenu(m_menu);
}

void TrayMenu::showRunning(bool running) {
    m_startStopItem->setText(running ? tr("&Stop Project") : tr("S&tart Project"));
}

void TrayMenu::showElapsed(const QString& elapsedText) {
    // Only kept: the line is written just before the menu shows. Changing it at every tick
    // would send the whole menu over D-Bus once a second on a StatusNotifierItem desktop.
    m_elapsedText = elapsedText;
}

void TrayMenu::followWindowState() {
    if (!(m_window->windowState() & Qt::WindowMinimized))
        return;
    // Without a notification area, hiding the window would leave no way back to it: it then
    // stays an ordinary minimised window.
    if (!m_tray.isAvailable())
        return;
    AddToTray(m_tray, m_window->windowIcon(), m_window->windowTitle(), m_window);
    m_window->hide();
    m_window->update();
}

void TrayMenu::restoreWindow() {
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    RestoreFromTray(m_tray, m_window);
    m_window->update();
}

void TrayMenu::removeIcon() {
    RemoveFromTray(m_tray);
}

void TrayMenu::onTrayEvent(TrayIcon::Event event) {
    switch (event) {
    case TrayIcon::Event::LeftDoubleClick:
    // A StatusNotifierItem desktop reports its click instead, and no double-click.
    case TrayIcon::Event::Activate:
        restoreWindow();
        break;
    default:
        // A single click does nothing, as it never did; the right-click's menu is the
        // desktop's.
        break;
    }
}
