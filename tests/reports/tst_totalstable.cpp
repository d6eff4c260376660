#include "reports/totalstable.h"
#include "tests/support/sessionlogtext.h"

#include <QtTest>

using namespace sessionlogtext;
using Grouping = TotalsQuery::Grouping;

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

// "2023-W52|Alpha|4500|1|0": period, project, seconds, sessions, incomplete.
QStringList dump(const TotalsTable& table) {
    QStringList out;
    for (const TotalsRow& row : table.rows()) {
        QStringList cells;
        if (table.byPeriod())
            cells << table.periodLabel(row);
        cells << row.project << QString::number(row.seconds) << QString::number(row.sessions)
              << QString::number(row.incomplete);
        out += cells.join(u'|');
    }
    return out;
}

QString total(qint64 seconds) {
    return u"0d 0h 0m %1s"_qs.arg(seconds);
}

// Sessions on both sides of a Sunday midnight that ends a week, a month and a year, and of the
// last day of November:
//   Thu 2023-11-30  Alpha 600 s
//   Fri 2023-12-01  Alpha 60 s, Beta 120 s
//   Sun 2023-12-31  Beta 23:30 to 00:45 the next day, N/A: 4500 s on Sunday
//   Mon 2024-01-01  Alpha 30 s, Gamma still running
QByteArray boundaryLog() {
    return bytes(
        record(u"Alpha"_qs, u"11/30/2023 11:50:00 PM"_qs, u"12/1/2023 12:00:00 AM"_qs, total(600)) +
        record(u"Alpha"_qs, u"12/1/2023 8:00:00 AM"_qs, u"12/1/2023 8:01:00 AM"_qs, total(60)) +
        record(u"Beta"_qs, u"12/1/2023 9:00:00 AM"_qs, u"12/1/2023 9:02:00 AM"_qs, total(120)) +
        record(u"Beta"_qs, u"12/31/2023 11:30:00 PM"_qs, u"1/1/2024 12:45:00 AM"_qs, u"N/A"_qs) +
        record(u"Alpha"_qs, u"1/1/2024"_qs, u"1/1/2024 12:00:30 AM"_qs, total(30)) +
        running(u"Gamma"_qs, u"1/1/2024 9:00:00 AM"_qs));
}

TotalsTable table(const QByteArray& log, const TotalsQuery& query) {
    return TotalsTable::build(LoggedSessions::read(log, UnitedStates), query);
}

} // namespace

