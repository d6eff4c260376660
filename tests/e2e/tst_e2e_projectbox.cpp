// What the user types or pastes into the project box is the name that is listed and logged.
#include "app/mainwindowlayout.h"
#include "tests/e2e/e2efixture.h"

#include <QtTest>

#include <memory>

class TestE2eProjectBox : public E2eTest {
    Q_OBJECT
private slots:
    void plusAddsTheNameAsTyped_data();
    void plusAddsTheNameAsTyped();
    void startLogsTheNameAsTyped_data();
    void startLogsTheNameAsTyped();
    void pastedNameWithLineBreakBecomesOneLine();
    void pastedTwoLineCommentBecomesOneLine();
};

static void typedNameRows() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("case variant of a listed name") << QStringLiteral("alpha");
    QTest::newRow("prefix of a listed name") << QStringLiteral("Alp");
}

void TestE2eProjectBox::plusAddsTheNameAsTyped_data() {
    typedNameRows();
}

void TestE2eProjectBox::plusAddsTheNameAsTyped() {
    QFETCH(QString, typed);
    E2eFixture& fx = fixture();
    QVERIFY(fx.app.seed(AppUnderTest::Projects, "Alpha\r\n"));
    E2E_START_APP(fx);

    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CboProject.centre()));
    QVERIFY(fx.input.type(typed));
    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CmdAdd.centre()));

    const QByteArray expected = "Alpha\r\n" + typed.toLatin1() + "\r\n";
    QVERIFY2(fx.app.waitForFile(AppUnderTest::Projects, expected, E2eFixture::WaitMs),
             "\"+\" did not add the name exactly as typed");
}

void TestE2eProjectBox::startLogsTheNameAsTyped_data() {
    typedNameRows();
}

void TestE2eProjectBox::startLogsTheNameAsTyped() {
    QFETCH(QString, typed);
    E2eFixture& fx = fixture();
    QVERIFY(fx.app.seed(AppUnderTest::Projects, "Alpha\r\n"));
    E2E_START_APP(fx);

    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CboProject.centre()));
    QVERIFY(fx.input.type(typed));
    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CmdStartStop.centre()));
    QVERIFY2(fx.answerStartPrompt(QStringLiteral("Return")), qPrintable(fx.why()));

    QVERIFY2(fx.waitForStartLines(), qPrintable(fx.why()));
    const QByteArray tasks = fx.app.file(AppUnderTest::Tasks);
    QVERIFY2(tasks.contains(" [Started] " + typed.toLatin1() + "\r\n"),
             "the session was not started on the name as typed");
    QCOMPARE(tasks.count('\n'), 3);
    QCOMPARE(fx.app.file(AppUnderTest::Projects), "Alpha\r\n" + typed.toLatin1() + "\r\n");
}

void TestE2eProjectBox::pastedNameWithLineBreakBecomesOneLine() {
    E2eFixture& fx = fixture();
    E2E_START_APP(fx);
    QVERIFY(fx.input.setClipboard("Gamma\r\nDelta"));

    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CboProject.centre()));
    QVERIFY(fx.input.key(QStringLiteral("ctrl+v")));
    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CmdAdd.centre()));
    QVERIFY2(fx.app.waitForFile(AppUnderTest::Projects, "Gamma Delta\r\n", E2eFixture::WaitMs),
             "the pasted name did not reach the project list as one line");

    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CmdStartStop.centre()));
    QVERIFY2(fx.answerStartPrompt(QStringLiteral("Return")), qPrintable(fx.why()));
    QVERIFY2(fx.waitForStartLines(), qPrintable(fx.why()));
    const QByteArray tasks = fx.app.file(AppUnderTest::Tasks);
    QVERIFY2(tasks.contains(" [Started] Gamma Delta\r\n"),
             "the session was not started on the pasted name as one line");
    QCOMPARE(tasks.count('\n'), 3);
    QCOMPARE(tasks.count('\r'), 3);
}

void TestE2eProjectBox::pastedTwoLineCommentBecomesOneLine() {
    E2eFixture& fx = fixture();
    E2E_START_APP(fx);
    QVERIFY(fx.input.setClipboard("first line\nsecond line"));

    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CboProject.centre()));
    QVERIFY(fx.input.type(QStringLiteral("Alpha")));
    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CmdStartStop.centre()));
    // The preset answer is replaced by the pasted one.
    QVERIFY2(fx.answerStartPrompt(QStringLiteral("ctrl+a ctrl+v Return")), qPrintable(fx.why()));

    QVERIFY2(fx.waitForStartLines(), qPrintable(fx.why()));
    const QByteArray tasks = fx.app.file(AppUnderTest::Tasks);
    QVERIFY2(tasks.endsWith(" [Starting Comments] first line second line\r\n"),
             "the pasted comment was not logged as one line");
    QCOMPARE(tasks.count('\n'), 3);
    QCOMPARE(tasks.count('\r'), 3);
}

QTEST_GUILESS_MAIN(TestE2eProjectBox)
#include "tst_e2e_projectbox.moc"
