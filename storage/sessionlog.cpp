#include "storage/sessionlog.h"

#include "storage/ansitext.h"
#include "storage/textlines.h"

namespace sessionlog {
namespace {

// "<stamp> <tag> <text>"
QString taggedLine(const QString& stamp, QLatin1StringView tag, const QString& text) {
    return stamp + u' ' + tag + u' ' + text;
}

} // namespace

QString startLines(const QString& stamp, const QString& project) {
    return BeginMarker + ansi::LineEnd + taggedLine(stamp, StartedTag, project);
}

QString startingCommentLine(const QString& stamp, const QString& comment) {
    return ansi::LineEnd + taggedLine(stamp, StartingCommentsTag, comment);
}

QString stopLines(const QString& stamp, const QString& project, const QString& elapsedText) {
    QString text = taggedLine(stamp, StoppedTag, project) + ansi::LineEnd;
    text += TotalTimeTag + u' ' + elapsedText + ansi::LineEnd;
    text += EndMarker + ansi::LineEnd + ansi::LineEnd;
    return text;
}

QString noteLine(const QString& stamp, const QString& note) {
    // The note window gives LF line breaks; the log wants CR LF everywhere.
    return taggedLine(stamp, NotesTag, textlines::withCrLf(note));
}

} // namespace sessionlog
