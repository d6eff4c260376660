#pragma once

#include "storage/fileresult.h"

#include <QByteArray>
#include <QString>

#include <optional>

// One change to the session log made on purpose, a correction or a clearing: the bytes at an
// offset replaced by others. It names the bytes it replaces, so that it can only be made on
// the log it was worked out from, whatever was appended since, and undone exactly.
struct LogEdit {
    qsizetype start = 0;
    QByteArray old;
    QByteArray replacement;

    // The log with the change made; nothing when the log does not hold `old` at `start`.
    std::optional<QByteArray> applyTo(QByteArrayView log) const;
    LogEdit reversed() const { return {start, replacement, old}; }
    friend bool operator==(const LogEdit&, const LogEdit&) = default;
};

// The last change to a log, kept in the user's data folder until the next one, so that it can
// be undone also after a restart. The file holds a line "Tallyhawk undo 1", a line with the
// offset and the two lengths, then the replaced bytes and the bytes that replaced them.
namespace undofile {

// The undo file for the given log, beside its recovery file; empty without a data folder.
QString path(const QString& dataFolder, const QString& logPath);

FileResult save(const QString& path, const LogEdit& edit);

struct Load {
    FileResult result = FileResult::success();
    // Nothing when there is no file, or its content is not an undo.
    std::optional<LogEdit> edit;
};
Load load(const QString& path);

FileResult remove(const QString& path);

} // namespace undofile
