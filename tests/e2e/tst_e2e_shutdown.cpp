// Ending the program while a note is being typed: the session's record is completed and the
// unfinished note is dropped.
#include "app/mainwindowlayout.h"
#include "app/noteswindowlayout.h"
#include "tests/e2e/e2efixture.h"

#include <QtTest>

#include <memory>

class TestE2eShutdown : public E2eTest {
    Q_OBJECT
private slots:
    void exitWithOpenNotesDropsTheNote_data();
    void exitWithOpenNotesDropsTheNote();
};

void TestE2eShutdown::exitWithOpenNotesDropsTheNote_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("close box of the main window") << true;
    QTest::newRow("SIGTERM") << false;
}

void TestE2eShutdown::exitWithOpenNotesDropsTheNote() {
    QFETCH(bool, byCloseBox);
    E2eFixture& fx = fixture();
    E2E_START_APP(fx);
    QVERIFY2(fx.startSession(QStringLiteral("Alpha")), qPrintable(fx.why()));

    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CmdNotes.centre()));
    XWindows::Id notes = 0;
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Notes"), &notes), qPrintable(fx.why()));
    QVERIFY(fx.input.click(notes, noteswindowlayout::Text1.centre()));
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
