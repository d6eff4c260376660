#include "app/mainwindow.h"
#include "app/platformchoice.h"
#include "app/programend.h"
#include "app/shutdownsignals.h"
#include "app/singleinstance.h"
#include "app/summarycommand.h"
#include "away/desktopidletime.h"
#include "away/logindsleepwatch.h"
#include "reports/logprinter.h"
#include "session/clock.h"
#include "session/secondtimer.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "tallyhawk/version.h"
#include "tray/systemtrayicon.h"
#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/onscreen.h"
#include "ui/systemdialogs.h"
#include "ui/windowplacement.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>

namespace {

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Tallyhawk"));
    QCoreApplication::setApplicationVersion(programversion::Number.toString());
}

datafolder::Situation situation() {
    return datafolder::currentSituation(QCoreApplication::applicationDirPath());
}

// Where this run keeps its data files: beside the program, or in the user's data folder when
// the program runs from the folder it was installed into, where it cannot write.
datafolder::Choice dataFolder() {
    return datafolder::choose(situation());
}

// Where log lines that could not be written at exit are kept: the user's data folder, whose
// name stays the same whatever the program's data folder is.
QString recoveryFolder() {
    const datafolder::Situation here = situation();
    const QString folder = datafolder::userDataFolder(here.xdgDataHome, here.home);
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                            : folder;
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

// Shows the warning and ends the program with the status once it is answered.
int endWithWarning(Dialogs& dialogs, const QString& text, int status) {
    dialogs.messageBox(nullptr, Dialogs::Message::warning(text),
                       [status](Dialogs::Answer) { QCoreApplication::exit(status); });
    return QApplication::exec();
}

int runWindow(int argc, char* argv[]) {
    // Under XWayland where there is one (see app/platformchoice.h). Set only for this start, so
    // that programs started from here choose for themselves.
    const platformchoice::Environment environment = platformchoice::current(argc, argv);
    const QByteArray platform = platformchoice::pluginName(platformchoice::choose(environment));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication application(argc, argv);
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
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
    DesktopIdleTime idle({environment.isWaylandDesktop(), environment.display});
    LogindSleepWatch sleepWatch;

    const datafolder::Choice data = dataFolder();
    if (const FileResult ready = datafolder::prepare(data); !ready)
        return endWithWarning(dialogs, ready.message(u"create"), 1);
    // One program per data folder: a second start brings this one's window forward and ends.
    // Made before the window, so that the folder is held until the window has saved.
    SingleInstance instance(data.folder);
    switch (instance.claim()) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::HandedOver:
        return 0;
    case SingleInstance::Claim::Unanswered:
        return endWithWarning(dialogs,
                              QStringLiteral("Tallyhawk is already running on %1 but does not "
                                             "answer.")
                                  .arg(QDir::toNativeSeparators(data.folder)),
                              1);
    }
    MainWindow window({data.folder, recoveryFolder(), QLocale::system(), clock, dialogs, desktop,
                       printer, tray, placement, idle, sleepWatch},
                      std::make_unique<WholeSecondTimer>(clock));

    ShutdownSignals shutdownSignals;
    app::connectProgramEnd(application, window, shutdownSignals);

    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     &MainWindow::bringForward);

    window.startUp();
    onscreen::keep(&window);
    window.show();
    return application.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    if (summarycommand::isSummaryRun(argc, argv))
        return runCommandLine(argc, argv);
    return runWindow(argc, argv);
}
