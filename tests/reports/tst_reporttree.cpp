#include "reports/reporttree.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString Begin = QStringLiteral("<!--  BEGIN SESSION //-->");
const QString End = QStringLiteral("<!--  END SESSION  -->");

// A closed record as the main window writes it, with its two empty lines.
QStringList record(const QString& project, const QStringList& middle = {}) {
    QStringList lines{Begin, QStringLiteral("6/3/2008 9:00:05 AM [Started] ") + project};
    lines += middle;
    lines += {QStringLiteral("6/3/2008 10:15:40 AM [Stopped] ") + project,
              QStringLiteral("[Total Time] 0d 1h 15m 35s"), End, QString(), QString()};
    return lines;
}

QString crlf(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

// "I1|Session #1- Alpha" for a session node, "SI0|<line>" for each of its lines.
QStringList dump(const ReportTree& tree) {
    QStringList out;
    for (qsizetype s = 0; s < tree.sessionCount(); ++s) {
        out += tree.sessionKey(s) + u'|' + tree.sessionText(s);
        for (qsizetype i = 0; i < tree.lineCount(s); ++i) {
            const qsizetype line = tree.firstLine(s) + i;
            const QString parent =
                tree.sessionOfLine(line) == s ? QString() : QStringLiteral(" (!)");
            out += tree.lineKey(line) + u'|' + tree.lineText(line) + parent;
        }
    }
    return out;
}

QStringList dump(const QString& text) {
    return dump(ReportTree::fromText(text));
}

// The report as the window's first design built it: the text with two empty lines in front,
// split into blocks at every empty line, blocks 1 to the next-to-last shown. Only right for
// logs of the shape the main window writes; used to check that such logs read the same.
QStringList blockSplitReport(const QString& text) {
    const QStringList blocks =
        (QStringLiteral("\r\n\r\n") + text).split(QStringLiteral("\r\n\r\n"));
    QStringList out;
    int counter = 0;
    for (qsizetype n = 1; n < blocks.size() - 1; ++n) {
        const QStringList lines = blocks[n].split(QStringLiteral("\r\n"));
        const QString header = lines.value(n == 1 ? 1 : 2);
        const QString project = header.split(QStringLiteral("[Started]")).value(1);
        out += u'I' + QString::number(n) + QStringLiteral("|Session #") + QString::number(n) +
               u'-' + project;
        for (qsizetype t = n == 1 ? 1 : 2; t < lines.size() - 1; ++t)
            out += QStringLiteral("SI") + QString::number(counter++) + u'|' + lines[t];
    }
    return out;
}

QString randomWords(QRandomGenerator& random) {
    static const QStringList words = {QStringLiteral("call"),     QStringLiteral("[Started]"),
                                      QStringLiteral("Grüße"),    QStringLiteral("€5"),
                                      QStringLiteral("mock-ups"), QStringLiteral("  ")};
    QString text;
    for (int i = random.bounded(1, 5); i > 0; --i)
        text += words[random.bounded(words.size())] + u' ';
    return text;
}

} // namespace

class TestReportTree : public QObject {
    Q_OBJECT
private slots:
    void logsOfTheUsualShape_data();
    void logsOfTheUsualShape();
    void departuresFromTheUsualShape_data();
    void departuresFromTheUsualShape();
    void lineEndsOfEveryKindReadAlike();
    void wellFormedLogsReadAsTheBlockSplitDid();
    void everyLoggedLineAppearsOnceExceptTheRunningRecord();
    void countersGoPastSixteenBits();
};

