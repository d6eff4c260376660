#include "session/projectlist.h"
#include "session/sessioncontrol.h"
#include "tests/support/sessionrig.h"

#include <QtTest>

namespace {

// The control over a session on fake time, at 9:00:05 on 6/3/2008.
struct ControlRig : SessionRig {
    ProjectList projects{dir.filePath(u"Projects.txt"_qs)};
    SessionControl control{session, projects, clock};
};

QDateTime at(int hour, int minute, int second = 0) {
    return QDateTime(QDate(2008, 6, 3), QTime(hour, minute, second));
}

using Kind = Refusal::Kind;

} // namespace

class TestSessionControl : public QObject {
    Q_OBJECT
private slots:
    void startWritesTheStartLinesAndListsTheName() {
        ControlRig rig;
        QVERIFY(!rig.control.start(u"Alpha"_qs, u"Planning"_qs));
        QCOMPARE(rig.logBytes(),
                 QByteArray("<!--  BEGIN SESSION //-->\r\n"
                            "6/3/2008 9:00:05 AM [Started] Alpha\r\n"
                            "6/3/2008 9:00:05 AM [Starting Comments] Planning\r\n"));
        QCOMPARE(rig.projects.names(), QStringList{u"Alpha"_qs});
        // Without a comment there is no comment line.
        QVERIFY(!rig.control.stop());
        QVERIFY(!rig.control.start(u"Beta"_qs, QString()));
        QVERIFY(rig.logBytes().endsWith("[Started] Beta\r\n"));
    }

    void refusalsSayWhy_data() {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("start while running") << u"start Beta"_qs << int(Kind::Running)
                                             << u"Alpha is running since 6/3/2008 9:00:05 AM."_qs;
        QTest::newRow("no name") << u"start"_qs << int(Kind::NoName)
                                 << u"Please enter a project name"_qs;
        QTest::newRow("name too long") << u"start long"_qs << int(Kind::TooLong)
                                       << u"The project name is longer than 4096 characters."_qs;
        QTest::newRow("start in the future") << u"start at 10:00"_qs << int(Kind::Moment)
                                             << u"6/3/2008 10:00:00 AM is in the future."_qs;
        QTest::newRow("start before the last session ended")
            << u"start at 8:45"_qs << int(Kind::Moment)
            << u"6/3/2008 8:45:00 AM is before the end of the last session, Old from 6/3/2008 "
               "8:00:00 AM to 6/3/2008 8:50:00 AM."_qs;
        QTest::newRow("stop with none running")
            << u"stop"_qs << int(Kind::NotRunning) << u"No session is running."_qs;
        QTest::newRow("stop before the start")
            << u"stop at 8:59"_qs << int(Kind::Moment)
            << u"6/3/2008 8:59:00 AM is before the session started, at 6/3/2008 9:00:05 AM."_qs;
        QTest::newRow("note with none running")
            << u"note"_qs << int(Kind::NotRunning) << u"No session is running."_qs;
        QTest::newRow("start while the comment is asked for")
            << u"start while asking"_qs << int(Kind::Busy)
            << u"Tallyhawk is asking for the starting comment of Alpha."_qs;
        QTest::newRow("note while the comment is asked for")
            << u"note while asking"_qs << int(Kind::Busy)
            << u"Tallyhawk is asking for the starting comment of Alpha."_qs;
        QTest::newRow("empty note")
            << u"note empty"_qs << int(Kind::Empty) << u"The note is empty."_qs;
        // The log would keep them as "?".
        QTest::newRow("name outside Windows-1252")
            << u"start Caf\u00e9 \u20ac \u65e5"_qs << int(Kind::Unencodable)
            << u"The project name holds characters that the session log cannot keep: \"\u65e5\" "
               "(U+65E5)."_qs;
        QTest::newRow("comment with many")
            << u"start with many"_qs << int(Kind::Unencodable)
            << u"The starting comment holds characters that the session log cannot keep: "
               "\"\u65e5\" (U+65E5), \"\u0391\" (U+0391), \"\u0392\" (U+0392), \"\u0393\" "
               "(U+0393), \"\U0001F600\" (U+1F600), and 2 more."_qs;
    }
    void refusalsSayWhy() {
        QFETCH(QString, verb);
        QFETCH(int, kind);
        QFETCH(QString, reason);
        ControlRig rig;
        QVERIFY(writeBytes(rig.logPath(), "<!--  BEGIN SESSION //-->\r\n"
                                          "6/3/2008 8:00:00 AM [Started] Old\r\n"
                                          "6/3/2008 8:50:00 AM [Stopped] Old\r\n"
                                          "[Total Time] 0d 0h 50m 0s\r\n"
                                          "<!--  END SESSION  -->\r\n\r\n\r\n"));
        const QByteArray before = rig.logBytes();
        Refused refused;
        if (verb == u"start Beta") {
            QVERIFY(!rig.control.start(u"Alpha"_qs, QString()));
            refused = rig.control.start(u"Beta"_qs, QString());
        } else if (verb == u"start") {
            refused = rig.control.start(QString(), QString());
        } else if (verb == u"start long") {
            refused = rig.control.start(QString(4097, u'x'), QString());
        } else if (verb == u"start at 10:00") {
            refused = rig.control.start(u"Alpha"_qs, QString(), at(10, 0));
        } else if (verb == u"start at 8:45") {
            refused = rig.control.start(u"Alpha"_qs, QString(), at(8, 45));
        } else if (verb == u"stop") {
            refused = rig.control.stop();
        } else if (verb == u"stop at 8:59") {
            QVERIFY(!rig.control.start(u"Alpha"_qs, QString()));
            refused = rig.control.stop(at(8, 59));
        } else if (verb == u"note") {
            refused = rig.control.note(u"Lunch"_qs);
        } else if (verb == u"start while asking") {
            QVERIFY(!rig.control.beginStart(u"Alpha"_qs));
            refused = rig.control.start(u"Beta"_qs, QString());
        } else if (verb == u"note while asking") {
            QVERIFY(!rig.control.beginStart(u"Alpha"_qs));
            refused = rig.control.note(u"Lunch"_qs);
        } else if (verb == u"note empty") {
            QVERIFY(!rig.control.start(u"Alpha"_qs, QString()));
            refused = rig.control.note(QString());
        } else if (verb.startsWith(u"start Caf")) {
            refused = rig.control.start(verb.mid(6), QString());
        } else if (verb == u"start with many") {
            refused = rig.control.start(u"Alpha"_qs,
                                        u"\u65e5\u0391\u0392\u0393\U0001F600\u0394\u0391\u0395"_qs);
        }
        QVERIFY(refused);
        QCOMPARE(int(refused->kind), kind);
        QCOMPARE(refused->reason, reason);
        if (!verb.endsWith(u"asking") && verb != u"start Beta" && verb != u"stop at 8:59" &&
            verb != u"note empty")
            QCOMPARE(rig.logBytes(), before);
    }

