// One program per data folder: a second start in the same folder brings the first one's window
// back and ends, leaving every file as it was; the totals from the command line are never
// handed over.
#include "tests/e2e/e2efixture.h"

#include <QDir>
#include <QtTest>

#include <memory>

namespace {

struct FolderState {
    QStringList names;
    QList<QByteArray> files;

    bool operator==(const FolderState&) const = default;
};

FolderState stateOf(const AppUnderTest& app) {
    FolderState state;
    state.names = QDir(QFileInfo(app.program()).path())
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name :
         {AppUnderTest::Tasks, AppUnderTest::Projects, AppUnderTest::Settings})
        state.files.append(app.file(name));
    return state;
}

} // namespace

class TestE2eSingle : public E2eTest {
    Q_OBJECT
private slots:
    void secondStartBringsTheFirstBackAndEnds();
    void secondStartRaisesTheFirstFromBehindACopyInAnotherFolder();
    void totalsFromTheCommandLineAreNotHandedOver();

private:
    // Starts the program's copy again, in the same folder, as the first was started.
    bool runAgain(const QStringList& arguments, QByteArray* output = nullptr);
    // Starts a session and minimises the main window.
    bool runningAndMinimised();

    int m_exitCode = -1;
};

bool TestE2eSingle::runAgain(const QStringList& arguments, QByteArray* output) {
    QProcess again;
    QProcessEnvironment env = fixture().display.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    again.setProcessEnvironment(env);
    again.setWorkingDirectory(QDir::tempPath());
    again.setProcessChannelMode(QProcess::MergedChannels);
    again.start(fixture().app.program(), arguments);
    if (!again.waitForFinished(E2eFixture::WaitMs)) {
        again.kill();
        again.waitForFinished();
        return false;
    }
    if (output)
        *output = again.readAll();
    m_exitCode = again.exitStatus() == QProcess::NormalExit ? again.exitCode() : -1;
    return true;
}

bool TestE2eSingle::runningAndMinimised() {
    E2eFixture& fx = fixture();
    if (!fx.startApp() || !fx.startSession(QStringLiteral("Alpha")))
        return false;
    return fx.windows.minimize(fx.mainWindow) &&
           QTest::qWaitFor([&] { return !fx.windows.isShown(fx.mainWindow); }, E2eFixture::WaitMs);
}

void TestE2eSingle::secondStartBringsTheFirstBackAndEnds() {
    E2eFixture& fx = fixture();
    QVERIFY2(runningAndMinimised(), qPrintable(fx.why()));
    const FolderState before = stateOf(fx.app);

    QVERIFY2(runAgain({}), "the second start did not end");
    QCOMPARE(m_exitCode, 0);
    QVERIFY2(QTest::qWaitFor([&] { return fx.windows.isShown(fx.mainWindow); }, E2eFixture::WaitMs),
             "the first program's window did not come back");
    QVERIFY2(fx.windows.waitForActive(fx.mainWindow), "the window came back without the focus");
    QCOMPARE(fx.windows.visible(E2eFixture::MainTitle).size(), 1);
    QVERIFY(fx.app.isRunning());
    QVERIFY2(stateOf(fx.app) == before, "the second start changed the data folder");

    // The one program left still owns its log: its session ends in one whole record.
    QVERIFY(fx.windows.close(fx.mainWindow));
    QVERIFY2(fx.app.waitForExit(E2eFixture::WaitMs), "the program did not end");
    const QByteArray tasks = fx.app.file(AppUnderTest::Tasks);
    QCOMPARE(tasks.count("<!--  BEGIN SESSION //-->"), 1);
    QVERIFY(tasks.contains(" [Stopped] Alpha\r\n"));
    QVERIFY(tasks.endsWith("<!--  END SESSION  -->\r\n\r\n\r\n"));

    // With the first gone, the next start is a first start again.
    E2E_START_APP(fx);
}

// A copy in another folder runs side by side and covers the first one's window; a start in the
// first folder brings that window to the front with the focus.
void TestE2eSingle::secondStartRaisesTheFirstFromBehindACopyInAnotherFolder() {
    E2eFixture& fx = fixture();
    E2E_START_APP(fx);
    AppUnderTest other(fx.display);
    QVERIFY2(other.error().isEmpty(), qPrintable(other.error()));
    QVERIFY(other.start());
    XWindows::Id otherWindow = 0;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     const QList<XWindows::Id> shown = fx.windows.visible(E2eFixture::MainTitle);
                     otherWindow = shown.size() == 2 ? shown.at(shown.at(0) == fx.mainWindow) : 0;
                     return otherWindow != 0;
                 },
                 E2eFixture::WaitMs),
             "the copy in another folder did not show its window");
    QVERIFY2(fx.windows.waitForActive(otherWindow), "the other copy's window has no focus");

    QVERIFY2(runAgain({}), "the second start did not end");
    QCOMPARE(m_exitCode, 0);
    QVERIFY2(fx.windows.waitForActive(fx.mainWindow), "the first program's window did not come "
                                                      "to the front");
    QVERIFY(other.isRunning());
}

void TestE2eSingle::totalsFromTheCommandLineAreNotHandedOver() {
    E2eFixture& fx = fixture();
    QVERIFY2(runningAndMinimised(), qPrintable(fx.why()));

    QByteArray output;
    QVERIFY2(runAgain({QStringLiteral("--summary")}, &output), "the totals run did not end");
    QVERIFY2(m_exitCode == 0, output.constData());
    // Give a wrongly handed over start the time to bring the window back.
    QTest::qWait(500);
    QVERIFY(!fx.windows.isShown(fx.mainWindow));
    QVERIFY(fx.app.isRunning());
}

QTEST_GUILESS_MAIN(TestE2eSingle)
#include "tst_e2e_single.moc"
