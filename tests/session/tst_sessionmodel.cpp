#include "session/sessionmodel.h"
#include "tests/support/localzone.h"
#include "tests/support/sessionrig.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Rig = SessionRig;

QDateTime utc(int year, int month, int day, int hour, int minute) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

} // namespace

class TestSessionModel : public QObject {
    Q_OBJECT
private slots:
    void aThirtyMinuteSessionTicksStepsPromptsAndLogs() {
        Rig rig;
        QSignalSpy ticks(&rig.session, &SessionModel::ticked);
        QSignalSpy minutes(&rig.session, &SessionModel::minuteCountChanged);
        QSignalSpy prompts(&rig.session, &SessionModel::promptDue);
        QCOMPARE(rig.session.elapsedText(), u"N/A"_qs);
        QVERIFY(!rig.timer->isEnabled());

        rig.session.begin(u"Alpha"_qs);
        QVERIFY(rig.session.isRunning());
        QVERIFY(rig.timer->isEnabled());
        QCOMPARE(rig.session.startStamp(), u"6/3/2008 9:00:05 AM"_qs);
        rig.session.finishStart(u"Planning"_qs);
        rig.runMinutes(29);
        QCOMPARE(ticks.size(), 29 * 60);
        QCOMPARE(rig.session.minuteCount(), 29);
        QCOMPARE(prompts.size(), 0);
        rig.runMinutes(1);
        QCOMPARE(prompts.size(), 1);
        // Due at 30, and counting again from 0 at once.
        QCOMPARE(minutes.takeLast().at(0).toLongLong(), 0);
        QCOMPARE(minutes.takeLast().at(0).toLongLong(), 30);
        QCOMPARE(rig.session.minuteCount(), 0);
        QCOMPARE(rig.session.elapsedText(), u"0d 0h 30m 0s"_qs);

        rig.session.stop();
        QVERIFY(!rig.session.isRunning());
        QVERIFY(!rig.timer->isEnabled());
        QCOMPARE(rig.session.stopStamp(), u"6/3/2008 9:30:05 AM"_qs);
        QCOMPARE(rig.logBytes(), QByteArray("<!--  BEGIN SESSION //-->\r\n"
                                            "6/3/2008 9:00:05 AM [Started] Alpha\r\n"
                                            "6/3/2008 9:00:05 AM [Starting Comments] Planning\r\n"
                                            "6/3/2008 9:30:05 AM [Stopped] Alpha\r\n"
                                            "[Total Time] 0d 0h 30m 0s\r\n"
                                            "<!--  END SESSION  -->\r\n\r\n\r\n"));
        // Stopped, the clock raises no tick.
        rig.runSeconds(5);
        QCOMPARE(ticks.size(), 30 * 60);
    }

    void theSecondsValueMakesTheTick() {
        Rig rig;
        QSignalSpy ticks(&rig.session, &SessionModel::ticked);
        rig.session.begin(u"Alpha"_qs);
        rig.timer->fire();
        QCOMPARE(ticks.size(), 1);
        QCOMPARE(rig.session.elapsedText(), u"0d 0h 0m 0s"_qs);
        rig.clock.advanceMs(500);
        rig.timer->fire();
        QCOMPARE(ticks.size(), 1);
        rig.clock.advanceMs(500);
        rig.timer->fire();
        QCOMPARE(ticks.size(), 2);
        QCOMPARE(rig.session.tickCount(), 2);
    }

    // The interval is compared as text with the minute count.
    void promptComesDueOnlyWhenTheCountReadsAsTheInterval_data() {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("prompts");
        QTest::newRow("every 10") << u"10"_qs << true << 3;
        QTest::newRow("leading zero") << u"010"_qs << true << 0;
        QTest::newRow("trailing space") << u"10 "_qs << true << 0;
        QTest::newRow("empty") << QString() << true << 0;
        QTest::newRow("off") << u"10"_qs << false << 0;
    }
    void promptComesDueOnlyWhenTheCountReadsAsTheInterval() {
        QFETCH(QString, interval);
        QFETCH(bool, on);
        QFETCH(int, prompts);
        Rig rig;
        rig.session.setPromptInterval(interval);
        rig.session.setPromptOn(on);
        QSignalSpy due(&rig.session, &SessionModel::promptDue);
        rig.session.begin(u"Alpha"_qs);
        rig.runMinutes(31);
        QCOMPARE(due.size(), prompts);
        QCOMPARE(rig.session.minuteCount(), prompts ? 1 : 31);
    }

