// The Totals window, opened from the Reports window's menu, against "--summary" on the same log.
#include "app/mainwindowlayout.h"
#include "reports/reportswindowlayout.h"
#include "reports/totalswindowlayout.h"
#include "tests/e2e/e2efixture.h"

#include <QProcess>
#include <QtTest>

namespace {

const QString Program = QStringLiteral("tallyhawk");
const QString TotalsTitle = QStringLiteral("Totals");

// Two weeks of sessions in the stamps of the test's locale (C), one stopped before its first
// tick (its time comes from its stamps) and one still running, which is listed, not counted.
const QByteArray Log = "<!--  BEGIN SESSION //-->\r\n"
                       "1 Jan 2024 09:00:00 [Started] Alpha\r\n"
                       "1 Jan 2024 10:30:00 [Stopped] Alpha\r\n"
                       "[Total Time] 0d 1h 30m 0s\r\n"
                       "<!--  END SESSION  -->\r\n"
                       "\r\n"
                       "\r\n"
                       "<!--  BEGIN SESSION //-->\r\n"
                       "3 Jan 2024 14:00:00 [Started] Beta, with a comma\r\n"
                       "3 Jan 2024 14:45:10 [Stopped] Beta, with a comma\r\n"
                       "[Total Time] N/A\r\n"
                       "<!--  END SESSION  -->\r\n"
                       "\r\n"
                       "\r\n"
                       "<!--  BEGIN SESSION //-->\r\n"
                       "9 Jan 2024 09:00:00 [Started] Alpha\r\n"
                       "9 Jan 2024 09:20:00 [Stopped] Alpha\r\n"
                       "[Total Time] 0d 0h 20m 0s\r\n"
                       "<!--  END SESSION  -->\r\n"
                       "\r\n"
                       "\r\n"
                       "<!--  BEGIN SESSION //-->\r\n"
                       "10 Jan 2024 09:00:00 [Started] Gamma\r\n";

} // namespace

class TestE2eTotals : public E2eTest {
    Q_OBJECT
private slots:
    void totalsWindowSavesWhatSummaryPrints();

private:
    // Clicks, then waits for the popup (a menu or a list) that the click opens.
    bool clickForPopup(XWindows::Id window, QPoint at, bool right = false);
    // Runs the copy of the program with these arguments; its standard output.
    QByteArray runProgram(const QStringList& arguments);
};

bool TestE2eTotals::clickForPopup(XWindows::Id window, QPoint at, bool right) {
    E2eFixture& fx = fixture();
    const qsizetype before = fx.windows.visibleOfClass(Program).size();
    if (!(right ? fx.input.rightClick(window, at) : fx.input.click(window, at)))
        return false;
    return QTest::qWaitFor([&] { return fx.windows.visibleOfClass(Program).size() > before; },
                           E2eFixture::WaitMs);
}

QByteArray TestE2eTotals::runProgram(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    program.setProcessEnvironment(env);
    program.start(fixture().app.program(), arguments);
    if (!program.waitForFinished(E2eFixture::WaitMs) || program.exitCode() != 0)
        return {};
    return program.readAllStandardOutput();
}

void TestE2eTotals::totalsWindowSavesWhatSummaryPrints() {
    E2eFixture& fx = fixture();
    QVERIFY(fx.app.seed(AppUnderTest::Tasks, Log));
    E2E_START_APP(fx);
    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::LblReports.centre()));
    XWindows::Id reports = 0;
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Reports"), &reports), qPrintable(fx.why()));

    // Below the sessions, on the tree's empty part.
    QVERIFY2(clickForPopup(reports,
                           reportswindowlayout::ReportTree.pixels().bottomLeft() + QPoint(40, -20),
                           true),
             "a right-click on the report tree showed no menu");
    // "Totals…" is the menu's last item.
    QVERIFY(fx.input.key(QStringLiteral("Up Return")));
    XWindows::Id totals = 0;
    QVERIFY2(fx.waitForActiveWindow(TotalsTitle, &totals), qPrintable(fx.why()));

    // Everything, by week.
    QVERIFY2(clickForPopup(totals, totalswindowlayout::RangeBox.centre()),
             "the range box did not open");
    QVERIFY(fx.input.key(QStringLiteral("End Return")));
    QVERIFY2(clickForPopup(totals, totalswindowlayout::GroupingBox.centre()),
             "the grouping box did not open");
    QVERIFY(fx.input.key(QStringLiteral("Home Down Down Return")));

    QVERIFY(fx.input.click(totals, totalswindowlayout::SaveButton.centre()));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Save As")), qPrintable(fx.why()));
    const QString saved = QFileInfo(fx.app.program()).dir().filePath(QStringLiteral("weeks.csv"));
    QVERIFY(fx.input.type(saved));
    QVERIFY(fx.input.key(QStringLiteral("Return")));
    QVERIFY2(fx.windows.waitUntilGone(QStringLiteral("Save As")), "the save dialog stayed open");
    QVERIFY2(QTest::qWaitFor([&] { return fx.app.fileExists(QStringLiteral("weeks.csv")); },
                             E2eFixture::WaitMs),
             "nothing was saved");

    const QByteArray summary =
        runProgram({QStringLiteral("--summary"), QStringLiteral("--by"), QStringLiteral("week"),
                    QStringLiteral("--format"), QStringLiteral("csv")});
    QVERIFY(summary.startsWith("period,from,to,"));
    QCOMPARE(fx.app.file(QStringLiteral("weeks.csv")), summary);
    // Time from the stamps where the total is N/A; the running session listed, not counted.
    QVERIFY(summary.contains(
        "2024-W01,2024-01-01,2024-01-07,\"Beta, with a comma\",2710,0.75,1,0\r\n"));
    QVERIFY(summary.contains("2024-W02,2024-01-08,2024-01-14,Gamma,0,0.00,0,1\r\n"));
}

QTEST_GUILESS_MAIN(TestE2eTotals)
#include "tst_e2e_totals.moc"
