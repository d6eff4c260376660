// Runs the main window as the program does, in a fresh temporary application folder, so that
// a test can kill it in the middle of a session. Each argument but the last is a project that
// gets a whole session; a session on the last one is started and left running. Prints the
// application folder, then waits to be killed.
#include "tests/support/apprig.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList projects = app.arguments().mid(1);
    if (projects.isEmpty())
        return 2;

    AppRig rig;
    rig.dir.setAutoRemove(false);
    rig.load();
    const QString startStop = QStringLiteral("CmdStartStop");
    for (const QString& project : projects) {
        rig.typeProject(project);
        rig.dialogs.answerInput(QStringLiteral("Working on ") + project);
        rig.click(startStop);
        rig.runSeconds(5);
        if (&project != &projects.last())
            rig.click(startStop);
    }
    std::printf("%s\n", qPrintable(rig.dir.path()));
    std::fflush(stdout);
    return app.exec();
}
