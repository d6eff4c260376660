// Fixing the past with real input: a session started at an earlier moment from the Start
// button's menu, and in the Reports window a session's stop corrected, a forgotten session
// added in its place, and the last change undone.
#include "app/mainwindowlayout.h"
#include "reports/reportswindowlayout.h"
#include "tests/e2e/e2efixture.h"

#include <QDateTime>
#include <QtTest>

namespace {

// An ISO moment, which every locale reads.
QString iso(const QDateTime& at) {
    return at.toString(Qt::ISODate);
}

} // namespace

class TestE2eCorrections : public E2eTest {
    Q_OBJECT
private slots:
    void startAtAnEarlierMomentFromTheButtonsMenu() {
        E2eFixture& fx = fixture();
        E2E_START_APP(fx);
        const QDateTime earlier = QDateTime::currentDateTime().addSecs(-600);
        QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CboProject.centre()));
        QVERIFY(fx.input.type(QStringLiteral("Meeting")));
        QVERIFY(fx.input.rightClick(fx.mainWindow, mainwindowlayout::CmdStartStop.centre()));
        QVERIFY(fx.input.key(QStringLiteral("Down Return")));
        QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Start at")), qPrintable(fx.why()));
        QVERIFY(fx.input.key(QStringLiteral("ctrl+a")));
        QVERIFY(fx.input.type(iso(earlier)));
        QVERIFY(fx.input.key(QStringLiteral("Return")));
        QVERIFY2(fx.answerStartPrompt(QStringLiteral("Return")), qPrintable(fx.why()));
        QVERIFY2(fx.waitForStartLines(), qPrintable(fx.why()));
        const QByteArray log = fx.app.file(AppUnderTest::Tasks);
        const QList<QByteArray> lines = log.split('\n');
        QVERIFY2(lines.size() >= 2 && lines[1].endsWith(" [Started] Meeting\r"), log.constData());
        // The stamp names the chosen moment: the same minute, not now.
        const QString stamp = QString::fromUtf8(lines[1].left(lines[1].indexOf(" [Started]")));
        QVERIFY2(stamp.contains(earlier.toString(u"mm"_qs)) ||
                     stamp.contains(QString::number(earlier.time().minute())),
                 qPrintable(stamp));
    }

    void correctAddAndUndoInTheReportsWindow() {
        E2eFixture& fx = fixture();
        const QDate d = QDate::currentDate().addDays(-2);
        // Moments are typed as ISO dates, which every locale reads; the program writes the
        // stamps itself.
        E2E_START_APP(fx);
        // Two sessions logged the way the program logs them.
        for (const auto& [project, from, to] :
             {std::tuple{u"Alpha"_qs, QTime(9, 0), QTime(10, 0)},
              std::tuple{u"Gamma"_qs, QTime(14, 0), QTime(15, 0)}}) {
            QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CboProject.centre()));
            QVERIFY(fx.input.key(QStringLiteral("ctrl+a")));
            QVERIFY(fx.input.type(project));
            QVERIFY(fx.input.rightClick(fx.mainWindow, mainwindowlayout::CmdStartStop.centre()));
            QVERIFY(fx.input.key(QStringLiteral("Down Return")));
            QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Start at")), qPrintable(fx.why()));
            QVERIFY(fx.input.key(QStringLiteral("ctrl+a")));
            QVERIFY(fx.input.type(iso(QDateTime(d, from))));
            QVERIFY(fx.input.key(QStringLiteral("Return")));
            QVERIFY2(fx.answerStartPrompt(QStringLiteral("Escape")), qPrintable(fx.why()));
            QVERIFY(fx.windows.waitForActive(fx.mainWindow));
            QVERIFY(fx.input.rightClick(fx.mainWindow, mainwindowlayout::CmdStartStop.centre()));
            QVERIFY(fx.input.key(QStringLiteral("Down Return")));
            QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Stop at")), qPrintable(fx.why()));
            QVERIFY(fx.input.key(QStringLiteral("ctrl+a")));
            QVERIFY(fx.input.type(iso(QDateTime(d, to))));
            QVERIFY(fx.input.key(QStringLiteral("Return")));
            QVERIFY(fx.windows.waitForActive(fx.mainWindow));
        }
        const QByteArray logged = fx.app.file(AppUnderTest::Tasks);
        QCOMPARE(logged.count("[Total Time] 0d 1h 0m 0s"), 2);

        QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::LblReports.centre()));
        XWindows::Id reports = 0;
        QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Reports"), &reports), qPrintable(fx.why()));
        // The first session: its stop corrected to 10:45, with the keyboard.
        QVERIFY(fx.input.click(reports, reportswindowlayout::ReportTree.centre()));
        QVERIFY(fx.input.key(QStringLiteral("Home Down Menu")));
        QVERIFY(fx.input.key(QStringLiteral("Down Return")));
        QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Correct Session #1- Alpha")),
                 qPrintable(fx.why()));
        QVERIFY(fx.input.key(QStringLiteral("Tab Tab ctrl+a")));
        QVERIFY(fx.input.type(iso(QDateTime(d, QTime(10, 45)))));
        QVERIFY(fx.input.key(QStringLiteral("Return")));
        QVERIFY(QTest::qWaitFor(
            [&] { return fx.app.file(AppUnderTest::Tasks).contains("[Total Time] 0d 1h 45m 0s"); },
            E2eFixture::WaitMs));
        // A forgotten session added between the two, from the menu of the tree's root.
        QVERIFY(fx.windows.waitForActive(reports));
        QVERIFY(fx.input.key(QStringLiteral("Home Menu Down Return")));
        QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Add a session")), qPrintable(fx.why()));
        QVERIFY(fx.input.type(QStringLiteral("Beta")));
        QVERIFY(fx.input.key(QStringLiteral("Tab")));
        QVERIFY(fx.input.type(iso(QDateTime(d, QTime(12, 0)))));
        QVERIFY(fx.input.key(QStringLiteral("Tab")));
        QVERIFY(fx.input.type(iso(QDateTime(d, QTime(12, 30)))));
        QVERIFY(fx.input.key(QStringLiteral("Return")));
        QVERIFY(QTest::qWaitFor([&] { return fx.app.file(AppUnderTest::Tasks).contains("Beta"); },
                                E2eFixture::WaitMs));
        const QByteArray added = fx.app.file(AppUnderTest::Tasks);
        QVERIFY2(added.indexOf("[Started] Alpha") < added.indexOf("[Started] Beta") &&
                     added.indexOf("[Started] Beta") < added.indexOf("[Started] Gamma"),
                 added.constData());
        QVERIFY(added.contains("[Total Time] 0d 0h 30m 0s\r\n<!--  END SESSION  -->\r\n\r\n\r\n"
                               "<!--  BEGIN SESSION //-->"));
        // Undo: the log as it was before the session was added.
        QVERIFY(fx.windows.waitForActive(reports));
        QVERIFY(fx.input.key(QStringLiteral("Home Menu Down Down Return")));
        QVERIFY(QTest::qWaitFor([&] { return !fx.app.file(AppUnderTest::Tasks).contains("Beta"); },
                                E2eFixture::WaitMs));
        QVERIFY(fx.app.file(AppUnderTest::Tasks).contains("[Total Time] 0d 1h 45m 0s"));
    }
};

QTEST_GUILESS_MAIN(TestE2eCorrections)
#include "tst_e2e_corrections.moc"
