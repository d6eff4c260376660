#include "storage/logformat.h"
#include "storage/logrecordreader.h"

#include <QtTest>

using logformat::LineKind;

class TestLogFormat : public QObject {
    Q_OBJECT
private slots:
    void noteLineBreaksOfEveryKindBecomeCrLf_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("line");
        QTest::newRow("one line") << u"Lunch"_qs << u"S [Notes] Lunch"_qs;
        QTest::newRow("spaces kept") << u"   "_qs << u"S [Notes]    "_qs;
        QTest::newRow("lf") << u"a\nb"_qs << u"S [Notes] a\r\nb"_qs;
        QTest::newRow("crlf") << u"a\r\nb"_qs << u"S [Notes] a\r\nb"_qs;
        QTest::newRow("lone cr") << u"a\rb"_qs << u"S [Notes] a\r\nb"_qs;
        QTest::newRow("lf cr") << u"a\n\rb"_qs << u"S [Notes] a\r\n\r\nb"_qs;
        QTest::newRow("empty line inside") << u"a\n\nb"_qs << u"S [Notes] a\r\n\r\nb"_qs;
    }
    void noteLineBreaksOfEveryKindBecomeCrLf() {
        QFETCH(QString, note);
        QFETCH(QString, line);
        QCOMPARE(logformat::noteLine(u"S"_qs, note), line);
    }

    void classifiesEachKindOfLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<LineKind>("kind");
        QTest::addColumn<QByteArray>("stamp");
        QTest::addColumn<QByteArray>("text");
        const QByteArray s = "6/3/2008 9:00:05 AM";
        QTest::newRow("begin") << QByteArray("<!--  BEGIN SESSION //-->") << LineKind::Begin
                               << QByteArray() << QByteArray();
        QTest::newRow("end") << QByteArray("<!--  END SESSION  -->") << LineKind::End
                             << QByteArray() << QByteArray();
        QTest::newRow("empty") << QByteArray() << LineKind::Empty << QByteArray() << QByteArray();
        QTest::newRow("started") << s + " [Started] Website" << LineKind::Started << s
                                 << QByteArray("Website");
        QTest::newRow("comment") << s + " [Starting Comments] Mock-ups"
                                 << LineKind::StartingComments << s << QByteArray("Mock-ups");
        QTest::newRow("note") << s + " [Notes] Call" << LineKind::Notes << s << QByteArray("Call");
        QTest::newRow("stopped") << s + " [Stopped] Website" << LineKind::Stopped << s
                                 << QByteArray("Website");
        QTest::newRow("total") << QByteArray("[Total Time] 0d 1h 15m 35s") << LineKind::TotalTime
                               << QByteArray() << QByteArray("0d 1h 15m 35s");
        QTest::newRow("name trimmed away")
            << s + " [Started]" << LineKind::Started << s << QByteArray();
        QTest::newRow("stamp with brackets")
            << QByteArray("[3] 9:00 [Started] A") << LineKind::Started << QByteArray("[3] 9:00")
            << QByteArray("A");
        QTest::newRow("note quoting a tag")
            << s + " [Notes] moved [Started] here" << LineKind::Notes << s
            << QByteArray("moved [Started] here");
        QTest::newRow("further line of a note")
            << QByteArray("about colours") << LineKind::Other << QByteArray() << QByteArray();
        QTest::newRow("tag without a stamp")
            << QByteArray("[Started] A") << LineKind::Other << QByteArray() << QByteArray();
        QTest::newRow("marker indented") << QByteArray(" <!--  END SESSION  -->") << LineKind::Other
                                         << QByteArray() << QByteArray();
    }
    void classifiesEachKindOfLine() {
        QFETCH(QByteArray, line);
        QFETCH(LineKind, kind);
        QFETCH(QByteArray, stamp);
        QFETCH(QByteArray, text);
        const logformat::Line read = logformat::classify(line);
        QCOMPARE(read.kind, kind);
        QCOMPARE(read.stamp.toByteArray(), stamp);
        QCOMPARE(read.text.toByteArray(), text);
    }

    // A line whose end was lost runs into the next begin marker; the user's own text may end
    // with the marker too, and must not start a record.
    void aLineEndingInTheBeginMarkerStartsARecordUnlessItIsTheUsersText_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("begins");
        QTest::newRow("cut started line")
            << QByteArray("6/3/2008 9:00:05 AM [Started] Web") << true;
        QTest::newRow("cut total") << QByteArray("[Total Time] 0d 1h") << true;
        QTest::newRow("end marker") << QByteArray("<!--  END SESSION  -->") << true;
        QTest::newRow("note") << QByteArray("6/3/2008 9:00:05 AM [Notes] see ") << false;
        QTest::newRow("comment") << QByteArray("6/3/2008 9:00:05 AM [Starting Comments] ") << false;
    }
    void aLineEndingInTheBeginMarkerStartsARecordUnlessItIsTheUsersText() {
        QFETCH(QByteArray, before);
        QFETCH(bool, begins);
        const QByteArray line = before + "<!--  BEGIN SESSION //-->";
        QCOMPARE(logformat::classify(line).kind == LineKind::Begin, begins);
    }

    // A record copied from the Reports pane into a note stays the note's text: the log still
    // holds one session, of the project that was started, with its own stop and total.
    void aNoteHoldingAPastedRecordForgesNoSession() {
        const QString pasted = u"see below:\n"
                               "<!--  BEGIN SESSION //-->\n"
                               "1/1/2008 8:00:00 AM [Started] Phantom\n"
                               "1/1/2008 8:00:00 AM [Starting Comments] forged\n"
                               "1/6/2008 8:00:00 AM [Stopped] Phantom\n"
                               "[Total Time] 5d 0h 0m 0s\n"
                               "<!--  END SESSION  -->\n"
                               "x<!--  BEGIN SESSION //-->"_qs;
        const QString note = logformat::noteLine(u"6/3/2008 9:30:00 AM"_qs, pasted);
        QVERIFY2(note.contains(u"\r\n\t<!--  BEGIN SESSION //-->\r\n\t1/1/2008"_qs),
                 qPrintable(note));
        const QString log =
            logformat::startLines(u"6/3/2008 9:00:00 AM"_qs, u"Real"_qs) + u"\r\n"_qs + note +
            u"\r\n"_qs +
            logformat::stopLines(u"6/3/2008 10:00:00 AM"_qs, u"Real"_qs, u"0d 1h 0m 0s"_qs) +
            u"\r\n"_qs;
        const QByteArray bytes = log.toLatin1();
        int records = 0;
        LogRecordReader::read(bytes, [&](const LogRecord& r) {
            ++records;
            QCOMPARE(int(r.shape), int(LogRecord::Shape::Whole));
            QCOMPARE(r.started()->line.text.toByteArray(), QByteArray("Real"));
            QCOMPARE(r.stopped()->line.text.toByteArray(), QByteArray("Real"));
            QCOMPARE(r.total()->line.text.toByteArray(), QByteArray("0d 1h 0m 0s"));
        });
        QCOMPARE(records, 1);
    }

    void aProjectNameCannotEndARecord() {
        QVERIFY(logformat::canStartRecord(u"Website <!--  END SESSION  -->"_qs));
        QVERIFY(!logformat::canStartRecord(u"Website <!--  BEGIN SESSION //-->"_qs));
    }
};

QTEST_GUILESS_MAIN(TestLogFormat)
#include "tst_logformat.moc"
