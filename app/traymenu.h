#pragma once

#include "tray/trayicon.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The main window's life in the notification area: minimised, it hides there behind an icon
// (when the desktop has a notification area); a double-click on the icon (a click, where the
// desktop knows no double-click) or "O&pen" brings it back, and a right-click shows the menu
// with the session's elapsed time and the common actions.
class TrayMenu final : public QObject {
    Q_OBJECT
public:
    TrayMenu(TrayIcon& tray, QWidget* window);

    // Follows the session: the Start/Stop item's caption and the elapsed-time line.
    void showRunning(bool running);
    void showElapsed(const QString& elapsedText);

    // The window's state changed: a minimised window goes to the tray.
    void followWindowState();
    // Shows the window again, normal, without the icon.
    void restoreWindow();
    void removeIcon();

signals:
    void startStopChosen();
    void notesChosen();
    void exitChosen();

private:
    void onTrayEvent(TrayIcon::Event event);

    TrayIcon& m_tray;
    QWidget* m_window;
    QMenu* m_menu;
    QAction* m_elapsedItem;
    QAction* m_startStopItem;
    QString m_elapsedText;
};
