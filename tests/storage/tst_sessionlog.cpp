#include "storage/logwriter.h"
#include "storage/sessionlog.h"

#include <QtTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSessionLog : public QObject {
    Q_OBJECT
private slots:
    void writesAWholeRecordWithCrLfEverywhere() {
        QTemporaryDir dir;
        const QString log = dir.filePath(u"Tasks.txt"_qs);
        const QString start = u"6/3/2008 9:00:05 AM"_qs;
        PendingLog pending;
        pending.append(sessionlog::startLines(start, u"Website redesign"_qs));
        pending.append(sessionlog::startingCommentLine(start, u"Reviewing the mock-ups"_qs));
        QVERIFY(FlushLog(pending, log).ok());
        QVERIFY(pending.isEmpty());
        pending.append(sessionlog::noteLine(u"6/3/2008 9:30:06 AM"_qs,
                                            u"Call with the client\nabout colours"_qs));
        QVERIFY(FlushLog(pending, log).ok());
        pending.append(sessionlog::stopLines(u"6/3/2008 10:15:40 AM"_qs, u"Website redesign"_qs,
                                             u"0d 1h 15m 35s"_qs));
        QVERIFY(FlushLog(pending, log).ok());

        QCOMPARE(readAll(log), QByteArray("<!--  BEGIN SESSION //-->\r\n"
                                          "6/3/2008 9:00:05 AM [Started] Website redesign\r\n"
                                          "6/3/2008 9:00:05 AM [Starting Comments] Reviewing "
                                          "the mock-ups\r\n"
                                          "6/3/2008 9:30:06 AM [Notes] Call with the client\r\n"
                                          "about colours\r\n"
                                          "6/3/2008 10:15:40 AM [Stopped] Website redesign\r\n"
                                          "[Total Time] 0d 1h 15m 35s\r\n"
                                          "<!--  END SESSION  -->\r\n"
                                          "\r\n"
                                          "\r\n"));
    }

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
        QCOMPARE(sessionlog::noteLine(u"S"_qs, note), line);
    }

    void failedAppendNamesTheFileAndKeepsTheLines_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("path is a folder") << u"folder"_qs;
        QTest::newRow("folder missing") << u"missing/Tasks.txt"_qs;
        QTest::newRow("disk full") << u"/dev/full"_qs;
    }
    void failedAppendNamesTheFileAndKeepsTheLines() {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_qs));
        const QString path = target.startsWith(u'/') ? target : dir.filePath(target);

        PendingLog pending;
        pending.append(u"first"_qs);
        const FileResult failed = FlushLog(pending, path);
        QVERIFY(!failed.ok());
        QCOMPARE(failed.path(), path);
        QVERIFY(!failed.reason().isEmpty());
        QVERIFY(failed.message().contains(path));
        QCOMPARE(pending.unwritten(), u"first\r\n"_qs);

        // Once the log can be written, the kept lines go out first, in order.
        const QString good = dir.filePath(u"Tasks.txt"_qs);
        pending.append(u"second"_qs);
        QVERIFY(FlushLog(pending, good).ok());
        QVERIFY(pending.isEmpty());
        QCOMPARE(readAll(good), QByteArray("first\r\nsecond\r\n"));
    }

    // A file that ends in a line end of any kind needs no other before what is appended.
    void appendStartsALineOnlyWhereNoneEnded_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("crlf") << QByteArray("old\r\n") << QByteArray("old\r\nnew\r\n");
        QTest::newRow("lf") << QByteArray("old\n") << QByteArray("old\nnew\r\n");
        QTest::newRow("cr") << QByteArray("old\r") << QByteArray("old\rnew\r\n");
        QTest::newRow("none") << QByteArray("old") << QByteArray("old\r\nnew\r\n");
    }
    void appendStartsALineOnlyWhereNoneEnded() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tasks.txt"_qs);
        QFile seed(path);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write(before);
        seed.close();
        QVERIFY(appendText(path, u"new\r\n"_qs).ok());
        QCOMPARE(readAll(path), after);
    }

    void appendsNeverTruncateWhatIsThere() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tasks.txt"_qs);
        QFile seed(path);
        QVERIFY(seed.open(QIODevice::WriteOnly));
        seed.write("old\r\n");
        seed.close();
        QVERIFY(appendText(path, u"\u20ac new\r\n"_qs).ok());
        QCOMPARE(readAll(path), QByteArray("old\r\n\x80 new\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSessionLog)
#include "tst_sessionlog.moc"
