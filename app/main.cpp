#include "app/busservice.h"
#include "app/commandclient.h"
#include "app/commandline.h"
#include "app/commandserver.h"
#include "app/mainwindow.h"
#include "app/platformchoice.h"
#include "app/programend.h"
#include "app/remotecontrol.h"
#include "app/shutdownsignals.h"
#include "app/singleinstance.h"
#include "app/summarycommand.h"
#include "app/translation.h"
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
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
int runSummary(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    nameProgram();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return summarycommand::run(QCoreApplication::arguments(),
                               datafiles::path(dataFolder().folder, datafiles::Tasks), out, err);
}

// Help, the version, a mistake on the command line, or a command for the program that runs on
// the data folder. Needs no display, and creates no folder.
int runCommandLine(int argc, char* argv[], const commandline::Invocation& invocation) {
    QCoreApplication core(argc, argv);
    nameProgram();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString folder = dataFolder().folder;
    switch (invocation.kind) {
    case commandline::Invocation::Kind::Help:
        out << commandline::help(program, QDir::toNativeSeparators(folder));
        return int(commandline::Status::Done);
    case commandline::Invocation::Kind::Version:
        out << "Tallyhawk " << summarycommand::version() << '\n';
        return int(commandline::Status::Done);
    case commandline::Invocation::Kind::Command: {
        QFile input;
        // Without a standard input, "--note -" reads an empty note, which is refused as such.
        (void)input.open(stdin, QIODevice::ReadOnly);
        return commandclient::run(
            invocation.command,
            {folder, QCoreApplication::applicationFilePath(), invocation.qtOptions}, input, out,
            err);
    }
    case commandline::Invocation::Kind::Usage:
    case commandline::Invocation::Kind::Window:
    case commandline::Invocation::Kind::Summary:
        break;
    }
    err << program << ": " << invocation.mistake << '\n'
        << commandline::usage(program) << "Try '" << program << " --help' for more information.\n";
    return int(commandline::Status::Usage);
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
    // The windows speak the user's language; the files and the command line stay as they are.
    const Translation translation(QLocale::system());
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
        return endWithWarning(
            dialogs,
            QCoreApplication::translate("main", "Tallyhawk is already running on %1 but does not "
                                                "answer.")
                .arg(QDir::toNativeSeparators(data.folder)),
            1);
    }
    MainWindow window({data.folder, recoveryFolder(), QLocale::system(), clock, dialogs, desktop,
                       printer, tray, placement, idle, sleepWatch},
                      std::make_unique<WholeSecondTimer>(clock));

    ShutdownSignals shutdownSignals;
    app::connectProgramEnd(application, window, shutdownSignals);

    // The command line and the session bus reach the session through the same code.
    RemoteControl remote(window.control(), {[&window] { return window.shownProject(); },
                                            [&window] { window.bringForward(); },
                                            [&window] { return window.isClosing(); }});
    CommandServer commands(instance.server(), [&remote](const commandprotocol::Request& request) {
        return remote.handle(request);
    });
    BusService bus(remote, window.session());
    bus.publish(QDBusConnection::sessionBus());

    window.startUp();
    onscreen::keep(&window);
    window.show();
    return application.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before any application object exists: a mistake is told, and a command carried
    // out, without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const commandline::Invocation invocation =
        commandline::read(arguments, QDateTime::currentDateTime());
    switch (invocation.kind) {
    case commandline::Invocation::Kind::Window:
        return runWindow(argc, argv);
    case commandline::Invocation::Kind::Summary:
        return runSummary(argc, argv);
    case commandline::Invocation::Kind::Help:
    case commandline::Invocation::Kind::Version:
    case commandline::Invocation::Kind::Command:
    case commandline::Invocation::Kind::Usage:
        break;
    }
    return runCommandLine(argc, argv, invocation);
}
