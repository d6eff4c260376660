#include "storage/elapsed.h"

namespace elapsed {
namespace {

constexpr qint64 Minute = 60;
constexpr qint64 Hour = 60 * Minute;
constexpr qint64 Day = 24 * Hour;

// "15m", "-3s": a whole number and one unit letter.
bool isPart(QByteArrayView part) {
    qsizetype digits = part.startsWith('-') ? 1 : 0;
    const qsizetype first = digits;
    while (digits < part.size() && part[digits] >= '0' && part[digits] <= '9')
        ++digits;
    return digits > first && digits + 1 == part.size() &&
           QByteArrayView("wdhms").contains(part.back());
}

} // namespace

Fields between(const QDateTime& start, const QDateTime& end) {
    if (!start.isValid() || !end.isValid())
        return {};
    qint64 span = start.secsTo(end);
    Fields f;
    f.days = span / Day;
    span %= Day;
    f.hours = span / Hour;
    span %= Hour;
    f.minutes = span / Minute;
    f.seconds = span % Minute;
    return f;
}

QString text(const Fields& f) {
    return QStringLiteral("%1d %2h %3m %4s").arg(f.days).arg(f.hours).arg(f.minutes).arg(f.seconds);
}

std::optional<qint64> seconds(QByteArrayView text) {
    Fields f;
    bool any = false;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = text.indexOf(' ', at);
        if (end < 0)
            end = text.size();
        const QByteArrayView part = text.sliced(at, end - at);
        at = end + 1;
        if (part.isEmpty())
            continue;
        if (!isPart(part))
            return std::nullopt;
        any = true;
        const qint64 value = part.chopped(1).toLongLong();
        // Weeks and days add up; a later hour, minute or second part replaces an earlier one,
        // as the clock has always read them.
        switch (part.back()) {
        case 'w':
            f.days += 7 * value;
            break;
        case 'd':
            f.days += value;
            break;
        case 'h':
            f.hours = value;
            break;
        case 'm':
            f.minutes = value;
            break;
        default:
            f.seconds = value;
            break;
        }
    }
    if (!any)
        return std::nullopt;
    const qint64 total = f.days * Day + f.hours * Hour + f.minutes * Minute + f.seconds;
    if (total < 0)
        return std::nullopt;
    return total;
}

} // namespace elapsed
