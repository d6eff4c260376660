#pragma once

#include "storage/ansitext.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The report tree of the Reports window, read from the session log's text: a root node, one
// session node per session record and, under each, the record's lines. Built once, then only
// read.
//
// A log holds hundreds of thousands of lines, so the tree keeps the file's bytes once and
// refers into them: a line is a span of the bytes, a session is the index of its first line
// and the span of its project name. Every node's text, key and parent is computed when asked
// for; texts are decoded then, from Windows-1252 or, in a log kept as UTF-8, from UTF-8.
class ReportTree {
public:
    static inline const QString RootKey = QStringLiteral("main");
    static inline const QString RootText = QStringLiteral("Session");

    // Reads the log file's bytes, record by record as LogRecordReader finds them. Every line
    // other than the session markers and empty lines becomes a line node exactly once, except
    // the lines of the record still running at the end of the log: those wait until it stops.
    //
    // A record's lines go to its own session node; a record cut short by a later begin marker
    // (the program was killed) and stop lines whose start lines were cleared away are sessions
    // of their own. Lines between records (a note saved after its session stopped) go to the
    // session before them, or, before the first session, to the first one. A session is
    // labelled by the text after the "[Started]" tag of its record's started line, up to a
    // second "[Started]"; a record that lost its start lines by the text after its "[Stopped]".
    static ReportTree build(QByteArray fileBytes);
    // The same for text, as the file would hold it.
    static ReportTree fromText(QStringView text);

    qsizetype sessionCount() const { return qsizetype(m_sessions.size()); }
    qsizetype lineCount() const { return qsizetype(m_lines.size()); }

    // Sessions are numbered from 0 here; their keys and labels count from 1.
    QString sessionKey(qsizetype session) const;
    QString sessionText(qsizetype session) const;
    QString projectText(qsizetype session) const;
    qsizetype firstLine(qsizetype session) const { return m_sessions[size_t(session)].firstLine; }
    // The bytes of the session's record in the file, from its begin marker to its end marker;
    // empty for lines that belong to no record.
    QByteArrayView recordBytes(qsizetype session) const;
    qsizetype recordStart(qsizetype session) const {
        return m_sessions[size_t(session)].record.start;
    }
    const QByteArray& bytes() const { return m_bytes; }
    qsizetype lineCount(qsizetype session) const;

    // Lines are numbered across all sessions, as their keys are.
    QString lineKey(qsizetype line) const;
    QString lineText(qsizetype line) const;
    qsizetype sessionOfLine(qsizetype line) const;

private:
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    struct Session {
        qsizetype firstLine = 0;
        Span project;
        Span record;
    };
    class Builder;

    QByteArrayView view(Span span) const {
        return QByteArrayView(m_bytes).sliced(span.start, span.length);
    }

    QString decode(Span span) const;

    QByteArray m_bytes;
    ansi::Encoding m_encoding = ansi::Encoding::Windows1252;
    std::vector<Span> m_lines;
    std::vector<Session> m_sessions;
};
