#pragma once

#include <QByteArrayView>
#include <QString>

// The session log's lines: how each line of a session record is written, and what kind of
// line a line of the file is. LogRecordReader reads records with these rules; nothing else
// in the program writes or reads the markers and tags.
//
// The markers and tags are ASCII, so the same text matches the bytes of the file in either of
// its encodings.
namespace logformat {

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

// Each function returns text for the session log's owner, which ends the last line with
// CR LF when it writes.

// Begin marker and started line.
QString startLines(const QString& stamp, const QString& project);

// The starting-comments line, with the line end that separates it from the started line.
QString startingCommentLine(const QString& stamp, const QString& comment);

// Stopped line, total-time line, end marker and the first of the two empty lines; the write
// adds the second.
QString stopLines(const QString& stamp, const QString& project, const QString& elapsedText);

// One note; each further line of a multi-line note becomes a log line of its own. A further
// line that would read as a marker, a stamped line or a total is written after a tab, so that
// no note can make a record the user did not start and stop.
QString noteLine(const QString& stamp, const QString& note);

// Whether the started line of a session on this project reads back as one: a name that ends
// with the begin marker would read as a line whose end was lost.
bool canStartRecord(const QString& project);

enum class LineKind : quint8 {
    Empty,
    Begin,
    End,
    Started,
    StartingComments,
    Notes,
    Stopped,
    TotalTime,
    // Anything else: a further line of a note, or text the program did not write.
    Other,
};

struct Line {
    LineKind kind = LineKind::Other;
    // The stamp of a stamped line: the text before the space in front of its tag.
    QByteArrayView stamp;
    // The text after the tag and its space: a project name, a comment, a note, a total.
    QByteArrayView text;
};

// What a line of the file is, its line end left off. A line that starts with a tab is a
// further line of a note. A stamped line is the stamp, a space, a
// tag, a space and the text. Stamps of some locales hold brackets of their own, so its tag is
// the first bracket after a space that opens a tag of the log; a note that quotes a tag is
// still a note.
//
// A begin marker is a line of its own, as the writer writes it. A line that ends with one
// is read as a begin marker too where it can be a line whose end was lost, which a log
// hand-edited without its last line end and appended to by earlier versions holds: not when
// it is a notes or starting-comments line, whose text is the user's own.
Line classify(QByteArrayView line);

// Where the begin marker starts in a line that classify() reads as one: 0 for the marker on
// a line of its own, else the length of the text in front of it.
qsizetype beginMarkerAt(QByteArrayView line);

} // namespace logformat
