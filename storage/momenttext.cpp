#include "storage/momenttext.h"

#include "storage/datetimetext.h"

#include <QStringList>

namespace {

QStringList dateFormats(const QLocale& locale) {
    QStringList formats{locale.dateFormat(QLocale::ShortFormat),
                        locale.dateFormat(QLocale::LongFormat), QStringLiteral("yyyy-MM-dd")};
    formats.append(DateTimeText(locale).dateFormat());
    formats.removeDuplicates();
    return formats;
}

QStringList timeFormats(const QLocale& locale) {
    QStringList formats{DateTimeText(locale).timeFormat(), locale.timeFormat(QLocale::ShortFormat),
                        locale.timeFormat(QLocale::LongFormat), QStringLiteral("HH:mm:ss"),
                        QStringLiteral("HH:mm")};
    formats.removeDuplicates();
    return formats;
}

// A two-digit year reads as 19xx; nobody types this year as 1926.
QDate withCentury(QDate date, const QString& format) {
    if (date.isValid() && !format.contains(QStringLiteral("yyyy")) && date.year() < 1970)
        return date.addYears(100);
    return date;
}

} // namespace

std::optional<QDateTime> readMoment(QStringView typed, const QLocale& locale, QDate today) {
    const QString text = typed.trimmed().toString().simplified();
    if (text.isEmpty())
        return std::nullopt;
    if (const QDateTime iso = QDateTime::fromString(text, Qt::ISODate); iso.isValid())
        return iso.toLocalTime();
    for (const QString& date : dateFormats(locale)) {
        for (const QString& time : timeFormats(locale)) {
            for (const QString& joint : {QStringLiteral(" "), QStringLiteral(", ")}) {
                const QDateTime read = locale.toDateTime(text, date + joint + time);
                if (read.isValid())
                    return QDateTime(withCentury(read.date(), date), read.time());
            }
        }
        // A date alone is its midnight, as a stamp taken at midnight shows it.
        const QDate day = locale.toDate(text, date);
        if (day.isValid())
            return withCentury(day, date).startOfDay();
    }
    for (const QString& time : timeFormats(locale)) {
        const QTime read = locale.toTime(text, time);
        if (read.isValid())
            return QDateTime(today, read);
    }
    return std::nullopt;
}
