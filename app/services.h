#pragma once

#include <QLocale>
#include <QString>

class Clock;
class Desktop;
class Dialogs;
class IdleSource;
class LogPrinter;
class SecondTimer;
class SleepWatch;
class TrayIcon;
class WindowPlacement;

// What the main window needs from the world outside it. The program passes the real ones;
// tests pass fakes and a temporary application folder.
struct Services {
    QString appFolder;
    QLocale locale;
    Clock& clock;
    Dialogs& dialogs;
    Desktop& desktop;
    LogPrinter& printer;
    TrayIcon& tray;
    WindowPlacement& placement;
    SecondTimer* timer; // the session model takes ownership
    // The user's own data folder, where log lines that could not be written when the program
    // ended wait for the next start.
    QString dataFolder;
    // The desktop's idle time and the machine's suspends, for the time the user is away.
    IdleSource& idle;
    SleepWatch& sleep;
};
