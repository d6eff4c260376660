#include "app/form1.h"
#include "app/secondtimer.h"
#include "app/shutdownsignals.h"
#include "reports/logprinter.h"
#include "storage/clock.h"
#include "tray/systemtrayicon.h"
#include "tray/windowplacement.h"
#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/systemdialogs.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyhawk"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // Every window is designed around the same small sans serif.
    fonts::installSubstitutes();
    QApplication::setFont(fonts::standard());
    // The window may hide in the notification area; the program ends only through its unload.
    QApplication::setQuitOnLastWindowClosed(false);

    SystemClock clock;
    SystemDialogs dialogs;
    SystemDesktop desktop;
    QtLogPrinter printer;
    SystemTrayIcon tray;
    SystemWindowPlacement placement;
    Form1 form({QCoreApplication::applicationDirPath(), QLocale::system(), clock, dialogs, desktop,
                printer, tray, placement, new WholeSecondTimer(clock)});

    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::requested, &form, &Form1::requestShutdown);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.requestShutdown(); });
    QObject::connect(&form, &Form1::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    form.Form_Load();
    form.show();
    return app.exec();
}
