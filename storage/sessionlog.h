#pragma once

#include <QByteArrayView>
#include <QString>

// The lines of one session record in Tasks.txt. Each function returns the text that goes into
// the pending log; FlushLog then ends it with CR LF.
//
// The markers and tags are written here and read by the report tree and the totals. They are
// ASCII, so that the same text matches the bytes of the file.
namespace sessionlog {

inline constexpr QLatin1StringView BeginMarker("<!--  BEGIN SESSION //-->");
inline constexpr QLatin1StringView EndMarker("<!--  END SESSION  -->");
inline constexpr QLatin1StringView StartedTag("[Started]");
inline constexpr QLatin1StringView StartingCommentsTag("[Starting Comments]");
inline constexpr QLatin1StringView NotesTag("[Notes]");
inline constexpr QLatin1StringView StoppedTag("[Stopped]");
inline constexpr QLatin1StringView TotalTimeTag("[Total Time]");

// A marker or tag as the bytes of the file.
constexpr QByteArrayView bytes(QLatin1StringView text) {
    return {text.data(), text.size()};
}

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
