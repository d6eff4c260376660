#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

// The span of a session as the main window shows it and the log records it.
namespace elapsed {

inline constexpr QStringView NotAvailable = u"N/A";

struct Fields {
    qint64 days = 0;
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 seconds = 0;
    friend bool operator==(const Fields&, const Fields&) = default;
};

// The whole seconds from start to end as days, hours, minutes and seconds. Days are not capped
// at a week. A negative span (the clock was set back) gives negative fields, each truncated
// toward zero: -303 s is 0 hours, -5 minutes and -3 seconds. An invalid instant gives zeros.
Fields between(const QDateTime& start, const QDateTime& end);

// "0d 1h 15m 35s": every field present, no leading zeros.
QString text(const Fields& fields);
inline QString text(const QDateTime& start, const QDateTime& end) {
    return text(between(start, end));
}

// The seconds of an elapsed time as a log holds it: "0d 1h 15m 35s", or the same with any
// parts left out, weeks ("1w") or a repeated unit, as hand-edited logs have them. Nothing for
// "N/A", for any other text, and for a negative total.
std::optional<qint64> seconds(QByteArrayView text);

} // namespace elapsed