class TestTotalsTable : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_zone = std::make_unique<LocalZone>("UTC0"); }
    void cleanupTestCase() { m_zone.reset(); }

    void groupsByPeriod_data() {
        QTest::addColumn<int>("grouping");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("project, longest first")
            << int(Grouping::Project)
            << QStringList{u"Beta|4620|2|0"_qs, u"Alpha|690|3|0"_qs, u"Gamma|0|0|1"_qs};
        QTest::newRow("day: a session counts on the day it started")
            << int(Grouping::Day)
            << QStringList{u"2023-11-30|Alpha|600|1|0"_qs, u"2023-12-01|Beta|120|1|0"_qs,
                           u"2023-12-01|Alpha|60|1|0"_qs,  u"2023-12-31|Beta|4500|1|0"_qs,
                           u"2024-01-01|Alpha|30|1|0"_qs,  u"2024-01-01|Gamma|0|0|1"_qs};
        QTest::newRow("ISO week: Monday starts the week and its year")
            << int(Grouping::Week)
            << QStringList{u"2023-W48|Alpha|660|2|0"_qs, u"2023-W48|Beta|120|1|0"_qs,
                           u"2023-W52|Beta|4500|1|0"_qs, u"2024-W01|Alpha|30|1|0"_qs,
                           u"2024-W01|Gamma|0|0|1"_qs};
        QTest::newRow("month") << int(Grouping::Month)
                               << QStringList{
                                      u"2023-11|Alpha|600|1|0"_qs, u"2023-12|Beta|4620|2|0"_qs,
                                      u"2023-12|Alpha|60|1|0"_qs, u"2024-01|Alpha|30|1|0"_qs,
                                      u"2024-01|Gamma|0|0|1"_qs};
    }
    void groupsByPeriod() {
        QFETCH(int, grouping);
        QFETCH(QStringList, rows);
        TotalsQuery query;
        query.grouping = Grouping(grouping);
        const TotalsTable totals = table(boundaryLog(), query);
        QCOMPARE(dump(totals), rows);
        QCOMPARE(totals.totalSeconds(), qint64(600 + 60 + 120 + 4500 + 30));
        QCOMPARE(totals.totalSessions(), qsizetype(5));
        QCOMPARE(totals.incomplete().size(), size_t(1));
        QCOMPARE(totals.incomplete().front().project, u"Gamma"_qs);
        QCOMPARE(totals.incomplete().front().time, QTime(9, 0));
    }

    void labelsPeriodsWithTheirDays() {
        TotalsQuery query;
        query.grouping = Grouping::Week;
        const TotalsTable weeks = table(boundaryLog(), query);
        QCOMPARE(weeks.rows().front().first, QDate(2023, 11, 27));
        QCOMPARE(weeks.rows().front().last, QDate(2023, 12, 3));
        query.grouping = Grouping::Month;
        const TotalsTable months = table(boundaryLog(), query);
        QCOMPARE(months.rows().front().first, QDate(2023, 11, 1));
        QCOMPARE(months.rows().front().last, QDate(2023, 11, 30));
        // The first days of 2021 belong to the last ISO week of 2020.
        query.grouping = Grouping::Week;
        const TotalsTable early = table(bytes(record(u"Alpha"_qs, u"1/3/2021 9:00:00 AM"_qs,
                                                     u"1/3/2021 9:00:01 AM"_qs, total(1))),
                                        query);
        QCOMPARE(dump(early), QStringList{u"2020-W53|Alpha|1|1|0"_qs});
    }

    void filtersByDatesAndProject_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("project");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("from is inclusive")
            << QDate(2023, 12, 31) << QDate() << QString()
            << QStringList{u"Beta|4500|1|0"_qs, u"Alpha|30|1|0"_qs, u"Gamma|0|0|1"_qs};
        QTest::newRow("to is inclusive, by the start day")
            << QDate() << QDate(2023, 12, 31) << QString()
            << QStringList{u"Beta|4620|2|0"_qs, u"Alpha|660|2|0"_qs};
        QTest::newRow("one day") << QDate(2023, 11, 30) << QDate(2023, 11, 30) << QString()
                                 << QStringList{u"Alpha|600|1|0"_qs};
        QTest::newRow("one project")
            << QDate() << QDate() << u"Alpha"_qs << QStringList{u"Alpha|690|3|0"_qs};
        QTest::newRow("the name must match in case")
            << QDate() << QDate() << u"alpha"_qs << QStringList();
        QTest::newRow("the name must match in spaces")
            << QDate() << QDate() << u"Alpha "_qs << QStringList();
    }
    void filtersByDatesAndProject() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, project);
        QFETCH(QStringList, rows);
        TotalsQuery query;
        query.from = from;
        query.to = to;
        if (!project.isNull())
            query.project = project;
        QCOMPARE(dump(table(boundaryLog(), query)), rows);
    }

    void keepsUndatedTimeApart() {
        const QByteArray log = bytes(
            record(u"Alpha"_qs, u"03.06.2008 09:00:05"_qs, u"03.06.2008 10:00:05"_qs,
                   u"0d 1h 0m 0s"_qs) +
            record(u"Alpha"_qs, u"6/3/2008 9:00:00 AM"_qs, u"6/3/2008 9:00:10 AM"_qs, total(10)) +
            running(u"Beta"_qs, u"03.06.2008 11:00:00"_qs));
        TotalsQuery query;
        QCOMPARE(dump(table(log, query)), (QStringList{u"Alpha|3610|2|0"_qs, u"Beta|0|0|1"_qs}));

        query.grouping = Grouping::Day;
        QCOMPARE(dump(table(log, query)),
                 (QStringList{u"2008-06-03|Alpha|10|1|0"_qs, u"undated|Alpha|3600|1|0"_qs,
                              u"undated|Beta|0|0|1"_qs}));

        query.from = QDate(2008, 1, 1);
        const TotalsTable limited = table(log, query);
        QCOMPARE(dump(limited), QStringList{u"2008-06-03|Alpha|10|1|0"_qs});
        QCOMPARE(limited.undatedLeftOut().size(), size_t(2));
        QCOMPARE(limited.undatedLeftOut().back().lineNumber, qsizetype(16));
        QCOMPARE(limited.undatedLeftOut().back().stampText, u"03.06.2008 11:00:00"_qs);
    }

    void breaksTiesByName() {
        const QByteArray log = bytes(
            record(u"Beta"_qs, u"6/3/2008 9:00:00 AM"_qs, u"6/3/2008 9:01:00 AM"_qs, total(60)) +
            record(u"Alpha"_qs, u"6/3/2008 9:00:00 AM"_qs, u"6/3/2008 9:01:00 AM"_qs, total(60)));
        QCOMPARE(dump(table(log, {})), (QStringList{u"Alpha|60|1|0"_qs, u"Beta|60|1|0"_qs}));
    }

private:
    std::unique_ptr<LocalZone> m_zone;
};

QTEST_GUILESS_MAIN(TestTotalsTable)
#include "tst_totalstable.moc"
