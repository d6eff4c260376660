#include "reports/totalsformat.h"

#include <algorithm>

namespace totalsformat {
namespace {

enum class Align : quint8 { Left, Right };

// Columns as wide as their widest cell, two spaces apart.
QString aligned(const std::vector<QStringList>& lines, const std::vector<Align>& align) {
    std::vector<qsizetype> widths(align.size(), 0);
    for (const QStringList& cells : lines) {
        for (size_t c = 0; c < align.size(); ++c)
            widths[c] = std::max(widths[c], cells.value(qsizetype(c)).size());
    }
    QString out;
    for (const QStringList& cells : lines) {
        QString line;
        for (size_t c = 0; c < align.size(); ++c) {
            if (c > 0)
                line += QStringLiteral("  ");
            const QString cell = cells.value(qsizetype(c));
            line += align[c] == Align::Left ? cell.leftJustified(widths[c])
                                            : cell.rightJustified(widths[c]);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        out += line + u'\n';
    }
    return out;
}

} // namespace

QString text(const TotalsTable& table) {
    std::vector<QStringList> lines;
    std::vector<Align> align;
    QStringList heading;
    if (table.byPeriod()) {
        heading << totalstext::periodHeading(table.query().grouping);
        align.push_back(Align::Left);
    }
    heading << QStringLiteral("Project") << QStringLiteral("Time") << QStringLiteral("Hours")
            << QStringLiteral("Sessions");
    align.insert(align.end(), {Align::Left, Align::Right, Align::Right, Align::Right});
    lines.push_back(heading);
    for (const TotalsRow& row : table.rows()) {
        QStringList cells;
        if (table.byPeriod())
            cells << table.periodLabel(row);
        cells << totalstext::shownName(row.project) << totalstext::duration(row.seconds)
              << totalstext::hours(row.seconds) << QString::number(row.sessions);
        lines.push_back(cells);
    }
    QStringList total;
    total << QStringLiteral("Total");
    if (table.byPeriod())
        total << QString();
    total << totalstext::duration(table.totalSeconds()) << totalstext::hours(table.totalSeconds())
          << QString::number(table.totalSessions());
    lines.push_back(total);

    QString out = aligned(lines, align);
    if (!table.incomplete().empty())
        out += u'\n';
    for (const IncompleteSession& session : table.incomplete())
        out += QStringLiteral("Incomplete: ") + totalstext::incomplete(session) + u'\n';
    const QStringList leftOut = totalstext::undatedLeftOut(table);
    if (!leftOut.isEmpty())
        out += u'\n' + leftOut.join(QStringLiteral("\n  ")) + u'\n';
    return out;
}

} // namespace totalsformat
