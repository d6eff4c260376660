#pragma once

#include <QDateTime>
#include <QString>

// The span of a session as shown on the main window and written to the log.
namespace elapsed {

inline constexpr QStringView NotAvailable = u"N/A";

// The span from start to end as space-separated parts, largest unit first, for units whose
// count is not 0: "1w 1d 1s". Parts keep the sign of a negative span ("-5m -3s"). A result
// of exactly one part keeps a leading space (" 5s"); an empty span gives empty text.
QString FormatElapsed(const QDateTime& start, const QDateTime& end);

struct Fields {
    qint64 days = 0;
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 seconds = 0;
    friend bool operator==(const Fields&, const Fields&) = default;
};

// Reads the parts of a FormatElapsed result back. Whole weeks fold into the days, so a span
// of 8 days shows as 8 days rather than losing the week.
Fields readParts(QStringView formatted);

// "0d 1h 15m 35s": every field present, no leading zeros.
QString text(const Fields& fields);

} // namespace elapsed
