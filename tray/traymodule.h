#pragma once

#include <QIcon>
#include <QString>

class QWidget;
class TrayIcon;

// Sending a window to the notification area and bringing it back.

// The longest tip the notification area shows.
inline constexpr qsizetype TrayTipLimit = 63;

// Shows the icon with the tip, cut to TrayTipLimit characters, and hides the window, so that it
// leaves the taskbar.
void AddToTray(TrayIcon& tray, const QIcon& icon, const QString& tip, QWidget* window);

// Removes the icon; harmless when there is none.
void RemoveFromTray(TrayIcon& tray);

// Removes the icon and shows the window again.
void RestoreFromTray(TrayIcon& tray, QWidget* window);
