#include "reports/daterange.h"

#include <QtTest>

using Choice = DateRange::Choice;

class TestDateRange : public QObject {
    Q_OBJECT
private slots:
    void spansWholeWeeksAndMonths_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        // 2024-01-01 is a Monday, 2024-01-07 a Sunday.
        QTest::newRow("this week on its Monday")
            << int(Choice::ThisWeek) << QDate(2024, 1, 1) << QDate(2024, 1, 1) << QDate(2024, 1, 7);
        QTest::newRow("this week on its Sunday")
            << int(Choice::ThisWeek) << QDate(2024, 1, 7) << QDate(2024, 1, 1) << QDate(2024, 1, 7);
        QTest::newRow("last week, across the new year")
            << int(Choice::LastWeek) << QDate(2024, 1, 3) << QDate(2023, 12, 25)
            << QDate(2023, 12, 31);
        QTest::newRow("this month in a leap February")
            << int(Choice::ThisMonth) << QDate(2024, 2, 29) << QDate(2024, 2, 1)
            << QDate(2024, 2, 29);
        QTest::newRow("last month from January") << int(Choice::LastMonth) << QDate(2024, 1, 31)
                                                 << QDate(2023, 12, 1) << QDate(2023, 12, 31);
        QTest::newRow("last month from March 31") << int(Choice::LastMonth) << QDate(2024, 3, 31)
                                                  << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("everything has no limits")
            << int(Choice::Everything) << QDate(2024, 1, 3) << QDate() << QDate();
        QTest::newRow("chosen dates are the user's")
            << int(Choice::Chosen) << QDate(2024, 1, 3) << QDate() << QDate();
    }
    void spansWholeWeeksAndMonths() {
        QFETCH(int, choice);
        QFETCH(QDate, today);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const DateRange range = DateRange::of(Choice(choice), today);
        QCOMPARE(range.from, from);
        QCOMPARE(range.to, to);
    }
};

QTEST_GUILESS_MAIN(TestDateRange)
#include "tst_daterange.moc"