void TestReportTree::logsOfTheUsualShape_data() {
    QTest::addColumn<QString>("log");
    QTest::addColumn<QStringList>("tree");

    const QString started = QStringLiteral("6/3/2008 9:00:05 AM [Started] ");
    const QString stopped = QStringLiteral("6/3/2008 10:15:40 AM [Stopped] ");
    const QString comment = QStringLiteral("6/3/2008 9:00:05 AM [Starting Comments] Mock-ups");
    const QString note = QStringLiteral("6/3/2008 9:30:06 AM [Notes] Call the client");
    const QString total = QStringLiteral("[Total Time] 0d 1h 15m 35s");
    const QStringList alpha = record(QStringLiteral("Alpha"), {comment, note});
    const QStringList alphaTree = {QStringLiteral("I1|Session #1- Alpha"),
                                   QStringLiteral("SI0|") + started + QStringLiteral("Alpha"),
                                   QStringLiteral("SI1|") + comment,
                                   QStringLiteral("SI2|") + note,
                                   QStringLiteral("SI3|") + stopped + QStringLiteral("Alpha"),
                                   QStringLiteral("SI4|") + total};

    QTest::newRow("empty log") << QString() << QStringList();
    QTest::newRow("one session with a comment and a note") << crlf(alpha) << alphaTree;
    QTest::newRow("a second session continues the keys")
        << crlf(alpha + record(QStringLiteral("Beta")))
        << alphaTree + QStringList{QStringLiteral("I2|Session #2- Beta"),
                                   QStringLiteral("SI5|") + started + QStringLiteral("Beta"),
                                   QStringLiteral("SI6|") + stopped + QStringLiteral("Beta"),
                                   QStringLiteral("SI7|") + total};
    QTest::newRow("a running session stays out")
        << crlf(alpha + QStringList{Begin, started + QStringLiteral("Beta"), note}) << alphaTree;
    QTest::newRow("a project named with [Started] in it")
        << crlf(record(QStringLiteral("A [Started] B")))
        << QStringList{QStringLiteral("I1|Session #1- A "),
                       QStringLiteral("SI0|") + started + QStringLiteral("A [Started] B"),
                       QStringLiteral("SI1|") + stopped + QStringLiteral("A [Started] B"),
                       QStringLiteral("SI2|") + total};
    QTest::newRow("a note over several lines")
        << crlf(record(QStringLiteral("Alpha"),
                       {note, QStringLiteral("second line"), QStringLiteral("third line")}))
        << QStringList{QStringLiteral("I1|Session #1- Alpha"),
                       QStringLiteral("SI0|") + started + QStringLiteral("Alpha"),
                       QStringLiteral("SI1|") + note,
                       QStringLiteral("SI2|second line"),
                       QStringLiteral("SI3|third line"),
                       QStringLiteral("SI4|") + stopped + QStringLiteral("Alpha"),
                       QStringLiteral("SI5|") + total};
}

void TestReportTree::logsOfTheUsualShape() {
    QFETCH(QString, log);
    QFETCH(QStringList, tree);
    QCOMPARE(dump(log), tree);
    QCOMPARE(dump(log), blockSplitReport(log));
}

void TestReportTree::departuresFromTheUsualShape_data() {
    QTest::addColumn<QString>("log");
    QTest::addColumn<QStringList>("tree");

    const QString note = QStringLiteral("6/3/2008 9:30:06 AM [Notes] Late note");
    const QStringList alpha = record(QStringLiteral("Alpha"));
    const QStringList beta = record(QStringLiteral("Beta"));
    const auto session = [](int n, const QString& project, int firstKey, const QStringList& extra,
                            bool stopLines = true) {
        QStringList out{QStringLiteral("I%1|Session #%1- %2").arg(n).arg(project)};
        QStringList lines{QStringLiteral("6/3/2008 9:00:05 AM [Started] ") + project};
        lines += extra;
        if (stopLines) {
            lines += {QStringLiteral("6/3/2008 10:15:40 AM [Stopped] ") + project,
                      QStringLiteral("[Total Time] 0d 1h 15m 35s")};
        }
        for (const QString& line : lines)
            out += QStringLiteral("SI%1|").arg(firstKey++) + line;
        return out;
    };

    QTest::newRow("a cleared log used again")
        << QStringLiteral("\r\n") + crlf(alpha + beta)
        << session(1, QStringLiteral("Alpha"), 0, {}) + session(2, QStringLiteral("Beta"), 3, {});
    QTest::newRow("a note holding an empty line")
        << crlf(record(QStringLiteral("Alpha"), {note, QString(), QStringLiteral("after")}) + beta)
        << session(1, QStringLiteral("Alpha"), 0, {note, QStringLiteral("after")}) +
               session(2, QStringLiteral("Beta"), 5, {});
    // The two empty lines of the record are followed directly by the note.
    const QStringList lateNote = alpha + QStringList{note};
    QTest::newRow("a note saved after its session stopped")
        << crlf(lateNote + beta)
        << QStringList{session(1, QStringLiteral("Alpha"), 0, {}) +
                       QStringList{QStringLiteral("SI3|") + note} +
                       session(2, QStringLiteral("Beta"), 4, {})};
    QTest::newRow("a late note at the end of the log")
        << crlf(lateNote)
        << QStringList{session(1, QStringLiteral("Alpha"), 0, {}) +
                       QStringList{QStringLiteral("SI3|") + note}};
    QTest::newRow("a record cut short by a killed process")
        << crlf(QStringList{Begin, QStringLiteral("6/3/2008 9:00:05 AM [Started] Alpha"), note} +
                beta)
        << session(1, QStringLiteral("Alpha"), 0, {note}, false) +
               session(2, QStringLiteral("Beta"), 2, {});
    QTest::newRow("stop lines of a session running while the log was cleared")
        << QStringLiteral("\r\n") + crlf(alpha.mid(2) + beta)
        << QStringList{QStringLiteral("I1|Session #1- Alpha"),
                       QStringLiteral("SI0|6/3/2008 10:15:40 AM [Stopped] Alpha"),
                       QStringLiteral("SI1|[Total Time] 0d 1h 15m 35s")} +
               session(2, QStringLiteral("Beta"), 2, {});
    QTest::newRow("a note in front of a running session")
        << QStringLiteral("\r\n") + crlf({note, Begin, QStringLiteral("x [Started] Beta")})
        << QStringList{QStringLiteral("I1|Session #1-"), QStringLiteral("SI0|") + note};
}

