#include "tests/support/apprig.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray RecordStart = "<!--  BEGIN SESSION //-->\r\n"
                               "6/3/2008 9:00:05 AM [Started] Alpha\r\n";

// Starts a session with the given Settings.ini, then leaves it alone for the given minutes and
// comes back with a key press.
void awayFromASession(AppRig& rig, const QByteArray& settings, int minutes) {
    if (!settings.isNull())
        rig.writeFile(u"Settings.ini"_qs, settings);
    rig.load();
    rig.typeProject(u"Alpha"_qs);
    rig.dialogs.answerInput(std::nullopt);
    rig.click(u"CmdStartStop"_qs);
    rig.idle.input();
    rig.runMinutes(minutes);
    rig.idle.input();
    rig.runSeconds(1);
}

QWidget* question(const AppRig& rig) {
    return rig.window->findChild<QWidget*>(u"FrmAway"_qs);
}

QString text(const AppRig& rig, const QString& name) {
    return question(rig)->findChild<QLabel*>(name)->text();
}

void answer(const AppRig& rig, const QString& button) {
    question(rig)->findChild<QPushButton*>(button)->click();
}

} // namespace

class TestMainWindowAway : public QObject {
    Q_OBJECT
private slots:
    void theThresholdComesFromTheSettingsFile_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("awayMinutes");
        QTest::addColumn<bool>("asked");
        QTest::newRow("no file, 15 by default") << QByteArray() << 16 << true;
        QTest::newRow("no file, under 15") << QByteArray() << 14 << false;
        QTest::newRow("no key") << QByteArray("[Checkboxes]\r\nChkAskMe=0\r\n") << 16 << true;
        QTest::newRow("1 minute") << QByteArray("[Away]\r\nMinutes=1\r\n") << 2 << true;
        QTest::newRow("0 is off") << QByteArray("[Away]\r\nMinutes=0\r\n") << 600 << false;
        QTest::newRow("not a number") << QByteArray("[Away]\r\nMinutes=ten\r\n") << 14 << false;
        QTest::newRow("negative") << QByteArray("[Away]\r\nMinutes=-5\r\n") << 14 << false;
    }
    void theThresholdComesFromTheSettingsFile() {
        QFETCH(QByteArray, settings);
        QFETCH(int, awayMinutes);
        QFETCH(bool, asked);
        AppRig rig;
        awayFromASession(rig, settings, awayMinutes);
        QCOMPARE(question(rig) != nullptr, asked);
    }

    void theQuestionNamesTheProjectAndTheTimesWithoutTakingTheFocus() {
        AppRig rig;
        awayFromASession(rig, "[Away]\r\nMinutes=5\r\n", 125);
        QWidget* window = question(rig);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), u"Tallyhawk"_qs);
        QVERIFY(window->isVisible());
        QVERIFY(rig.placement.topMost.contains(window));
        QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(text(rig, u"LblAwayProject"_qs),
                 u"Project - Alpha ran on while you were away."_qs);
        QCOMPARE(text(rig, u"LblAwayLeft"_qs), u"6/3/2008 9:00:05 AM"_qs);
        QCOMPARE(text(rig, u"LblAwayBack"_qs), u"6/3/2008 11:05:05 AM"_qs);
        QCOMPARE(text(rig, u"LblAwayLength"_qs), u"0d 2h 5m 0s"_qs);
        // Enter typed into it answers nothing.
        for (QPushButton* button : window->findChildren<QPushButton*>())
            QVERIFY(!button->isDefault() && !button->autoDefault());

        // A second away period updates the same window.
        rig.runMinutes(30);
        rig.idle.input();
        rig.runSeconds(1);
        QCOMPARE(rig.window->findChildren<QWidget*>(u"FrmAway"_qs).size(), 1);
        QCOMPARE(text(rig, u"LblAwayBack"_qs), u"6/3/2008 11:35:06 AM"_qs);
        QCOMPARE(text(rig, u"LblAwayLength"_qs), u"0d 2h 35m 1s"_qs);
    }

    void keepLogsTheAwayPeriodAndTheSessionRunsOn_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Keep") << u"Keep"_qs;
        QTest::newRow("close box") << u"close box"_qs;
        QTest::newRow("Escape") << u"Escape"_qs;
    }
    void keepLogsTheAwayPeriodAndTheSessionRunsOn() {
        QFETCH(QString, how);
        AppRig rig;
        awayFromASession(rig, "[Away]\r\nMinutes=5\r\n", 60);
        const QPointer<QWidget> window = question(rig);
        if (how == u"close box")
            window->close();
        else if (how == u"Escape")
            QTest::keyClick(window->findChild<QPushButton*>(u"CmdStopWhenLeft"_qs), Qt::Key_Escape);
        else
            answer(rig, u"CmdKeep"_qs);
        QTRY_VERIFY(!window);
        QVERIFY(rig.session().isRunning());
        QCOMPARE(rig.find<QPushButton>(u"CmdStartStop"_qs)->text(), u"&Stop"_qs);
        QCOMPARE(rig.log(), RecordStart + "6/3/2008 10:00:06 AM [Notes] Away from 6/3/2008 "
                                          "9:00:05 AM to 6/3/2008 10:00:05 AM (0d 1h 0m 0s)\r\n");
    }

    void stopWhenILeftStopsTheSessionAtThatMoment() {
        AppRig rig;
        awayFromASession(rig, "[Away]\r\nMinutes=5\r\n", 60);
        const QPointer<QWidget> window = question(rig);
        answer(rig, u"CmdStopWhenLeft"_qs);
        QTRY_VERIFY(!window);
        QVERIFY(!rig.session().isRunning());
        QCOMPARE(rig.find<QPushButton>(u"CmdStartStop"_qs)->text(), u"&Start"_qs);
        QVERIFY(rig.find<QPushButton>(u"CmdAdd"_qs)->isEnabled());
        QCOMPARE(rig.find<QLabel>(u"LblStopTime"_qs)->text(), u"6/3/2008 9:00:05 AM"_qs);
        QCOMPARE(rig.find<QLabel>(u"LblTotalTime"_qs)->text(), u"0d 0h 0m 0s"_qs);
        QCOMPARE(rig.log(), RecordStart + "6/3/2008 9:00:05 AM [Stopped] Alpha\r\n"
                                          "[Total Time] 0d 0h 0m 0s\r\n"
                                          "<!--  END SESSION  -->\r\n\r\n\r\n");
    }

    void aSessionEndedOtherwiseClosesTheQuestionUnanswered_data() {
        QTest::addColumn<bool>("byProgramEnd");
        QTest::newRow("Stop") << false;
        QTest::newRow("program end") << true;
    }
    void aSessionEndedOtherwiseClosesTheQuestionUnanswered() {
        QFETCH(bool, byProgramEnd);
        AppRig rig;
        awayFromASession(rig, "[Away]\r\nMinutes=5\r\n", 60);
        const QPointer<QWidget> window = question(rig);
        rig.runSeconds(9);
        if (byProgramEnd)
            rig.window->close();
        else
            rig.click(u"CmdStartStop"_qs);
        QTRY_VERIFY(!window);
        QCOMPARE(rig.log(), RecordStart + "6/3/2008 10:00:15 AM [Stopped] Alpha\r\n"
                                          "[Total Time] 0d 1h 0m 10s\r\n"
                                          "<!--  END SESSION  -->\r\n\r\n\r\n");
    }
};

QTEST_MAIN(TestMainWindowAway)
#include "tst_mainwindow_away.moc"
