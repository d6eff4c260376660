#pragma once

#include "session/sessionlog.h"

#include <QString>

#include <optional>

// What the main window says about the session log's lines: a write that failed, and the lines
// kept from one run to the next.
namespace logmessages {

struct Notice {
    QString text;
    bool warning = true;
};

// A Start or Stop whose lines the log could not take.
QString writeFailed(const FileResult& result);
// At start-up, after the lines kept at the last exit were put back, or could not be.
std::optional<Notice> restored(const SessionLog::Restored& restored, const SessionLog& log);
// At exit, after the lines still owed were written, kept, or lost.
std::optional<Notice> kept(const SessionLog::Kept& kept, const SessionLog& log);
// The kept lines are in the log, but the file that held them could not be deleted.
QString recoveryFileLeft(const FileResult& removal);

} // namespace logmessages
