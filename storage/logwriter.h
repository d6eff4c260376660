#pragma once

#include "storage/fileresult.h"

#include <QString>

class PendingLog;
FileResult FlushLog(PendingLog& pending, const QString& logPath);

// Lines for the session log are collected here and then appended in one write. The text is
// program-wide: the main window and the Notes window both add to it and flush it.
class PendingLog {
public:
    void append(QStringView text) { m_text += text; }
    bool isEmpty() const { return m_text.isEmpty() && m_unwritten.isEmpty(); }
    const QString& text() const { return m_text; }

    // Lines of earlier flushes that could not be written, each already ended by CR LF.
    const QString& unwritten() const { return m_unwritten; }

private:
    friend FileResult FlushLog(PendingLog& pending, const QString& logPath);
    QString m_text;
    QString m_unwritten;
};

// Appends the text to the file (created when missing), flushes it and syncs it to disk before
// returning. A failed write leaves the file at its old length, so a line is either there whole
// or not at all. The session log is always written as Windows-1252, which is how the Reports
// window reads it; other files keep the encoding their byte-order mark announces.
enum class AppendEncoding : quint8 { Windows1252, AsTheFileIs };
FileResult appendText(const QString& path, QStringView text,
                      AppendEncoding encoding = AppendEncoding::Windows1252);

// Appends the pending text and a line end to the log and empties the pending text. Lines that
// could not be written are kept and go out in front of the next flush, so no line is lost
// while the log cannot be written and the log keeps its order once it can.
FileResult FlushLog(PendingLog& pending, const QString& logPath);
