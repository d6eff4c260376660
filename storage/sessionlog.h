#pragma once

#include <QString>

// The lines of one session record in Tasks.txt. Each function returns the text that goes into
// the pending log; FlushLog then ends it with CR LF.
namespace sessionlog {

inline const QString BeginMarker = QStringLiteral("<!--  BEGIN SESSION //-->");
inline const QString EndMarker = QStringLiteral("<!--  END SESSION  -->");
inline const QString StartedTag = QStringLiteral("[Started]");

// Begin marker and started line.
QString startLines(const QString& stamp, const QString& project);

// The starting-comments line, with the line end that separates it from the started line.
QString startingCommentLine(const QString& stamp, const QString& comment);

// Stopped line, total-time line, end marker and the first of the two empty lines; the flush
// adds the second.
QString stopLines(const QString& stamp, const QString& project, const QString& elapsedText);

// One note; each further line of a multi-line note becomes a log line of its own.
QString noteLine(const QString& stamp, const QString& note);

} // namespace sessionlog
