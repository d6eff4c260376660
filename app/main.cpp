#include "app/mainwindow.h"
#include "app/programend.h"
#include "app/shutdownsignals.h"
#include "app/summarycommand.h"
#include "reports/logprinter.h"
#include "session/secondtimer.h"
#include "storage/clock.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "tallyhawk/version.h"
#include "tray/systemtrayicon.h"
#include "tray/windowplacement.h"
#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/systemdialogs.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>

namespace {

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Tallyhawk"));
    QCoreApplication::setApplicationVersion(programversion::Number.toString());
}

// Where this run keeps its data files: beside the program, or in the user's data folder when
// the program runs from the folder it was installed into, where it cannot write.
datafolder::Choice dataFolder() {
    return datafolder::choose(datafolder::currentSituation(QCoreApplication::applicationDirPath()));
}

// Prints totals from the log and ends. Needs no display, and creates no folder.
int runCommandLine(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    nameProgram();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return summarycommand::run(QCoreApplication::arguments(),
                               datafiles::path(dataFolder().folder, datafiles::Tasks), out, err);
}

int runWindow(int argc, char* argv[]) {
    QApplication application(argc, argv);
    nameProgram();
    // Lets a Wayland desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tallyhawk.Tallyhawk"));
    // Every window is designed around the same small sans serif.
    fonts::installSubstitutes();
    QApplication::setFont(fonts::standard());

    SystemClock clock;
    SystemDialogs dialogs;
    SystemDesktop desktop;
    QtLogPrinter printer;
    SystemTrayIcon tray;
    SystemWindowPlacement placement;

    const datafolder::Choice data = dataFolder();
    if (const FileResult ready = datafolder::prepare(data); !ready) {
        dialogs.messageBox(nullptr, Dialogs::Message::warning(ready.message(u"create")));
        return 1;
    }
    MainWindow window({data.folder, QLocale::system(), clock, dialogs, desktop, printer, tray,
                       placement, new WholeSecondTimer(clock),
                       QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});

    ShutdownSignals shutdownSignals;
    app::connectProgramEnd(application, window, shutdownSignals);

    window.startUp();
    window.show();
    return application.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    if (summarycommand::isSummaryRun(argc, argv))
        return runCommandLine(argc, argv);
    return runWindow(argc, argv);
}
