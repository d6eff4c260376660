// A session left alone on a real display: the X server's own idle time says when the user
// left, and the first mouse move brings the question.
#include "away/awayquestionlayout.h"
#include "storage/datetimetext.h"
#include "tests/e2e/e2efixture.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

const QString QuestionTitle = QStringLiteral("Tallyhawk");

// The stamp of the first line with the tag, as a time; invalid when there is none.
QDateTime stampOf(const QByteArray& log, const QByteArray& tag) {
    const QRegularExpression line(QStringLiteral("(?:^|\\n)([^\\r\\n]+) %1 ")
                                      .arg(QRegularExpression::escape(QString::fromLatin1(tag))));
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(log));
    if (!match.hasMatch())
        return {};
    return DateTimeText(QLocale::system()).parse(match.captured(1)).value_or(QDateTime());
}

} // namespace

class TestE2eAwayIdle : public E2eTest {
    Q_OBJECT
private slots:
    void stopWhenILeftStampsTheStopAtTheLastInput() {
        E2eFixture& fx = fixture();
        QVERIFY(fx.app.seed(AppUnderTest::Settings, "[Away]\r\nMinutes=1\r\n"));
        E2E_START_APP(fx);
        // The Enter that answers the Start box is the last input.
        QVERIFY2(fx.startSession(QStringLiteral("Alpha")), qPrintable(fx.why()));

        QTest::qWait(66000);
        QVERIFY2(fx.windows.visible(QuestionTitle).isEmpty(),
                 "the question came while nobody was back");
        const QDateTime moved = QDateTime::currentDateTime();
        QVERIFY(fx.input.moveMouse({20, 700}));
        const XWindows::Id question = fx.windows.waitFor(QuestionTitle);
        QVERIFY2(question, "no question after the mouse moved");
        // Keys typed as one comes back go on to the window one was in.
        QTest::qWait(500);
        const XDisplay::Result active =
            fx.display.run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
        QVERIFY2(active.ok && active.out.trimmed().toULongLong() == fx.mainWindow,
                 "the question took the focus from the main window");

        QVERIFY(fx.input.click(question, awayquestionlayout::CmdStopWhenLeft.centre()));
        QVERIFY(QTest::qWaitFor(
            [&fx] { return fx.app.file(AppUnderTest::Tasks).contains(" [Stopped] Alpha\r\n"); },
            E2eFixture::WaitMs));
        QVERIFY(fx.windows.waitUntilGone(QuestionTitle));
        const QByteArray log = fx.app.file(AppUnderTest::Tasks);
        QVERIFY2(!log.contains(" [Notes] "), "Stop when I left logged a note");
        const QDateTime stopped = stampOf(log, "[Stopped]");
        QVERIFY2(stopped.isValid(), log.constData());
        const qint64 before = stopped.secsTo(moved);
        QVERIFY2(before >= 60 && before <= 70,
                 qPrintable(QStringLiteral("stopped %1 s before the mouse move").arg(before)));
    }
};

QTEST_GUILESS_MAIN(TestE2eAwayIdle)
#include "tst_e2e_away_idle.moc"
