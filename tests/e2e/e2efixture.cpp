#include "tests/e2e/e2efixture.h"

#include "app/mainwindowlayout.h"

#include <QtTest>

E2eFixture::E2eFixture(QSize screen)
    : display(screen) {
    if (!display.error().isEmpty())
        fail(display.error());
    else if (!app.error().isEmpty())
        fail(app.error());
}

bool E2eFixture::fail(const QString& reason) {
    m_why = reason;
    return false;
}

bool E2eFixture::startApp() {
    if (!m_why.isEmpty())
        return false;
    if (!app.start())
        return fail(QStringLiteral("the program did not start"));
    return waitForActiveWindow(MainTitle, &mainWindow);
}

bool E2eFixture::waitForActiveWindow(const QString& title, XWindows::Id* window) {
    const XWindows::Id found = windows.waitFor(title);
    if (found == 0)
        return fail(QStringLiteral("no window \"%1\" appeared").arg(title));
    if (!windows.waitForActive(found))
        return fail(QStringLiteral("the window \"%1\" did not get the focus").arg(title));
    if (window)
        *window = found;
    return true;
}

bool E2eFixture::answerStartPrompt(const QString& keys) {
    if (!waitForActiveWindow(StartPromptTitle))
        return false;
    if (!input.key(keys))
        return fail(QStringLiteral("xdotool could not press ") + keys);
    if (!windows.waitUntilGone(StartPromptTitle))
        return fail(QStringLiteral("the Start input box did not close after ") + keys);
    return true;
}

bool E2eFixture::startSession(const QString& project) {
    if (!input.click(mainWindow, mainwindowlayout::CboProject.centre()) || !input.type(project) ||
        !input.click(mainWindow, mainwindowlayout::CmdStartStop.centre())) {
        return fail(QStringLiteral("xdotool could not type into the main window"));
    }
    if (!answerStartPrompt(QStringLiteral("Return")))
        return false;
    if (!waitForStartLines())
        return false;
    const QByteArray started = " [Started] " + project.toLatin1() + "\r\n";
    if (!app.file(AppUnderTest::Tasks).contains(started))
        return fail(QStringLiteral("the session was not started on ") + project);
    return true;
}

bool E2eFixture::waitForStartLines() {
    const bool written = QTest::qWaitFor(
        [this] { return app.file(AppUnderTest::Tasks).contains(" [Starting Comments] "); }, WaitMs);
    return written || fail(QStringLiteral("Start wrote no start lines to the log"));
}

QString E2eFixture::report() {
    return app.diagnostics() + QStringLiteral("windows on %1:\n").arg(display.name()) +
           windows.list();
}

void reportIfFailed(E2eFixture& fixture) {
    if (QTest::currentTestFailed())
        qInfo().noquote() << "\n" << fixture.report();
}
