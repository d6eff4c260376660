#pragma once

#include "reports/loggedsessions.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// What to total: rows per project, or per period and project, for sessions that started in
// the date range, of one project or all.
struct TotalsQuery {
    enum class Grouping : quint8 { Project, Day, Week, Month };

    Grouping grouping = Grouping::Project;
    QDate from; // inclusive; invalid for no limit
    QDate to;   // inclusive; invalid for no limit
    std::optional<QString> project;

    bool limitsDates() const { return from.isValid() || to.isValid(); }
};

struct TotalsRow {
    QDate first; // the period's first and last day; invalid when undated or not by period
    QDate last;
    QString project;
    qint64 seconds = 0;
    qsizetype sessions = 0;   // counted sessions
    qsizetype incomplete = 0; // sessions of the same project and period whose time is unknown
};

struct IncompleteSession {
    QString project;
    QDate date; // invalid when its stamp does not read back
    QTime time;
    QString stampText;
    LoggedSession::State state = LoggedSession::State::NotStopped;
    qsizetype lineNumber = 0;
    qsizetype unreadLine = 0; // see LoggedSession
    QString unreadText;
};

// A session left out of a date range because its stamp does not read as a date.
struct UndatedSession {
    qsizetype lineNumber = 0;
    QString stampText;
};

// The totals of a log for a query. A session counts whole in the period of the day it started,
// also when it ran past midnight; sessions whose start does not read back are "undated": they
// form a period of their own, after the others, and are left out when the query limits dates.
class TotalsTable {
public:
    static TotalsTable build(const LoggedSessions& log, const TotalsQuery& query);

    const TotalsQuery& query() const { return m_query; }
    bool byPeriod() const { return m_query.grouping != TotalsQuery::Grouping::Project; }

    // By period: periods in date order, undated last, then by time, longest first. By project:
    // by time, longest first. Ties go by project name.
    const std::vector<TotalsRow>& rows() const { return m_rows; }
    // In log order.
    const std::vector<IncompleteSession>& incomplete() const { return m_incomplete; }
    qint64 totalSeconds() const { return m_totalSeconds; }
    qsizetype totalSessions() const { return m_totalSessions; }
    // Sessions without a readable start that a date range left out, in log order.
    const std::vector<UndatedSession>& undatedLeftOut() const { return m_undatedLeftOut; }

    // "2024-01-05", "2024-W01", "2024-01", or "undated".
    QString periodLabel(const TotalsRow& row) const;

private:
    TotalsQuery m_query;
    std::vector<TotalsRow> m_rows;
    std::vector<IncompleteSession> m_incomplete;
    qint64 m_totalSeconds = 0;
    qsizetype m_totalSessions = 0;
    std::vector<UndatedSession> m_undatedLeftOut;
};

// Texts shared by the output formats.
namespace totalstext {

// The name as it is, or in double quotes when spaces at its ends would not show.
QString shownName(const QString& project);
// "1:15:35"; hours go past 24.
QString duration(qint64 seconds);
// "1.26"
QString hours(qint64 seconds);
// "Gamma, started 2024-01-02 13:00:00 on line 40, not stopped", and the line that could not be
// read when there is one: "; line 44 could not be read: "...""."
QString incomplete(const IncompleteSession& session);
// The sessions a date range left out for want of a date, a line each after the first, with
// their places: the first few, and how many more.
QStringList undatedLeftOut(const TotalsTable& table);
// "Project", "Day", "Week" or "Month".
QString periodHeading(TotalsQuery::Grouping grouping);
// What was totalled, in a few words: "Tasks.txt, 2024-01-01 to 2024-01-07".
QString subtitle(const QString& logPath, const TotalsQuery& query);

} // namespace totalstext
