#include "storage/datetimetext.h"

#include <QRegularExpression>

namespace {

// Short dates often carry a two-digit year, which would not read back unambiguously.
QString withFourDigitYear(QString format) {
    static const QRegularExpression years(QStringLiteral("y+"));
    return format.replace(years, QStringLiteral("yyyy"));
}

// The time-zone field, with the spaces that join it to the rest, has no place in a stamp:
// a stamp is a local wall-clock time.
QString withoutTimeZone(QString format) {
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.replace(zone, QStringLiteral(" "));
    // Some locales use no-break spaces; a plain space keeps the text inside Windows-1252.
    format.replace(QChar(0x202F), u' ').replace(QChar(0x00A0), u' ');
    return format.trimmed();
}

} // namespace

DateTimeText::DateTimeText(const QLocale& locale)
    : m_locale(locale)
    , m_dateFormat(withFourDigitYear(locale.dateFormat(QLocale::ShortFormat)))
    , m_timeFormat(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))) {}

QString DateTimeText::format(const QDateTime& when) const {
    const QDate date = when.date();
    const QTime time = when.time();
    const QTime wholeSeconds(time.hour(), time.minute(), time.second());
    const QString dateText = m_locale.toString(date, m_dateFormat);
    if (wholeSeconds == QTime(0, 0))
        return dateText;
    return dateText + u' ' + m_locale.toString(wholeSeconds, m_timeFormat);
}

std::optional<QDateTime> DateTimeText::parse(QStringView text) const {
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    QDateTime value = m_locale.toDateTime(trimmed, m_dateFormat + u' ' + m_timeFormat);
    if (value.isValid())
        return value;
    const QDate date = m_locale.toDate(trimmed, m_dateFormat);
    if (date.isValid())
        return date.startOfDay();
    return std::nullopt;
}

std::optional<QDateTime> DateTimeText::moment(QDate date, QTime time) {
    const QDateTime at(date, time);
    if (!at.isValid())
        return std::nullopt;
    // Qt takes the later of two moments with the same wall-clock time; the log's readers and
    // the user's typing take the earlier, as QLocale's parser does.
    const QDateTime earlier = at.addSecs(-3600);
    if (earlier.date() == date && earlier.time() == time)
        return earlier;
    return at;
}
