#include "session/awaytracker.h"
#include "session/sessionmodel.h"
#include "tests/support/fakeaway.h"
#include "tests/support/sessionrig.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

// A session on fake time with an away tracker, a desktop idle time the test sets and suspends
// the test announces. The session starts at 9:00:05 with a 15-minute threshold.
struct Rig : SessionRig {
    Rig()
        : idle(clock)
        , tracker(session, clock, idle, sleepWatch) {
        session.setPromptOn(false);
    }

    void start() {
        session.start(u"Alpha"_qs, u"Planning"_qs);
        idle.input();
    }
    // The machine asleep: the clock moves on and nothing ticks.
    void suspend(std::chrono::seconds length) {
        sleepWatch.sleep();
        clock.advanceSecs(length.count());
        sleepWatch.wake();
    }
    QByteArray log() const { return logBytes(); }

    FakeIdle idle;
    FakeSleepWatch sleepWatch;
    AwayTracker tracker;
};

QDateTime at(int hour, int minute, int second) {
    return QDateTime(QDate(2008, 6, 3), QTime(hour, minute, second));
}

const QByteArray RecordStart = "<!--  BEGIN SESSION //-->\r\n"
                               "6/3/2008 9:00:05 AM [Started] Alpha\r\n"
                               "6/3/2008 9:00:05 AM [Starting Comments] Planning\r\n";

} // namespace

class TestAwayTracker : public QObject {
    Q_OBJECT
private slots:
    void aTwoHourSuspendIsAnsweredByTheUser_data() {
        QTest::addColumn<bool>("stopWhenLeft");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("Keep") << false
                              << RecordStart +
                                     "6/3/2008 11:31:05 AM [Notes] Away from 6/3/2008 9:30:05 AM "
                                     "to 6/3/2008 11:30:35 AM (0d 2h 0m 30s)\r\n"
                                     "6/3/2008 11:45:05 AM [Stopped] Alpha\r\n"
                                     "[Total Time] 0d 2h 45m 0s\r\n"
                                     "<!--  END SESSION  -->\r\n\r\n\r\n";
        QTest::newRow("Stop when I left") << true
                                          << RecordStart + "6/3/2008 9:30:05 AM [Stopped] Alpha\r\n"
                                                           "[Total Time] 0d 0h 30m 0s\r\n"
                                                           "<!--  END SESSION  -->\r\n\r\n\r\n";
    }
    void aTwoHourSuspendIsAnsweredByTheUser() {
        QFETCH(bool, stopWhenLeft);
        QFETCH(QByteArray, record);
        Rig rig;
        QSignalSpy asked(&rig.tracker, &AwayTracker::questionChanged);
        rig.start();
        rig.runMinutes(10);
        rig.idle.input();
        rig.runMinutes(10);
        rig.idle.input();
        rig.runMinutes(10);
        rig.suspend(2h);
        rig.runSeconds(30);
        // Resumed, but nobody has touched the computer yet.
        QCOMPARE(asked.size(), 0);
        rig.idle.input();
        rig.runSeconds(1);
        QCOMPARE(asked.size(), 1);
        const AwayPeriod period{at(9, 30, 5), at(11, 30, 35)};
        QCOMPARE(rig.tracker.question(), period);
        QCOMPARE(AwayTracker::lengthText(period), u"0d 2h 0m 30s"_qs);

        // Unanswered, the session runs on and nothing is logged.
        rig.runSeconds(29);
        QVERIFY(rig.session.isRunning());
        QCOMPARE(rig.session.elapsedText(), u"0d 2h 31m 0s"_qs);
        QCOMPARE(rig.log(), RecordStart);

        QSignalSpy closed(&rig.tracker, &AwayTracker::questionClosed);
        if (stopWhenLeft) {
            rig.tracker.stopWhenLeft();
            QVERIFY(!rig.session.isRunning());
            QCOMPARE(rig.session.stopStamp(), u"6/3/2008 9:30:05 AM"_qs);
            QCOMPARE(rig.session.elapsedText(), u"0d 0h 30m 0s"_qs);
        } else {
            QVERIFY(rig.tracker.keep().ok());
            QVERIFY(rig.session.isRunning());
            rig.runMinutes(14);
            rig.session.stop();
        }
        QCOMPARE(closed.size(), 1);
        QVERIFY(!rig.tracker.question());
        QCOMPARE(rig.log(), record);
    }

