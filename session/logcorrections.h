#pragma once

#include "session/logeditor.h"

#include <QString>

#include <optional>

class Clock;
class SessionLog;
class SessionModel;

// Fixing the past: a record of the log corrected, deleted or added, the running session's
// start moved, and the last such change undone. Each change is worked out from the log as it
// is at that moment, never from a copy a window read earlier, and is made by the log's owner,
// whole and at once, or not at all. The answer is nothing when the change was made, or one
// sentence that says why it was not.
class LogCorrections {
public:
    using Why = std::optional<QString>;

    LogCorrections(SessionLog& log, SessionModel& session, const Clock& clock);

    std::variant<SessionFields, QString> read(const RecordRef& record) const;
    Why correct(const RecordRef& record, const SessionFields& fields);
    Why remove(const RecordRef& record);
    Why add(const SessionFields& fields);
    Why moveRunningStart(const QDateTime& to);
    Why clear();

    bool canUndo() const;
    Why undo();

    const LogEditor& editor() const { return m_editor; }

private:
    QByteArray current(QString& failure) const;
    LogEditor::Moments moments() const;
    Why make(const LogEditor::Result& result);

    SessionLog& m_log;
    SessionModel& m_session;
    const Clock& m_clock;
    LogEditor m_editor;
};
