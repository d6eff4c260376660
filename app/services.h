#pragma once

#include <QLocale>
#include <QString>

class Clock;
class Desktop;
class Dialogs;
class IdleSource;
class LogPrinter;
class SleepWatch;
class TrayIcon;
class WindowPlacement;

// What the main window needs from the world outside it: where its files are, and the services
// it reaches through small interfaces. The program passes the real ones; tests pass fakes and
// temporary folders. It owns nothing, so any window may keep a copy.
struct Services {
    // Where Tasks.txt, Projects.txt and Settings.ini are.
    QString dataFolder;
    // The user's own data folder, where log lines that could not be written when the program
    // ended wait for the next start; empty when the system names none.
    QString recoveryFolder;
    QLocale locale;
    Clock& clock;
    Dialogs& dialogs;
    Desktop& desktop;
    LogPrinter& printer;
    TrayIcon& tray;
    WindowPlacement& placement;
    // The desktop's idle time and the machine's suspends, for the time the user is away.
    IdleSource& idle;
    SleepWatch& sleep;
};