    void changingTheIntervalOrTurningThePromptOnStartsTheCountAgain() {
        Rig rig;
        rig.session.setPromptOn(false);
        QSignalSpy due(&rig.session, &SessionModel::promptDue);
        rig.session.begin(u"Alpha"_qs);
        rig.runMinutes(20);
        rig.session.setPromptOn(true);
        QCOMPARE(rig.session.minuteCount(), 0);
        rig.runMinutes(15);
        rig.session.setPromptInterval(u"10"_qs);
        QCOMPARE(rig.session.minuteCount(), 0);
        rig.runMinutes(9);
        QCOMPARE(due.size(), 0);
        rig.runMinutes(1);
        QCOMPARE(due.size(), 1);
    }

    // An interval of "0" is due whenever the count goes back to 0, once.
    void anIntervalOfZeroIsDueWhenTheCountIsReset() {
        Rig rig;
        QSignalSpy due(&rig.session, &SessionModel::promptDue);
        rig.session.begin(u"Alpha"_qs);
        rig.runMinutes(2);
        rig.session.setPromptInterval(u"0"_qs);
        QCOMPARE(due.size(), 1);
        rig.runMinutes(3);
        QCOMPARE(due.size(), 1);
    }

    void aLogThatCannotBeWrittenFailsAndKeepsTheLines() {
        Rig rig;
        QVERIFY(QDir(rig.dir.path()).mkdir(u"Tasks.txt"_qs));
        QStringList failures;
        connect(&rig.session, &SessionModel::logFailed, this,
                [&](const FileResult& result) { failures.append(result.message()); });
        QSignalSpy written(&rig.log, &SessionLog::written);
        rig.session.begin(u"Alpha"_qs);
        rig.session.finishStart(QString());
        QCOMPARE(failures.size(), 1);
        QVERIFY(failures[0].contains(rig.dir.path()));
        QVERIFY(rig.session.isRunning());

        // A note's failure is the caller's to tell; it is not a session failure.
        QVERIFY(!rig.session.logNote(u"kept"_qs).ok());
        QCOMPARE(failures.size(), 1);

        QVERIFY(QDir(rig.dir.path()).rmdir(u"Tasks.txt"_qs));
        rig.runSeconds(3);
        rig.session.stop();
        QCOMPARE(failures.size(), 1);
        QCOMPARE(written.size(), 1);
        QCOMPARE(rig.logBytes(), QByteArray("<!--  BEGIN SESSION //-->\r\n"
                                            "6/3/2008 9:00:05 AM [Started] Alpha\r\n"
                                            "6/3/2008 9:00:05 AM [Notes] kept\r\n"
                                            "6/3/2008 9:00:08 AM [Stopped] Alpha\r\n"
                                            "[Total Time] 0d 0h 0m 3s\r\n"
                                            "<!--  END SESSION  -->\r\n\r\n\r\n"));
    }

    // The start's stamp names two instants in the hour that repeats when summer time ends;
    // the elapsed time counts from the instant the session really started.
    void elapsedTimeCountsFromTheStartInstantAcrossTheEndOfSummerTime_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("elapsed");
        // Europe/Berlin goes from 3:00 CEST back to 2:00 CET on 26 October 2008.
        QTest::newRow("Berlin, started in the repeated hour")
            << QByteArray("Europe/Berlin") << utc(2008, 10, 26, 1, 30) << 600 << u"0d 0h 10m 0s"_qs;
        QTest::newRow("Berlin, across the change")
            << QByteArray("Europe/Berlin") << utc(2008, 10, 25, 23, 30) << 7200
            << u"0d 2h 0m 0s"_qs;
        // America/Santiago goes from midnight back to 23:00 on 14 May 2016.
        QTest::newRow("Santiago, started in the repeated hour")
            << QByteArray("America/Santiago") << utc(2016, 5, 15, 3, 30) << 60 << u"0d 0h 1m 0s"_qs;
        QTest::newRow("Santiago, across the change")
            << QByteArray("America/Santiago") << utc(2016, 5, 15, 1, 30) << 10800
            << u"0d 3h 0m 0s"_qs;
    }
    void elapsedTimeCountsFromTheStartInstantAcrossTheEndOfSummerTime() {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, start);
        QFETCH(int, seconds);
        QFETCH(QString, elapsed);
        const LocalZone pinned(zone.constData());
        Rig rig(start.toLocalTime());
        rig.session.setPromptOn(false);
        rig.session.begin(u"Late"_qs);
        rig.session.finishStart(QString());
        const QString startText = rig.session.startStamp();
        rig.runSeconds(seconds);
        QCOMPARE(rig.session.elapsedText(), elapsed);
        rig.session.stop();
        QVERIFY(rig.logBytes().contains(startText.toLatin1() + " [Started] Late\r\n"));
        QVERIFY(rig.logBytes().contains("[Total Time] " + elapsed.toLatin1() + "\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSessionModel)
#include "tst_sessionmodel.moc"
