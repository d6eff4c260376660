#include "storage/elapsed.h"

#include <QtTest>

class TestElapsed : public QObject {
    Q_OBJECT
private slots:
    void showsTheSpanWithEveryField_data() {
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QString>("shown");
        // In UTC, so that every day has 24 hours wherever the tests run; the spans across a
        // change of summer time are the clock's business.
        const QDate day(2008, 6, 3);
        const auto at = [](QDate date, QTime time) { return QDateTime(date, time, Qt::UTC); };
        QTest::newRow("no span") << at(day, QTime(9, 0, 5)) << u"0d 0h 0m 0s"_qs;
        QTest::newRow("seconds") << at(day, QTime(9, 0, 10)) << u"0d 0h 0m 5s"_qs;
        QTest::newRow("hours minutes seconds") << at(day, QTime(10, 15, 40)) << u"0d 1h 15m 35s"_qs;
        QTest::newRow("next day") << at(day.addDays(1), QTime(9, 0, 6)) << u"1d 0h 0m 1s"_qs;
        QTest::newRow("clock set back") << at(day, QTime(8, 55, 2)) << u"0d 0h -5m -3s"_qs;
        QTest::newRow("eight days") << at(day.addDays(8), QTime(9, 0, 5)) << u"8d 0h 0m 0s"_qs;
        QTest::newRow("a week back") << at(day.addDays(-8), QTime(9, 0, 4)) << u"-8d 0h 0m -1s"_qs;
        QTest::newRow("seventy years")
            << at(day.addYears(70), QTime(9, 0, 5)) << u"25567d 0h 0m 0s"_qs;
        QTest::newRow("no end") << QDateTime() << u"0d 0h 0m 0s"_qs;
    }
    void showsTheSpanWithEveryField() {
        QFETCH(QDateTime, end);
        QFETCH(QString, shown);
        const QDateTime start(QDate(2008, 6, 3), QTime(9, 0, 5), Qt::UTC);
        QCOMPARE(elapsed::text(start, end), shown);
    }

    // What the totals take from a log's "[Total Time]", written by the program or by hand.
    void readsATotalBackAsSeconds_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<qint64>("seconds"); // -1: no time
        QTest::newRow("as written") << QByteArray("0d 1h 15m 35s") << qint64(4535);
        QTest::newRow("days") << QByteArray("2d 0h 0m 1s") << qint64(172801);
        QTest::newRow("parts left out") << QByteArray("  1h  5s") << qint64(3605);
        QTest::newRow("weeks add to days") << QByteArray("1w 1d") << qint64(8 * 86400);
        QTest::newRow("later unit wins") << QByteArray("1h 2h") << qint64(7200);
        QTest::newRow("not available") << QByteArray("N/A") << qint64(-1);
        QTest::newRow("empty") << QByteArray("") << qint64(-1);
        QTest::newRow("junk part") << QByteArray("1h x 7s") << qint64(-1);
        QTest::newRow("unit alone") << QByteArray("h s") << qint64(-1);
        QTest::newRow("negative total") << QByteArray("0d 0h -5m -3s") << qint64(-1);
    }
    void readsATotalBackAsSeconds() {
        QFETCH(QByteArray, text);
        QFETCH(qint64, seconds);
        QCOMPARE(elapsed::seconds(text).value_or(-1), seconds);
    }
};

QTEST_GUILESS_MAIN(TestElapsed)
#include "tst_elapsed.moc"
