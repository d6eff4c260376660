#pragma once

#include "reports/totalstable.h"

#include <QString>
#include <QStringView>

#include <optional>

// The totals written out for people and for other programs. CSV and JSON name their fields
// alike: period, from and to (the period's first and last day), project, seconds, sessions and
// incomplete; CSV adds hours.
namespace totalsformat {

enum class Format : quint8 { Text, Csv, Json, Html };

// The format of that name: "text", "csv", "json" or "html".
std::optional<Format> named(QStringView name);

// The table in the format; the subtitle is for the HTML page.
QString write(const TotalsTable& table, Format format, const QString& subtitle);

// An aligned table with a total line, then one line per incomplete session.
QString text(const TotalsTable& table);

// RFC 4180: a header row, one row per table row, CR LF line ends.
QString csv(const TotalsTable& table);

// One array of objects, one per table row, with ISO dates and seconds.
QString json(const TotalsTable& table);

// One self-contained XHTML page: the table and a bar chart of hours, light or dark as the
// reader's browser is, and fit for print. The subtitle says what was totalled.
QString html(const TotalsTable& table, const QString& subtitle);

} // namespace totalsformat
