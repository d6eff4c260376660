#include "storage/momenttext.h"

#include <QtTest>

class TestMomentText : public QObject {
    Q_OBJECT
private slots:
    // What a user may type, in the forms the locale writes.
    void readsTheFormsTheLocaleWrites_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDateTime>("moment"); // invalid: refused
        const QDate day(2008, 6, 3);
        const auto at = [&](int h, int m, int s = 0) { return QDateTime(day, QTime(h, m, s)); };
        const QString us = u"en_US"_qs;
        QTest::newRow("a stamp as the log writes it")
            << us << u"6/3/2008 9:05:07 AM"_qs << at(9, 5, 7);
        QTest::newRow("without seconds") << us << u"6/3/2008 9:05 AM"_qs << at(9, 5);
        QTest::newRow("two-digit year") << us << u"6/3/08 9:05 PM"_qs << at(21, 5);
        QTest::newRow("spaces around") << us << u"  6/3/2008   9:05 AM "_qs << at(9, 5);
        QTest::newRow("ISO") << us << u"2008-06-03T09:05:00"_qs << at(9, 5);
        QTest::newRow("a time alone is today")
            << us << u"4:30 PM"_qs << QDateTime(QDate(2008, 6, 10), QTime(16, 30));
        QTest::newRow("a date alone is its midnight") << us << u"6/3/2008"_qs << at(0, 0);
        QTest::newRow("German") << u"de_DE"_qs << u"03.06.2008 09:05"_qs << at(9, 5);
        QTest::newRow("German with seconds")
            << u"de_DE"_qs << u"03.06.08 09:05:07"_qs << at(9, 5, 7);
        QTest::newRow("not a moment") << us << u"yesterday"_qs << QDateTime();
        QTest::newRow("nothing") << us << u"   "_qs << QDateTime();
        QTest::newRow("no such day") << us << u"2/30/2008 9:00 AM"_qs << QDateTime();
    }
    void readsTheFormsTheLocaleWrites() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QDateTime, moment);
        const std::optional<QDateTime> read =
            readMoment(typed, QLocale(locale), QDate(2008, 6, 10));
        QCOMPARE(read.value_or(QDateTime()), moment);
    }
};

QTEST_GUILESS_MAIN(TestMomentText)
#include "tst_momenttext.moc"
