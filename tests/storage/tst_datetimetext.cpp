#include "storage/datetimetext.h"

#include <QtTest>

class TestDateTimeText : public QObject {
    Q_OBJECT
private slots:
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

    void rejectsTextThatIsNoDate() {
        const DateTimeText text{QLocale(u"en_US"_qs)};
        QVERIFY(!text.parse(u""_qs));
        QVERIFY(!text.parse(u"0:00"_qs));
        QVERIFY(!text.parse(u"N/A"_qs));
    }
};

QTEST_GUILESS_MAIN(TestDateTimeText)
#include "tst_datetimetext.moc"
