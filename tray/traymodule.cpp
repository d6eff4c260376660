#include "tray/traymodule.h"

#include "tray/trayicon.h"

#include <QWidget>

void AddToTray(TrayIcon& tray, const QIcon& icon, const QString& tip, QWidget* window) {
    // A notification-area tip holds at most 63 characters.
    tray.add(icon, tip.left(TrayTipLimit));
    window->hide();
}

void RemoveFromTray(TrayIcon& tray) {
    tray.remove();
}

void RestoreFromTray(TrayIcon& tray, QWidget* window) {
    RemoveFromTray(tray);
    window->show();
}
