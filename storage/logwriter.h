#pragma once

#include "storage/fileresult.h"

#include <QString>

// Lines for the session log are collected here and then appended in one write. The text is
// program-wide: the main window and the Notes window both add to it and flush it.
class PendingLog {
public:
    void append(QStringView text) { m_text += text; }
    void clear() { m_text.clear(); }
    bool isEmpty() const { return m_text.isEmpty(); }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Appends the text as Windows-1252 to the file (created when missing), flushes it and syncs it
// to disk before returning. A failed write leaves the file at its old length, so a line is
// either there whole or not at all.
FileResult appendText(const QString& path, QStringView text);

// Appends the pending text and a line end to the log. On success the pending text is emptied;
// on failure it is kept, so the next flush writes it in front of what follows and no line is
// lost while the log cannot be written.
FileResult FlushLog(PendingLog& pending, const QString& logPath);
