// A suspend announced on the system bus, as logind announces it: the time away counts from the
// suspend, not from the last input, and the first input after the resume brings the question.
#include "away/awayquestionlayout.h"
#include "storage/datetimetext.h"
#include "tests/e2e/e2efixture.h"
#include "tests/support/privatebus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

const QString QuestionTitle = QStringLiteral("Tallyhawk");
const QString Logind = QStringLiteral("org.freedesktop.login1");

bool announce(QDBusConnection& bus, bool sleeping) {
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("PrepareForSleep"));
    signal << sleeping;
    return bus.send(signal);
}

} // namespace

class TestE2eAwaySuspend : public E2eTest {
    Q_OBJECT
private slots:
    void keepRecordsTheTimeFromTheSuspendToTheFirstInput() {
        E2eFixture& fx = fixture();
        PrivateBus system(PrivateBus::Type::System);
        QVERIFY2(system.error().isEmpty(), qPrintable(system.error()));
        QDBusConnection logind = system.connect(QStringLiteral("logind"));
        QVERIFY2(logind.registerService(Logind), qPrintable(logind.lastError().message()));
        fx.display.setVariable(system.variable(), system.address());

        QVERIFY(fx.app.seed(AppUnderTest::Settings, "[Away]\r\nMinutes=1\r\n"));
        E2E_START_APP(fx);
        QVERIFY2(fx.startSession(QStringLiteral("Alpha")), qPrintable(fx.why()));

        // Well after the last input, so that the two cannot be mistaken for each other.
        QTest::qWait(8000);
        const QDateTime slept = QDateTime::currentDateTime();
        QVERIFY(announce(logind, true));
        QTest::qWait(62000);
        QVERIFY(announce(logind, false));
        QTest::qWait(3000);
        QVERIFY2(fx.windows.visible(QuestionTitle).isEmpty(),
                 "the question came before anyone was back");
        const QDateTime moved = QDateTime::currentDateTime();
        QVERIFY(fx.input.moveMouse({20, 700}));
        const XWindows::Id question = fx.windows.waitFor(QuestionTitle);
        QVERIFY2(question, "no question after the mouse moved");

        QVERIFY(fx.input.click(question, awayquestionlayout::CmdKeep.centre()));
        QVERIFY(QTest::qWaitFor(
            [&fx] { return fx.app.file(AppUnderTest::Tasks).contains(" [Notes] Away from "); },
            E2eFixture::WaitMs));
        const QString log = QString::fromLatin1(fx.app.file(AppUnderTest::Tasks));
        QVERIFY2(!log.contains(u" [Stopped] "_qs), "Keep stopped the session");
        const QRegularExpressionMatch note =
            QRegularExpression(u"\\[Notes\\] Away from (.+) to (.+) \\((.+)\\)\\r\\n"_qs)
                .match(log);
        QVERIFY2(note.hasMatch(), qPrintable(log));
        const DateTimeText stamps(QLocale::system());
        const QDateTime left = stamps.parse(note.captured(1)).value_or(QDateTime());
        const QDateTime back = stamps.parse(note.captured(2)).value_or(QDateTime());
        // The last clock tick before the announcement, a second at most before it.
        const qint64 leftBefore = left.secsTo(slept);
        QVERIFY2(leftBefore >= 0 && leftBefore <= 2,
                 qPrintable(u"left %1 s before the suspend"_qs.arg(leftBefore)));
        const qint64 backAfter = moved.secsTo(back);
        QVERIFY2(backAfter >= -1 && backAfter <= 2,
                 qPrintable(u"came back %1 s after the mouse move"_qs.arg(backAfter)));
    }
};

QTEST_GUILESS_MAIN(TestE2eAwaySuspend)
#include "tst_e2e_away_suspend.moc"
