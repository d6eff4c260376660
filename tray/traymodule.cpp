#include "tray/traymodule.h"

#include "tray/trayicon.h"

#include <QWidget>

void AddToTray(TrayIcon& tray, const QIcon& icon, const QString& tip, QWidget* window) {
    tray.add(icon, tip);
    window->hide();
}

void RemoveFromTray(TrayIcon& tray) {
    tray.remove();
}

void RestoreFromTray(TrayIcon& tray, QWidget* window) {
    RemoveFromTray(tray);
    window->show();
}
