#include "app/form1.h"
#include "app/programend.h"
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
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyhawk"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // Every window is designed around the same small sans serif.
    fonts::installSubstitutes();
    QApplication::setFont(fonts::standard());

    SystemClock clock;
    SystemDialogs dialogs;
    SystemDesktop desktop;
    QtLogPrinter printer;
    SystemTrayIcon tray;
    SystemWindowPlacement placement;
    Form1 form({QCoreApplication::applicationDirPath(), QLocale::system(), clock, dialogs, desktop,
                printer, tray, placement, new WholeSecondTimer(clock),
                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});

    ShutdownSignals shutdownSignals;
    connectProgramEnd(app, form, shutdownSignals);

    form.Form_Load();
    form.show();
    return app.exec();
}
