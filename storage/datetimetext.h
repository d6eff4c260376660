#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// The date-time text of every stamp in the log and on the main window: the locale's short date
// with a four-digit year, a space, and the locale's long time without a time zone. A time of
// exactly midnight is written as the date alone. Text and value round-trip to the second.
class DateTimeText {
public:
    explicit DateTimeText(const QLocale& locale = QLocale::system());

    QString format(const QDateTime& when) const;
    std::optional<QDateTime> parse(QStringView text) const;

    // The local moment a stamp's date and time name. In the hour that repeats when summer time
    // ends, the first of the two; a time in the hour skipped when it starts names no moment.
    static std::optional<QDateTime> moment(QDate date, QTime time);

    const QLocale& locale() const { return m_locale; }
    const QString& dateFormat() const { return m_dateFormat; }
    const QString& timeFormat() const { return m_timeFormat; }

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
};
