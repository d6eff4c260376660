#include "reports/totalsformat.h"

namespace totalsformat {
namespace {

// Quotes a field when it holds a separator, a quote or a line break, and when spaces at its
// ends could be lost to a reader that trims fields.
QString field(const QString& value) {
    const bool quoted = value.contains(u',') || value.contains(u'"') || value.contains(u'\r') ||
                        value.contains(u'\n') ||
                        (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
    if (!quoted)
        return value;
    QString escaped = value;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

} // namespace

QString csv(const TotalsTable& table) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString out = table.byPeriod() ? QStringLiteral("period,from,to,") : QString();
    out += QStringLiteral("project,seconds,hours,sessions,incomplete") + lineEnd;
    for (const TotalsRow& row : table.rows()) {
        if (table.byPeriod()) {
            out += table.periodLabel(row) + u',' + row.first.toString(Qt::ISODate) + u',' +
                   row.last.toString(Qt::ISODate) + u',';
        }
        out += field(row.project) + u',' + QString::number(row.seconds) + u',' +
               totalstext::hours(row.seconds) + u',' + QString::number(row.sessions) + u',' +
               QString::number(row.incomplete) + lineEnd;
    }
    return out;
}

} // namespace totalsformat
