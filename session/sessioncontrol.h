#pragma once

#include "session/sessionstatus.h"
#include "storage/fileresult.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

class Clock;
class ProjectList;
class SessionModel;

// Why a verb was refused, in one sentence for the user.
struct Refusal {
    enum class Kind : quint8 {
        // The starting comment is being asked for.
        Busy,
        // A session runs already.
        Running,
        // No session runs.
        NotRunning,
        // No project name was given.
        NoName,
        // A name or a text is longer than MaxTextLength.
        TooLong,
        // A name or a text holds characters that the session log or the project list cannot
        // keep as they are written now; the window offers to keep them as UTF-8.
        Unencodable,
        // A note without text.
        Empty,
        // A moment in the future, or before the end of the record before it.
        Moment,
    };
    Kind kind;
    QString reason;
};
using Refused = std::optional<Refusal>;

// The verbs that start, stop and note a session, for every door into the program: the main
// window, the command line and the session bus come here, and each verb checks what it is given
// in the same way. Names and comments go through the one-line rule first.
class SessionControl final : public QObject {
    Q_OBJECT
public:
    // Names, comments and notes longer than this are refused rather than cut.
    static constexpr qsizetype MaxTextLength = 4096;

    SessionControl(SessionModel& session, ProjectList& projects, const Clock& clock,
                   QObject* parent = nullptr);

    SessionModel& session() const { return m_session; }

    // Start, in two steps for a caller that asks for the comment in between: the name joins
    // the project list, and the session starts now or at the earlier moment given.
    Refused beginStart(const QString& project, const QDateTime& at = {});
    void finishStart(const QString& startingComment);
    Refused start(const QString& project, const QString& startingComment, const QDateTime& at = {});
    // Stops now, or as if at the earlier moment given.
    Refused stop(const QDateTime& at = {});
    // Stops the running session and starts the next one at the same moment; with none
    // running, only starts.
    Refused switchTo(const QString& project, const QString& startingComment);
    // Stops a running session, or starts one on the project given, without a comment.
    Refused toggle(const QString& project);
    // A note in the running session, its line breaks kept. A note the log cannot take yet
    // waits for the next write; logFailed() says so.
    Refused note(const QString& text);

    // The session as the other doors show it. A Start still waiting for its comment has
    // not started for them: its lines are not in the log yet, and the window's button still
    // offers Start.
    SessionStatus status() const;

    // Why a session of the project cannot start, whatever the moment: no name, or one the log
    // or the project list cannot keep.
    Refused checkProject(const QString& project) const;
    // Why the starting comment cannot be logged: too long, or characters the log cannot hold.
    Refused checkComment(const QString& comment) const;

    // Why a session cannot start at the moment: it is in the future, or before the end of the
    // last record of the log.
    Refused checkStartMoment(const QDateTime& at) const;
    // Why the running session cannot stop at the moment: in the future, or before its start.
    Refused checkStopMoment(const QDateTime& at) const;

signals:
    void logFailed(const FileResult& result);

private:
    Refused busy() const;
    Refused checkText(const QString& text, QStringView what) const;
    Refused checkName(const QString& name) const;

    SessionModel& m_session;
    ProjectList& m_projects;
    const Clock& m_clock;
};
