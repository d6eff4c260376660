#include "storage/datetimetext.h"
#include "tests/support/localzone.h"

#include <QtTest>

namespace {

// United States rules since 2007: summer time from 2:00 on the second Sunday of March to 2:00
// on the first Sunday of November.
constexpr const char* NewYork = "EST5EDT,M3.2.0,M11.1.0";
// Chile in 2008: the change is at midnight, so the day summer time starts has no midnight,
// and the hour before midnight comes twice when it ends.
constexpr const char* Santiago = "<-04>4<-03>,M10.2.6/24,M3.2.6/24";

QDateTime utc(QDate date, QTime time) {
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

class TestDateTimeText : public QObject {
    Q_OBJECT
private slots:
    // The formatting and the plain round trip hold in any zone; they run in one without
    // summer time, so that no hour of theirs is skipped or repeated.
    void initTestCase() { m_zone = std::make_unique<LocalZone>("UTC0"); }
    void cleanupTestCase() { m_zone.reset(); }

    void formatsGeneralDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("text");
        const QDate day(2008, 6, 3);
        QTest::newRow("en_US morning")
            << u"en_US"_qs << QDateTime(day, QTime(9, 0, 5)) << u"6/3/2008 9:00:05 AM"_qs;
        QTest::newRow("en_US afternoon")
            << u"en_US"_qs << QDateTime(day, QTime(22, 15, 40)) << u"6/3/2008 10:15:40 PM"_qs;
        QTest::newRow("en_US midnight is the date alone")
            << u"en_US"_qs << QDateTime(day, QTime(0, 0)) << u"6/3/2008"_qs;
        QTest::newRow("en_US one second after midnight")
            << u"en_US"_qs << QDateTime(day, QTime(0, 0, 1)) << u"6/3/2008 12:00:01 AM"_qs;
        QTest::newRow("milliseconds are dropped")
            << u"en_US"_qs << QDateTime(day, QTime(0, 0, 0, 999)) << u"6/3/2008"_qs;
        QTest::newRow("en_GB") << u"en_GB"_qs << QDateTime(day, QTime(9, 0, 5))
                               << u"03/06/2008 09:00:05"_qs;
        QTest::newRow("de_DE four-digit year")
            << u"de_DE"_qs << QDateTime(day, QTime(9, 0, 5)) << u"03.06.2008 09:00:05"_qs;
    }
    void formatsGeneralDate() {
        QFETCH(QString, locale);
        QFETCH(QDateTime, when);
        QFETCH(QString, text);
        QCOMPARE(DateTimeText(QLocale(locale)).format(when), text);
    }

    void roundTripsToTheSecond_data() {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "C"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void roundTripsToTheSecond() {
        QFETCH(QString, locale);
        const DateTimeText text{QLocale(locale)};
        QRandomGenerator random(20080603);
        const QDateTime base(QDate(1990, 1, 1), QTime(0, 0));
        for (int i = 0; i < 2000; ++i) {
            // Every hour of the day, midnights included, over several decades.
            QDateTime when = base.addSecs(random.bounded(40 * 365 * 24) * 3600LL);
            if (i % 3 != 0)
                when = when.addSecs(random.bounded(3600));
            const QString formatted = text.format(when);
            const std::optional<QDateTime> parsed = text.parse(formatted);
            QVERIFY2(parsed.has_value(), qPrintable(formatted));
            QCOMPARE(*parsed, when);
        }
    }

    // Every stamp the clock can give reads back as the same moment, except in the hour that
    // comes twice when summer time ends: the text has no zone, and reads as the first pass.
    void roundTripsAcrossSummerTime_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("New York") << QByteArray(NewYork);
        QTest::newRow("Santiago") << QByteArray(Santiago);
    }
    void roundTripsAcrossSummerTime() {
        QFETCH(QByteArray, zone);
        const LocalZone local(zone.constData());
        const DateTimeText text{QLocale(u"en_US"_qs)};
        int repeated = 0;
        for (QDateTime when = utc(QDate(2008, 1, 1), QTime(0, 0, 1)); when.date().year() == 2008;
             when = when.addSecs(20 * 60)) {
            const QDateTime shown = when.toLocalTime();
            const std::optional<QDateTime> parsed = text.parse(text.format(shown));
            QVERIFY2(parsed.has_value(), qPrintable(text.format(shown)));
            const QDateTime hourBefore = shown.addSecs(-3600);
            const bool secondPass =
                hourBefore.date() == shown.date() && hourBefore.time() == shown.time();
            repeated += secondPass;
            QCOMPARE(*parsed, secondPass ? hourBefore : shown);
        }
        QCOMPARE(repeated, 3);
    }

    void repeatedHourReadsAsItsFirstPass() {
        const LocalZone local(NewYork);
        const DateTimeText text{QLocale(u"en_US"_qs)};
        const QDateTime summer = utc(QDate(2008, 11, 2), QTime(5, 30)).toLocalTime();
        const QDateTime winter = summer.addSecs(3600);
        QCOMPARE(text.format(summer), u"11/2/2008 1:30:00 AM"_qs);
        QCOMPARE(text.format(winter), u"11/2/2008 1:30:00 AM"_qs);
        QCOMPARE(text.parse(text.format(winter)), std::optional<QDateTime>(summer));
    }

    // The clock jumps from 1:59:59 to 3:00:00, so no stamp falls in the hour between, and a
    // text that names a time in it is not a moment at all.
    void skippedHourIsNeverWrittenAndDoesNotRead() {
        const LocalZone local(NewYork);
        const DateTimeText text{QLocale(u"en_US"_qs)};
        const QDateTime last = utc(QDate(2008, 3, 9), QTime(6, 59, 59)).toLocalTime();
        QCOMPARE(text.format(last), u"3/9/2008 1:59:59 AM"_qs);
        QCOMPARE(text.format(last.addSecs(1)), u"3/9/2008 3:00:00 AM"_qs);
        QVERIFY(!text.parse(u"3/9/2008 2:30:00 AM"_qs));
    }

    // Where summer time starts at midnight the day begins at 1:00; a date alone reads as that.
    void dayWithoutMidnightStartsAtOne() {
        const LocalZone local(Santiago);
        const DateTimeText text{QLocale(u"en_US"_qs)};
        const QDateTime start = utc(QDate(2008, 10, 12), QTime(4, 0)).toLocalTime();
        QCOMPARE(text.format(start), u"10/12/2008 1:00:00 AM"_qs);
        QCOMPARE(text.parse(u"10/12/2008"_qs), std::optional<QDateTime>(start));
    }

    void rejectsTextThatIsNoDate() {
        const DateTimeText text{QLocale(u"en_US"_qs)};
        QVERIFY(!text.parse(u""_qs));
        QVERIFY(!text.parse(u"0:00"_qs));
        QVERIFY(!text.parse(u"N/A"_qs));
    }

private:
    std::unique_ptr<LocalZone> m_zone;
};

QTEST_GUILESS_MAIN(TestDateTimeText)
#include "tst_datetimetext.moc"
