#include "storage/logtail.h"
#include "tests/support/files.h"

#include <QtTest>

namespace {

QByteArray record(int i, const QByteArray& lineEnd = "\r\n") {
    const QByteArray n = QByteArray::number(i);
    return "<!--  BEGIN SESSION //-->" + lineEnd + "1/1/2024 9:00:00 AM [Started] P" + n + lineEnd +
           "1/1/2024 9:00:00 AM [Starting Comments] c" + n + lineEnd +
           "1/1/2024 10:00:00 AM [Stopped] P" + n + lineEnd + "[Total Time] 0d 1h 0m 0s" + lineEnd +
           "<!--  END SESSION  -->" + lineEnd + lineEnd + lineEnd;
}

QByteArray records(int count, const QByteArray& lineEnd = "\r\n") {
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += record(i, lineEnd);
    return out;
}

} // namespace

class TestLogTail : public QObject {
    Q_OBJECT
private slots:
    // Read from the end of a log larger than any first look at it, as the whole file would read.
    void findsTheLastRecordFromTheEnd_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("stopped") << records(500) << u"P500"_qs << u"c500"_qs << true;
        QTest::newRow("running")
            << records(500) + "<!--  BEGIN SESSION //-->\r\n1/2/2024 8:00:00 AM [Started] Now\r\n"
            << u"Now"_qs << QString() << false;
        QTest::newRow("a note after the stop")
            << records(500) + "1/1/2024 11:00:00 AM [Notes] late\r\n"
            << u"P500"_qs << u"c500"_qs << true;
        QTest::newRow("CR only") << records(500, "\r") << u"P500"_qs << u"c500"_qs << true;
        QTest::newRow("a last record longer than the first look")
            << records(3) + "<!--  BEGIN SESSION //-->\r\n1/2/2024 8:00:00 AM [Started] Long\r\n" +
                   "1/2/2024 8:00:00 AM [Notes] " + QByteArray(100000, 'n') + "\r\n"
            << u"Long"_qs << QString() << false;
        QTest::newRow("UTF-8") << "\xEF\xBB\xBF" + record(1).replace("P1", "Caf\xC3\xA9")
                               << u"Café"_qs << u"c1"_qs << true;
    }
    void findsTheLastRecordFromTheEnd() {
        QFETCH(QByteArray, log);
        QFETCH(QString, project);
        QFETCH(QString, comment);
        QFETCH(bool, stopped);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tasks.txt"_qs);
        QVERIFY(writeBytes(path, log));
        const LogTail tail = LogTail::read(path);
        QVERIFY(tail.result.ok());
        QVERIFY(tail.last);
        QCOMPARE(tail.last->project, project);
        QCOMPARE(tail.last->startingComment, comment);
        QCOMPARE(!tail.last->stopStamp.isEmpty(), stopped);
        QCOMPARE(tail.last->shape == LogRecord::Shape::Open, !stopped);
    }

    void anEmptyOrMissingLogHasNoRecord() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tasks.txt"_qs);
        QVERIFY(!LogTail::read(path).last);
        QVERIFY(writeBytes(path, "\r\n"));
        QVERIFY(!LogTail::read(path).last);
        QVERIFY(!LogTail::read(dir.path()).result.ok());
    }
};

QTEST_GUILESS_MAIN(TestLogTail)
#include "tst_logtail.moc"
