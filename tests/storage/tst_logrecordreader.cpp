#include "storage/logrecordreader.h"

#include <QtTest>

namespace {

using Shape = LogRecord::Shape;

// A record as the test writes it down: its shape, and its lines but the markers.
struct Seen {
    Shape shape;
    QList<QByteArray> lines;
    friend bool operator==(const Seen&, const Seen&) = default;
};

QList<Seen> records(const QByteArray& bytes) {
    QList<Seen> seen;
    LogRecordReader::read(bytes, [&](const LogRecord& record) {
        Seen s{record.shape, {}};
        for (const LogLine& line : record.lines)
            s.lines.append(bytes.mid(line.start, line.length));
        seen.append(s);
    });
    return seen;
}

const QByteArray Begin = "<!--  BEGIN SESSION //-->";
const QByteArray End = "<!--  END SESSION  -->";
const QByteArray Started = "6/3/2008 9:00:05 AM [Started] A";
const QByteArray Stopped = "6/3/2008 9:10:05 AM [Stopped] A";
const QByteArray Total = "[Total Time] 0d 0h 10m 0s";

QByteArray lines(const QList<QByteArray>& list, const QByteArray& end = "\r\n") {
    QByteArray out;
    for (const QByteArray& line : list)
        out += line + end;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(QList<Seen>)

class TestLogRecordReader : public QObject {
    Q_OBJECT
private slots:
    void findsEveryRecordAndItsShape_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QList<Seen>>("expected");
        const QList<QByteArray> whole{Started, Stopped, Total};
        QTest::newRow("whole records")
            << lines({Begin, Started, Stopped, Total, End, "", "", Begin, Started, End, "", ""})
            << QList<Seen>{{Shape::Whole, whole}, {Shape::Whole, {Started}}};
        QTest::newRow("any line ends")
            << lines({Begin, Started, End}, "\n") + lines({Begin, Stopped, End}, "\r")
            << QList<Seen>{{Shape::Whole, {Started}}, {Shape::Whole, {Stopped}}};
        QTest::newRow("running at the end")
            << lines({Begin, Started, Stopped, Total, End, "", "", Begin, Started})
            << QList<Seen>{{Shape::Whole, whole}, {Shape::Open, {Started}}};
        QTest::newRow("killed, then another")
            << lines({Begin, Started, Begin, Started, Stopped, End})
            << QList<Seen>{{Shape::Cut, {Started}}, {Shape::Whole, {Started, Stopped}}};
        QTest::newRow("cleared while running") << lines({"", Stopped, Total, End, "", ""})
                                               << QList<Seen>{{Shape::Headless, {Stopped, Total}}};
        QTest::newRow("note after the stop")
            << lines({Begin, Started, End, "", "", "9:30 [Notes] late", Begin, Stopped, End})
            << QList<Seen>{{Shape::Whole, {Started}},
                           {Shape::Loose, {"9:30 [Notes] late"}},
                           {Shape::Whole, {Stopped}}};
        QTest::newRow("empty lines inside a note are no boundary")
            << lines({Begin, Started, "9:30 [Notes] a", "", "b", End})
            << QList<Seen>{{Shape::Whole, {Started, "9:30 [Notes] a", "b"}}};
        // Earlier versions appended to a hand-edited log without its last line end: the
        // begin marker ran on from the last line, which stays a line of its own record.
        QTest::newRow("cut line runs into a begin marker")
            << lines({Begin, Started, Started.left(20) + Begin, Started, Stopped, End})
            << QList<Seen>{{Shape::Cut, {Started, Started.left(20)}},
                           {Shape::Whole, {Started, Stopped}}};
        QTest::newRow("end marker runs into a begin marker")
            << lines({Begin, Started, End + Begin, Stopped, End})
            << QList<Seen>{{Shape::Whole, {Started}}, {Shape::Whole, {Stopped}}};
        QTest::newRow("a note ending in the marker is a note")
            << lines({Begin, Started, "9:30 [Notes] see " + Begin, Stopped, End})
            << QList<Seen>{{Shape::Whole, {Started, "9:30 [Notes] see " + Begin, Stopped}}};
        QTest::newRow("nothing") << QByteArray() << QList<Seen>{};
        QTest::newRow("a cleared log") << QByteArray("\r\n") << QList<Seen>{};
    }
    void findsEveryRecordAndItsShape() {
        QFETCH(QByteArray, log);
        QFETCH(QList<Seen>, expected);
        const QList<Seen> seen = records(log);
        QCOMPARE(seen.size(), expected.size());
        for (qsizetype i = 0; i < seen.size(); ++i) {
            QCOMPARE(int(seen[i].shape), int(expected[i].shape));
            QCOMPARE(seen[i].lines, expected[i].lines);
        }
    }

    // Where each record stands in the file, so that it can be found again to be replaced.
    void tellsEachRecordsBytesAndLineNumbers() {
        const QByteArray first = lines({Begin, Started, Stopped, End});
        const QByteArray log = first + "\r\n\r\n" + lines({Begin, Started}) + Begin;
        QList<qsizetype> starts, ends, numbers;
        LogRecordReader::read(log, [&](const LogRecord& r) {
            starts.append(r.start);
            ends.append(r.end);
            numbers.append(r.firstLineNumber);
        });
        const qsizetype second = first.size() + 4;
        QCOMPARE(starts, (QList<qsizetype>{0, second, log.size() - Begin.size()}));
        QCOMPARE(ends, (QList<qsizetype>{first.size(), log.size() - Begin.size(), log.size()}));
        QCOMPARE(numbers, (QList<qsizetype>{1, 7, 9}));
    }

    void picksTheStartedStoppedAndTotalLines() {
        const QByteArray log =
            lines({Begin, Started, "6/3 [Started] B", Stopped, "6/3 [Stopped] B", Total, End});
        int visits = 0;
        LogRecordReader::read(log, [&](const LogRecord& r) {
            ++visits;
            QCOMPARE(r.started()->line.text.toByteArray(), QByteArray("A"));
            QCOMPARE(r.stopped()->line.text.toByteArray(), QByteArray("B"));
            QCOMPARE(r.total()->number, 6);
        });
        QCOMPARE(visits, 1);
    }
};

QTEST_GUILESS_MAIN(TestLogRecordReader)
#include "tst_logrecordreader.moc"