    void idleShorterThanTheThresholdAsksNothingAndQueriesRarely() {
        Rig rig;
        QSignalSpy asked(&rig.tracker, &AwayTracker::questionChanged);
        rig.start();
        for (int i = 0; i < 8; ++i) {
            rig.runMinutes(14);
            rig.runSeconds(59);
            rig.idle.input();
        }
        // A suspend shorter than the threshold is a pause, too.
        rig.suspend(14min);
        rig.idle.input();
        rig.runMinutes(1);
        QCOMPARE(asked.size(), 0);
        // Two hours of presence: the idle time is asked about once per threshold, not per tick.
        QVERIFY2(rig.idle.asked <= 12, qPrintable(QString::number(rig.idle.asked)));
        rig.session.stop();
        QVERIFY(!rig.log().contains("[Notes]"));
    }

    void idleFromTheLastInputToTheFirstInputAfterIt() {
        Rig rig;
        QSignalSpy asked(&rig.tracker, &AwayTracker::questionChanged);
        rig.start();
        rig.runMinutes(5);
        rig.idle.input();
        rig.idle.asked = 0;
        rig.runMinutes(40);
        QCOMPARE(asked.size(), 0);
        // Away for 25 minutes: the desktop tells of the next input, and the idle time is
        // asked once a minute besides, not at every tick.
        QVERIFY(rig.idle.watching);
        QVERIFY2(rig.idle.asked <= 27, qPrintable(QString::number(rig.idle.asked)));
        // The question comes with the input itself.
        rig.idle.input();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(rig.tracker.question(), (AwayPeriod{at(9, 5, 5), at(9, 45, 5)}));
        rig.tracker.stopWhenLeft();
        QVERIFY(rig.log().endsWith("6/3/2008 9:05:05 AM [Stopped] Alpha\r\n"
                                   "[Total Time] 0d 0h 5m 0s\r\n"
                                   "<!--  END SESSION  -->\r\n\r\n\r\n"));
    }

    void whereTheDesktopCannotTellOfInputTheReturnIsSeenWithinAMinute() {
        Rig rig;
        rig.idle.tellsOfInput = false;
        QSignalSpy asked(&rig.tracker, &AwayTracker::questionChanged);
        rig.start();
        rig.runMinutes(20);
        rig.runSeconds(25);
        rig.idle.input();
        rig.runSeconds(34);
        QCOMPARE(asked.size(), 0);
        rig.runSeconds(1);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(rig.tracker.question(), (AwayPeriod{at(9, 0, 5), at(9, 20, 30)}));
        // Asked when the threshold could first be reached, then once a minute while away.
        QVERIFY2(rig.idle.asked <= 8, qPrintable(QString::number(rig.idle.asked)));
    }

    void aSessionStoppedMeanwhileClosesTheQuestionUnchanged() {
        Rig rig;
        rig.start();
        rig.runMinutes(20);
        rig.idle.input();
        rig.runSeconds(1);
        QVERIFY(rig.tracker.question());
        QSignalSpy closed(&rig.tracker, &AwayTracker::questionClosed);
        rig.runMinutes(2);
        rig.session.stop();
        QCOMPARE(closed.size(), 1);
        QVERIFY(!rig.tracker.question());
        // An answer that comes too late changes nothing.
        QVERIFY(rig.tracker.keep().ok());
        rig.tracker.stopWhenLeft();
        QCOMPARE(rig.log(), RecordStart + "6/3/2008 9:22:06 AM [Stopped] Alpha\r\n"
                                          "[Total Time] 0d 0h 22m 1s\r\n"
                                          "<!--  END SESSION  -->\r\n\r\n\r\n");
        // The next session starts without the old question.
        rig.start();
        rig.runMinutes(1);
        QVERIFY(!rig.tracker.question());
    }

