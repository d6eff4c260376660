#include "tests/support/apprig.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QByteArray Begin = "<!--  BEGIN SESSION //-->\r\n";
const QByteArray End = "<!--  END SESSION  -->\r\n\r\n\r\n";

void start(AppRig& rig, const QString& project, std::optional<QString> comment = std::nullopt) {
    rig.typeProject(project);
    rig.dialogs.answerInput(comment);
    rig.click(u"CmdStartStop"_qs);
}

} // namespace

class TestMainWindowSession : public QObject {
    Q_OBJECT
private slots:
    void startsIdleWithDesignValues() {
        AppRig rig;
        rig.load();
        QCOMPARE(rig.find<QPushButton>(u"CmdStartStop"_qs)->text(), u"&Start"_qs);
        QVERIFY(!rig.find<QPushButton>(u"CmdNotes"_qs)->isEnabled());
        QCOMPARE(rig.find<QLabel>(u"LblStartTime"_qs)->text(), u"0:00"_qs);
        QCOMPARE(rig.find<QLabel>(u"LblStopTime"_qs)->text(), u"0:00"_qs);
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"N/A"_qs);
        QCOMPARE(rig.find<QLineEdit>(u"TxtAsk"_qs)->text(), u"30"_qs);
        QCOMPARE(rig.find<QAction>(u"MnuStartStop"_qs)->text(), u"Start Project"_qs);
        QCOMPARE(rig.find<QAction>(u"MnuElapsed"_qs)->text(), u"Elapsed Time"_qs);
        QVERIFY(!rig.timer->isEnabled());
        QVERIFY(rig.log().isNull());
    }

    void logsTheRecordOfASession_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QByteArray>("commentLine");
        QTest::newRow("accepted unchanged") << std::optional<QString>(u"Default"_qs)
                                            << QByteArray("6/3/2008 9:00:05 AM [Starting "
                                                          "Comments] Default\r\n");
        QTest::newRow("own words") << std::optional<QString>(u"Reviewing the mock-ups"_qs)
                                   << QByteArray("6/3/2008 9:00:05 AM [Starting Comments] "
                                                 "Reviewing the mock-ups\r\n");
        QTest::newRow("cancelled") << std::optional<QString>() << QByteArray();
        QTest::newRow("emptied") << std::optional<QString>(QString()) << QByteArray();
    }
    void logsTheRecordOfASession() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QByteArray, commentLine);
        AppRig rig;
        rig.load();
        start(rig, u"Website redesign"_qs, answer);

        QCOMPARE(rig.dialogs.inputs.size(), 1);
        QCOMPARE(rig.dialogs.inputs[0].title, u"What are you doing now?"_qs);
        QCOMPARE(rig.dialogs.inputs[0].prompt,
                 u"What are you doing this moment?\r\n\r\nNote: \"You may click the \"Notes\" "
                 "button at any time to log what you are doing."_qs);
        QCOMPARE(rig.dialogs.inputs[0].preset, u"Default"_qs);
        const QByteArray started =
            Begin + "6/3/2008 9:00:05 AM [Started] Website redesign\r\n" + commentLine;
        QCOMPARE(rig.log(), started);
        QVERIFY(rig.session().isRunning());
        QVERIFY(rig.find<QPushButton>(u"CmdNotes"_qs)->isEnabled());
        QVERIFY(!rig.find<QComboBox>(u"CboProject"_qs)->isEnabled());
        QVERIFY(!rig.find<QPushButton>(u"CmdAdd"_qs)->isEnabled());
        QVERIFY(!rig.find<QPushButton>(u"CmdRemove"_qs)->isEnabled());
        QCOMPARE(rig.find<QAction>(u"MnuStartStop"_qs)->text(), u"&Stop Project"_qs);

        rig.clock.advanceSecs(4534);
        rig.runSeconds(1);
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(rig.log(), started +
                                "6/3/2008 10:15:40 AM [Stopped] Website redesign\r\n"
                                "[Total Time] 0d 1h 15m 35s\r\n" +
                                End);
        QVERIFY(!rig.session().isRunning());
        QCOMPARE(rig.find<QLabel>(u"LblStopTime"_qs)->text(), u"6/3/2008 10:15:40 AM"_qs);
        QCOMPARE(rig.find<QAction>(u"MnuStartStop"_qs)->text(), u"S&tart Project"_qs);
        QVERIFY(!rig.timer->isEnabled());
    }

    // The desktop session ends, or a signal comes, while Start waits for its comment: the box
    // closes as its Cancel does, the start lines are written first and the record is then
    // completed. An answer the box still gives changes nothing.
    void shutdownWhileTheStartBoxIsOpenCompletesTheRecordInOrder() {
        AppRig rig;
        MainWindow& window = rig.load();
        QSignalSpy unloaded(&window, &MainWindow::unloaded);
        rig.typeProject(u"Alpha"_qs);
        rig.dialogs.answerInput(u"Comment"_qs, [&] {
            rig.clock.advanceSecs(3);
            window.requestShutdown();
        });
        rig.find<QPushButton>(u"CmdStartStop"_qs)->click();
        QCOMPARE(unloaded.size(), 1);
        QCOMPARE(rig.log(), Begin +
                                "6/3/2008 9:00:05 AM [Started] Alpha\r\n"
                                "6/3/2008 9:00:08 AM [Stopped] Alpha\r\n"
                                "[Total Time] N/A\r\n" +
                                End);
        QVERIFY(rig.dialogs.messages.isEmpty());
    }

    void stopBeforeTheFirstTickLogsNotAvailable() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.clock.advanceMs(400);
        rig.click(u"CmdStartStop"_qs);
        QVERIFY(rig.log().endsWith("[Total Time] N/A\r\n" + End));
    }

    void refusesAnEmptyProjectName() {
        AppRig rig;
        rig.load();
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(rig.dialogs.messageTexts(), QStringList{u"Please enter a project name"_qs});
        QCOMPARE(rig.dialogs.messages[0].title, QString());
        QCOMPARE(rig.dialogs.messages[0].icon, Dialogs::Icon::None);
        QVERIFY(rig.dialogs.inputs.isEmpty());
        QVERIFY(!rig.session().isRunning());
        QVERIFY(!QFile::exists(rig.path(u"Tasks.txt"_qs)));
        QVERIFY(!QFile::exists(rig.path(u"Projects.txt"_qs)));
    }

    void secondSessionShowsNotAvailableUntilItsFirstTick() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.runSeconds(5);
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"0d 0h 0m 5s"_qs);
        rig.clock.advanceSecs(100);
        start(rig, u"Alpha"_qs);
        QCOMPARE(rig.find<QLabel>(u"LblStopTime"_qs)->text(), QString());
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"N/A"_qs);
        rig.runSeconds(1);
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"0d 0h 0m 1s"_qs);
    }

    void theFirstTimerEventAfterStartIsATick() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.runSeconds(1);
        rig.click(u"CmdStartStop"_qs);
        // Started again within the same second as the last tick.
        start(rig, u"Alpha"_qs);
        rig.timer->fire();
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"0d 0h 0m 0s"_qs);
    }

    void elapsedTimeIsShownOnTheLabelAndTheMenu() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.clock.advanceSecs(3 * 86400 + 3660);
        rig.runSeconds(1);
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"3d 1h 1m 1s"_qs);
        rig.tray.showMenu();
        QCOMPARE(rig.find<QAction>(u"MnuElapsed"_qs)->text(), u"Elapsed Time: 3d 1h 1m 1s"_qs);
    }

    void minuteCounterStepsEverySixtyTicks() {
        AppRig rig;
        rig.load();
        rig.find<QCheckBox>(u"ChkAskMe"_qs)->setChecked(false);
        start(rig, u"Alpha"_qs);
        rig.runSeconds(59);
        QCOMPARE(rig.session().minuteCount(), 0);
        rig.runSeconds(1);
        QCOMPARE(rig.session().minuteCount(), 1);
        rig.runSeconds(60);
        QCOMPARE(rig.session().minuteCount(), 2);
    }

    void missedSecondsAreNotTicksButTheTimeStaysExact() {
        AppRig rig;
        rig.load();
        rig.find<QCheckBox>(u"ChkAskMe"_qs)->setChecked(false);
        start(rig, u"Alpha"_qs);
        // Several timer events within one second make one tick; a busy spell of 90 seconds
        // makes one tick too.
        for (int i = 0; i < 5; ++i) {
            rig.clock.advanceMs(100);
            rig.timer->fire();
        }
        rig.clock.advanceSecs(90);
        rig.timer->fire();
        rig.runSeconds(58);
        QCOMPARE(rig.session().minuteCount(), 1);
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"0d 0h 2m 28s"_qs);
    }

    void stampsAtMidnightCarryTheDateAlone() {
        AppRig rig;
        rig.clock.set(QDateTime(QDate(2008, 6, 3), QTime(0, 0)));
        rig.load();
        start(rig, u"Night"_qs);
        rig.clock.advanceSecs(86399);
        rig.runSeconds(1);
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(rig.log(), Begin +
                                "6/3/2008 [Started] Night\r\n"
                                "6/4/2008 [Stopped] Night\r\n"
                                "[Total Time] 1d 0h 0m 0s\r\n" +
                                End);
    }

    void closingWhileRunningCompletesTheRecord() {
        AppRig rig;
        MainWindow& window = rig.load();
        QSignalSpy unloaded(&window, &MainWindow::unloaded);
        start(rig, u"Alpha"_qs);
        rig.runSeconds(42);
        window.close();
        QCOMPARE(unloaded.size(), 1);
        QVERIFY(rig.log().endsWith("6/3/2008 9:00:47 AM [Stopped] Alpha\r\n"
                                   "[Total Time] 0d 0h 0m 42s\r\n" +
                                   End));
        // A second way of closing after the first does nothing more.
        window.requestShutdown();
        QCOMPARE(unloaded.size(), 1);
    }

    void aFailedAppendWarnsAndKeepsTheLinesForLater() {
        AppRig rig;
        rig.load();
        QVERIFY(QDir(rig.dir.path()).mkdir(u"Tasks.txt"_qs));
        start(rig, u"Alpha"_qs, u"Default"_qs);
        QVERIFY(rig.session().isRunning());
        QCOMPARE(rig.dialogs.messages.size(), 1);
        const Dialogs::Message& warning = rig.dialogs.messages[0];
        QCOMPARE(warning.icon, Dialogs::Icon::Warning);
        QVERIFY(warning.text.contains(rig.path(u"Tasks.txt"_qs)));
        QVERIFY(warning.text.contains(u"folder"_qs));

        QVERIFY(QDir(rig.dir.path()).rmdir(u"Tasks.txt"_qs));
        rig.runSeconds(10);
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(rig.dialogs.messages.size(), 1);
        QCOMPARE(rig.log(), Begin +
                                "6/3/2008 9:00:05 AM [Started] Alpha\r\n"
                                "6/3/2008 9:00:05 AM [Starting Comments] Default\r\n"
                                "6/3/2008 9:00:15 AM [Stopped] Alpha\r\n"
                                "[Total Time] 0d 0h 0m 10s\r\n" +
                                End);
    }

    void stampsFollowTheLocale() {
        AppRig rig(u"de_DE"_qs);
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.runSeconds(65);
        rig.click(u"CmdStartStop"_qs);
        QVERIFY(rig.log().contains("03.06.2008 09:00:05 [Started] Alpha\r\n"));
        QVERIFY(rig.log().contains("03.06.2008 09:01:10 [Stopped] Alpha\r\n"
                                   "[Total Time] 0d 0h 1m 5s\r\n"));
    }
};

QTEST_MAIN(TestMainWindowSession)
#include "tst_mainwindow_session.moc"
