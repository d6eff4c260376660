#include "storage/elapsed.h"

#include <QtTest>

class TestElapsed : public QObject {
    Q_OBJECT
private slots:
    void formatsSpansAndShowsAllFields_data() {
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QString>("formatted");
        QTest::addColumn<QString>("shown");
        // In UTC, so that every day has 24 hours wherever the tests run; the spans across a
        // change of summer time are the clock's business.
        const QDate day(2008, 6, 3);
        const auto at = [](QDate date, QTime time) { return QDateTime(date, time, Qt::UTC); };
        QTest::newRow("no span") << at(day, QTime(9, 0, 5)) << QString() << u"0d 0h 0m 0s"_qs;
        QTest::newRow("lone part keeps its space")
            << at(day, QTime(9, 0, 10)) << u" 5s"_qs << u"0d 0h 0m 5s"_qs;
        QTest::newRow("hours minutes seconds")
            << at(day, QTime(10, 15, 40)) << u"1h 15m 35s"_qs << u"0d 1h 15m 35s"_qs;
        QTest::newRow("next day") << at(day.addDays(1), QTime(9, 0, 6)) << u"1d 1s"_qs
                                  << u"1d 0h 0m 1s"_qs;
        QTest::newRow("clock set back")
            << at(day, QTime(8, 55, 2)) << u"-5m -3s"_qs << u"0d 0h -5m -3s"_qs;
        QTest::newRow("a week folds into the days")
            << at(day.addDays(7), QTime(9, 0, 5)) << u" 1w"_qs << u"7d 0h 0m 0s"_qs;
        QTest::newRow("eight days")
            << at(day.addDays(8), QTime(9, 0, 5)) << u"1w 1d"_qs << u"8d 0h 0m 0s"_qs;
        QTest::newRow("weeks and everything")
            << at(day.addDays(23), QTime(10, 1, 6)) << u"3w 2d 1h 1m 1s"_qs << u"23d 1h 1m 1s"_qs;
        QTest::newRow("negative weeks")
            << at(day.addDays(-8), QTime(9, 0, 4)) << u"-1w -1d -1s"_qs << u"-8d 0h 0m -1s"_qs;
        QTest::newRow("seventy years")
            << at(day.addYears(70), QTime(9, 0, 5)) << u"3652w 3d"_qs << u"25567d 0h 0m 0s"_qs;
    }
    void formatsSpansAndShowsAllFields() {
        QFETCH(QDateTime, end);
        QFETCH(QString, formatted);
        QFETCH(QString, shown);
        const QDateTime start(QDate(2008, 6, 3), QTime(9, 0, 5), Qt::UTC);
        const QString result = elapsed::FormatElapsed(start, end);
        QCOMPARE(result, formatted);
        QCOMPARE(elapsed::text(elapsed::readParts(result)), shown);
    }

    void readsPartsInAnyOrderAndSkipsJunk() {
        QCOMPARE(elapsed::text(elapsed::readParts(u"  2h  x 7s 3m"_qs)), u"0d 2h 3m 7s"_qs);
        QCOMPARE(elapsed::text(elapsed::readParts(u"h s"_qs)), u"0d 0h 0m 0s"_qs);
    }
};

QTEST_GUILESS_MAIN(TestElapsed)
#include "tst_elapsed.moc"