    void aSecondAwayPeriodExtendsTheOpenQuestion() {
        Rig rig;
        QSignalSpy asked(&rig.tracker, &AwayTracker::questionChanged);
        QSignalSpy closed(&rig.tracker, &AwayTracker::questionClosed);
        rig.start();
        rig.runMinutes(30);
        rig.idle.input();
        rig.runSeconds(1);
        QCOMPARE(rig.tracker.question(), (AwayPeriod{at(9, 0, 5), at(9, 30, 5)}));
        rig.runMinutes(2);
        rig.suspend(1h);
        rig.idle.input();
        rig.runSeconds(1);
        QCOMPARE(asked.size(), 2);
        QCOMPARE(closed.size(), 0);
        QCOMPARE(rig.tracker.question(), (AwayPeriod{at(9, 0, 5), at(10, 32, 6)}));
        QVERIFY(rig.tracker.keep().ok());
        QVERIFY(rig.log().endsWith("[Notes] Away from 6/3/2008 9:00:05 AM to 6/3/2008 10:32:06 "
                                   "AM (0d 1h 32m 1s)\r\n"));
        QCOMPARE(closed.size(), 1);
    }

    void aThresholdOfZeroWatchesNothing() {
        Rig rig;
        rig.tracker.setThreshold(0min);
        QSignalSpy asked(&rig.tracker, &AwayTracker::questionChanged);
        rig.start();
        rig.runMinutes(90);
        rig.suspend(3h);
        rig.idle.input();
        rig.runMinutes(1);
        QCOMPARE(asked.size(), 0);
        QCOMPARE(rig.idle.asked, 0);
        QCOMPARE(rig.sleepWatch.watched, 0);
        rig.session.stop();
        QVERIFY(rig.log().contains("[Total Time] 0d 4h 31m 0s\r\n"));
    }

    void withoutAnnouncedSuspendsAJumpOfTheClockIsOne_data() {
        QTest::addColumn<bool>("idleKnown");
        QTest::addColumn<QDateTime>("back");
        // Without the idle time the user is back with the first tick after the jump.
        QTest::newRow("desktop tells idle time") << true << at(10, 10, 45);
        QTest::newRow("desktop does not") << false << at(10, 10, 6);
    }
    void withoutAnnouncedSuspendsAJumpOfTheClockIsOne() {
        QFETCH(bool, idleKnown);
        QFETCH(QDateTime, back);
        Rig rig;
        rig.sleepWatch.announces = false;
        rig.start();
        if (!idleKnown)
            rig.idle.goSilent();
        rig.runMinutes(10);
        if (idleKnown)
            rig.idle.input();
        rig.clock.advanceSecs(3600);
        rig.runSeconds(1);
        rig.runSeconds(39);
        if (idleKnown) {
            QVERIFY(!rig.tracker.question());
            rig.idle.input();
            rig.runSeconds(1);
        }
        QCOMPARE(rig.tracker.question(), (AwayPeriod{at(9, 10, 5), back}));
    }

    void anAnnouncementReadOnlyAfterTheResumeStillDatesTheSuspend() {
        Rig rig;
        rig.start();
        rig.runMinutes(10);
        rig.idle.input();
        // The program was frozen before it read the announcement.
        rig.clock.advanceSecs(7200);
        rig.sleepWatch.sleep();
        rig.sleepWatch.wake();
        rig.runSeconds(3);
        rig.idle.input();
        rig.runSeconds(1);
        QCOMPARE(rig.tracker.question(), (AwayPeriod{at(9, 10, 5), at(11, 10, 8)}));
    }
};

QTEST_GUILESS_MAIN(TestAwayTracker)
#include "tst_awaytracker.moc"