    void startAtAnEarlierMomentStampsIt() {
        ControlRig rig;
        rig.clock.advanceSecs(3600);
        QVERIFY(!rig.control.start(u"Alpha"_qs, QString(), at(9, 30)));
        QCOMPARE(rig.session.startStamp(), u"6/3/2008 9:30:00 AM"_qs);
        rig.runSeconds(1);
        QCOMPARE(rig.session.elapsedText(), u"0d 0h 30m 6s"_qs);
    }

    void switchStopsAndStartsAtTheSameMoment() {
        ControlRig rig;
        QVERIFY(!rig.control.start(u"Alpha"_qs, QString()));
        rig.runSeconds(65);
        QVERIFY(!rig.control.switchTo(u"Beta"_qs, u"Next"_qs));
        QVERIFY(rig.logBytes().endsWith("6/3/2008 9:01:10 AM [Stopped] Alpha\r\n"
                                        "[Total Time] 0d 0h 1m 5s\r\n"
                                        "<!--  END SESSION  -->\r\n\r\n\r\n"
                                        "<!--  BEGIN SESSION //-->\r\n"
                                        "6/3/2008 9:01:10 AM [Started] Beta\r\n"
                                        "6/3/2008 9:01:10 AM [Starting Comments] Next\r\n"));
    }

    // The other doors see a session once its start lines are written.
    void statusShowsTheSessionOnceItsStartIsFinished() {
        ControlRig rig;
        QCOMPARE(rig.control.status(), SessionStatus{});
        QVERIFY(!rig.control.beginStart(u"Alpha"_qs));
        QCOMPARE(rig.control.status(), SessionStatus{});
        rig.control.finishStart(u"Planning"_qs);
        rig.runSeconds(75);
        QCOMPARE(rig.control.status(),
                 (SessionStatus{true, u"Alpha"_qs, at(9, 0, 5), 75, u"Planning"_qs, false}));
        QVERIFY(!rig.control.stop());
        QCOMPARE(rig.control.status(), SessionStatus{});
    }

    void toggleStartsThenStops() {
        ControlRig rig;
        QVERIFY(!rig.control.toggle(u"Alpha"_qs));
        QVERIFY(rig.session.isRunning());
        QVERIFY(!rig.control.toggle(u"Beta"_qs));
        QVERIFY(!rig.session.isRunning());
        QCOMPARE(rig.session.project(), u"Alpha"_qs);
    }
};

QTEST_GUILESS_MAIN(TestSessionControl)
#include "tst_sessioncontrol.moc"
