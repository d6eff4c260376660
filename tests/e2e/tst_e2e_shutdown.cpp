// Ending the program while a note is being typed: the session's record is completed and the
// unfinished note is dropped.
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/positions.h"

#include <QtTest>

#include <memory>

class TestE2eShutdown : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void exitWithOpenNotesDropsTheNote_data();
    void exitWithOpenNotesDropsTheNote();

private:
    std::unique_ptr<E2eFixture> m_fx;
};

void TestE2eShutdown::init() {
    m_fx = std::make_unique<E2eFixture>();
}

void TestE2eShutdown::cleanup() {
    reportIfFailed(*m_fx);
    m_fx.reset();
}

void TestE2eShutdown::exitWithOpenNotesDropsTheNote_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("close box of the main window") << true;
    QTest::newRow("SIGTERM") << false;
}

void TestE2eShutdown::exitWithOpenNotesDropsTheNote() {
    QFETCH(bool, byCloseBox);
    E2eFixture& fx = *m_fx;
    QVERIFY2(fx.startApp(), qPrintable(fx.why()));
    QVERIFY2(fx.startSession(QStringLiteral("Alpha")), qPrintable(fx.why()));

    QVERIFY(fx.input.click(fx.mainWindow, at::CmdNotes));
    XWindows::Id notes = 0;
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Notes"), &notes), qPrintable(fx.why()));
    QVERIFY(fx.input.click(notes, at::NotesText1));
    QVERIFY(fx.input.type(QStringLiteral("half a thought")));

    if (byCloseBox)
        QVERIFY(fx.windows.close(fx.mainWindow));
    else
        fx.app.terminate();
    QVERIFY2(fx.app.waitForExit(E2eFixture::WaitMs), "the program did not end");

    const QByteArray tasks = fx.app.file(AppUnderTest::Tasks);
    QVERIFY2(!tasks.contains("half a thought"), "the unfinished note was logged");
    QVERIFY2(tasks.contains(" [Stopped] Alpha\r\n"), "the running session was not stopped");
    QVERIFY2(tasks.endsWith("<!--  END SESSION  -->\r\n\r\n\r\n"),
             "the log does not end with the end marker and two empty lines");
}

QTEST_GUILESS_MAIN(TestE2eShutdown)
#include "tst_e2e_shutdown.moc"