void TestReportTree::departuresFromTheUsualShape() {
    QFETCH(QString, log);
    QFETCH(QStringList, tree);
    QCOMPARE(dump(log), tree);
}

void TestReportTree::lineEndsOfEveryKindReadAlike() {
    const QStringList lines =
        record(QStringLiteral("Alpha"), {QStringLiteral("x [Notes] one"), QStringLiteral("two")}) +
        QStringList{Begin, QStringLiteral("x [Started] Running")};
    const QString crlfText = crlf(lines);
    QString lfText = crlfText;
    lfText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString crText = crlfText;
    crText.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    QString noFinalLineEnd = crlfText;
    noFinalLineEnd.chop(2);

    const QStringList expected = dump(crlfText);
    QCOMPARE(expected.size(), 6);
    QCOMPARE(dump(lfText), expected);
    QCOMPARE(dump(crText), expected);
    QCOMPARE(dump(noFinalLineEnd), expected);
}

void TestReportTree::wellFormedLogsReadAsTheBlockSplitDid() {
    QRandomGenerator random(42);
    for (int round = 0; round < 300; ++round) {
        QStringList lines;
        for (int s = random.bounded(6); s > 0; --s) {
            QStringList middle;
            for (int m = random.bounded(4); m > 0; --m)
                middle += QStringLiteral("t [Notes] ") + randomWords(random);
            lines += record(randomWords(random), middle);
        }
        if (random.bounded(2))
            lines += {Begin, QStringLiteral("t [Started] ") + randomWords(random)};
        const QString text = crlf(lines);
        QCOMPARE(dump(text), blockSplitReport(text));
    }
}

void TestReportTree::everyLoggedLineAppearsOnceExceptTheRunningRecord() {
    const QStringList kinds = {Begin,
                               End,
                               QString(),
                               QStringLiteral("t [Started] P"),
                               QStringLiteral("t [Stopped] P"),
                               QStringLiteral("t [Notes] n"),
                               QStringLiteral("loose")};
    QRandomGenerator random(7);
    for (int round = 0; round < 500; ++round) {
        QStringList lines;
        for (int i = random.bounded(30); i > 0; --i) {
            const qsizetype kind = random.bounded(kinds.size());
            // Numbered, so that a line shown twice or in the wrong place is noticed.
            lines += kind < 3 ? kinds[kind] : kinds[kind] + QString::number(i);
        }
        QStringList expected;
        const qsizetype lastBegin = lines.lastIndexOf(Begin);
        const bool running = lastBegin >= 0 && lines.indexOf(End, lastBegin) < 0;
        for (qsizetype i = 0; i < (running ? lastBegin : lines.size()); ++i) {
            if (!lines[i].isEmpty() && lines[i] != Begin && lines[i] != End)
                expected += lines[i];
        }
        const ReportTree tree = ReportTree::fromText(crlf(lines));
        QStringList shown;
        qsizetype counted = 0;
        for (qsizetype s = 0; s < tree.sessionCount(); ++s) {
            counted += tree.lineCount(s);
            for (qsizetype i = 0; i < tree.lineCount(s); ++i)
                shown += tree.lineText(tree.firstLine(s) + i);
        }
        QCOMPARE(counted, tree.lineCount());
        QCOMPARE(shown, expected);
    }
}

void TestReportTree::countersGoPastSixteenBits() {
    QString text;
    for (int i = 0; i < 33000; ++i)
        text += crlf(record(QStringLiteral("P")));
    const ReportTree tree = ReportTree::fromText(text);
    QCOMPARE(tree.sessionCount(), 33000);
    QCOMPARE(tree.sessionKey(32999), QStringLiteral("I33000"));
    QCOMPARE(tree.sessionText(32999), QStringLiteral("Session #33000- P"));
    QCOMPARE(tree.lineKey(tree.lineCount() - 1), QStringLiteral("SI98999"));
    QCOMPARE(tree.sessionOfLine(98999), 32999);
}

QTEST_GUILESS_MAIN(TestReportTree)
#include "tst_reporttree.moc"
