#include "reports/totalstable.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

using Grouping = TotalsQuery::Grouping;

// Weeks are ISO weeks, Monday to Sunday.
QDate periodFirst(QDate day, Grouping grouping) {
    switch (grouping) {
    case Grouping::Project:
        return {};
    case Grouping::Day:
        return day;
    case Grouping::Week:
        return day.addDays(1 - day.dayOfWeek());
    case Grouping::Month:
        return QDate(day.year(), day.month(), 1);
    }
    return {};
}

QDate periodLast(QDate first, Grouping grouping) {
    switch (grouping) {
    case Grouping::Project:
        return {};
    case Grouping::Day:
        return first;
    case Grouping::Week:
        return first.addDays(6);
    case Grouping::Month:
        return first.addMonths(1).addDays(-1);
    }
    return {};
}

// Undated rows sort after every dated one.
qint64 sortDay(QDate first) {
    return first.isValid() ? first.toJulianDay() : std::numeric_limits<qint64>::max();
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

TotalsTable TotalsTable::build(const LoggedSessions& log, const TotalsQuery& query) {
    TotalsTable table;
    table.m_query = query;
    const QStringList& names = log.projects();
    const qsizetype only = query.project ? names.indexOf(*query.project) : -1;
    if (query.project && only < 0)
        return table;

    QHash<std::pair<qint64, qsizetype>, size_t> rowOf;
    for (const LoggedSession& session : log.sessions()) {
        if (query.project && session.project != only)
            continue;
        if (query.limitsDates()) {
            if (!session.date.isValid()) {
                table.m_undatedLeftOut.push_back({session.lineNumber, session.stampText});
                continue;
            }
            if ((query.from.isValid() && session.date < query.from) ||
                (query.to.isValid() && session.date > query.to))
                continue;
        }
        const QDate first =
            session.date.isValid() ? periodFirst(session.date, query.grouping) : QDate();
        const auto key = std::make_pair(sortDay(first), session.project);
        auto found = rowOf.find(key);
        if (found == rowOf.end()) {
            found = rowOf.insert(key, table.m_rows.size());
            table.m_rows.push_back(
                {first, periodLast(first, query.grouping), names[session.project], 0, 0, 0});
        }
        TotalsRow& row = table.m_rows[*found];
        if (session.state == LoggedSession::State::Counted) {
            row.seconds += session.seconds;
            ++row.sessions;
            table.m_totalSeconds += session.seconds;
            ++table.m_totalSessions;
        } else {
            ++row.incomplete;
            table.m_incomplete.push_back({names[session.project], session.date, session.time,
                                          session.stampText, session.state, session.lineNumber,
                                          session.unreadLine, session.unreadText});
        }
    }

    std::sort(table.m_rows.begin(), table.m_rows.end(), [](const TotalsRow& a, const TotalsRow& b) {
        const qint64 dayA = sortDay(a.first);
        const qint64 dayB = sortDay(b.first);
        if (dayA != dayB)
            return dayA < dayB;
        if (a.seconds != b.seconds)
            return a.seconds > b.seconds;
        return a.project < b.project;
    });
    return table;
}

QString TotalsTable::periodLabel(const TotalsRow& row) const {
    if (!byPeriod())
        return {};
    if (!row.first.isValid())
        return QStringLiteral("undated");
    const QString month = QString::number(row.first.year()) + u'-' + twoDigits(row.first.month());
    switch (m_query.grouping) {
    case Grouping::Project:
        break;
    case Grouping::Day:
        return month + u'-' + twoDigits(row.first.day());
    case Grouping::Week: {
        int year = 0;
        const int week = row.first.weekNumber(&year);
        return QString::number(year) + QStringLiteral("-W") + twoDigits(week);
    }
    case Grouping::Month:
        return month;
    }
    return {};
}

namespace totalstext {

QString shownName(const QString& project) {
    const bool hidden = project.isEmpty() || project.front().isSpace() || project.back().isSpace();
    return hidden ? u'"' + project + u'"' : project;
}

QString duration(qint64 seconds) {
    return QString::number(seconds / 3600) + u':' + twoDigits(int(seconds / 60 % 60)) + u':' +
           twoDigits(int(seconds % 60));
}

QString hours(qint64 seconds) {
    return QString::number(double(seconds) / 3600.0, 'f', 2);
}

QString incomplete(const IncompleteSession& session) {
    QString text = shownName(session.project) + QStringLiteral(", started ");
    if (session.date.isValid())
        text += session.date.toString(Qt::ISODate) + u' ' + session.time.toString(Qt::ISODate);
    else if (session.stampText.isEmpty())
        text += QStringLiteral("at an unknown time");
    else
        text += session.stampText + QStringLiteral(" (undated)");
    text += QStringLiteral(" on line %1, ").arg(session.lineNumber);
    text += session.state == LoggedSession::State::NotStopped ? QStringLiteral("not stopped")
                                                              : QStringLiteral("no readable time");
    if (session.unreadLine > 0) {
        text += QStringLiteral("; line %1 could not be read: \"%2\"")
                    .arg(session.unreadLine)
                    .arg(session.unreadText);
    }
    return text;
}

QStringList undatedLeftOut(const TotalsTable& table) {
    // A log written under other date settings can leave out every session; its first places
    // are enough to find the cause.
    constexpr size_t Named = 10;
    const std::vector<UndatedSession>& left = table.undatedLeftOut();
    if (left.empty())
        return {};
    QStringList lines{QStringLiteral("Left out: %1 session(s) whose start does not read as a "
                                     "date:")
                          .arg(left.size())};
    for (size_t i = 0; i < std::min(left.size(), Named); ++i) {
        lines += QStringLiteral("line %1: \"%2\"").arg(left[i].lineNumber).arg(left[i].stampText);
    }
    if (left.size() > Named)
        lines += QStringLiteral("and %1 more").arg(left.size() - Named);
    return lines;
}

QString periodHeading(TotalsQuery::Grouping grouping) {
    switch (grouping) {
    case Grouping::Project:
        break;
    case Grouping::Day:
        return QStringLiteral("Day");
    case Grouping::Week:
        return QStringLiteral("Week");
    case Grouping::Month:
        return QStringLiteral("Month");
    }
    return QStringLiteral("Project");
}

QString subtitle(const QString& logPath, const TotalsQuery& query) {
    QString text = QFileInfo(logPath).fileName();
    if (query.from.isValid() && query.to.isValid())
        text += QStringLiteral(", %1 to %2")
                    .arg(query.from.toString(Qt::ISODate), query.to.toString(Qt::ISODate));
    else if (query.from.isValid())
        text += QStringLiteral(", from %1").arg(query.from.toString(Qt::ISODate));
    else if (query.to.isValid())
        text += QStringLiteral(", up to %1").arg(query.to.toString(Qt::ISODate));
    else
        text += QStringLiteral(", all dates");
    if (query.project)
        text += QStringLiteral(", project ") + shownName(*query.project);
    return text;
}

} // namespace totalstext
