#pragma once

#include "reports/totalstable.h"

#include <QString>

// The totals written out for people and for other programs.
namespace totalsformat {

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
