#pragma once

class MainWindow;
class QGuiApplication;
class ShutdownSignals;

namespace app {

// Every way the program ends goes through the main window's shut-down, which completes a
// running session's record and discards the other windows; the event loop ends only after
// it. The close box and "E&xit" close the window; the end of the desktop session, SIGTERM and
// SIGINT ask it to close. Closing the last visible window alone does not end the program,
// since the window may be hiding in the notification area.
void connectProgramEnd(QGuiApplication& application, MainWindow& window,
                       ShutdownSignals& shutdownSignals);

} // namespace app
