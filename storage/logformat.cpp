#include "storage/logformat.h"

#include "storage/ansitext.h"
#include "storage/textlines.h"

#include <array>

namespace logformat {
namespace {

// "<stamp> <tag> <text>"
QString taggedLine(const QString& stamp, QLatin1StringView tag, const QString& text) {
    return stamp + u' ' + tag + u' ' + text;
}

struct Tag {
    QByteArrayView text;
    LineKind kind;
};

constexpr std::array<Tag, 4> StampedTags = {{
    {bytes(StartedTag), LineKind::Started},
    {bytes(StoppedTag), LineKind::Stopped},
    {bytes(NotesTag), LineKind::Notes},
    {bytes(StartingCommentsTag), LineKind::StartingComments},
}};

constexpr QByteArrayView TotalTimeStart = "[Total Time] ";

// The text after a tag: past the space that follows it. A name lost to an editor's trimming
// is empty.
QByteArrayView after(QByteArrayView rest, QByteArrayView tag) {
    QByteArrayView text = rest.sliced(tag.size());
    return text.startsWith(' ') ? text.sliced(1) : text;
}

Line stamped(QByteArrayView line) {
    for (qsizetype at = line.indexOf('[', 1); at > 0; at = line.indexOf('[', at + 1)) {
        if (line[at - 1] != ' ')
            continue;
        const QByteArrayView rest = line.sliced(at);
        for (const Tag& tag : StampedTags) {
            if (rest.startsWith(tag.text))
                return {tag.kind, line.first(at - 1), after(rest, tag.text)};
        }
    }
    return {};
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
    // The note window gives LF line breaks; the log wants CR LF everywhere. A further line
    // that would read as a marker or a stamped line of its own (a record pasted into a note)
    // is indented by a tab, which keeps it the user's text.
    QString text;
    text.reserve(note.size() + 16);
    bool first = true;
    textlines::forEach(note, [&](textlines::Line line) {
        const QStringView part = QStringView(note).sliced(line.start, line.length);
        const LineKind kind = classify(ansi::encodeAs(part, ansi::Encoding::Utf8)).kind;
        if (!first && kind != LineKind::Other && kind != LineKind::Empty)
            text += u'\t';
        text += part;
        if (line.end != textlines::LineEnd::None)
            text += ansi::LineEnd;
        first = false;
    });
    return taggedLine(stamp, NotesTag, text);
}

bool canStartRecord(const QString& project) {
    return !project.endsWith(BeginMarker);
}

Line classify(QByteArrayView line) {
    if (line.isEmpty())
        return {LineKind::Empty, {}, {}};
    // A further line of a note that would read as something else is written indented.
    if (line.startsWith('\t'))
        return {};
    if (line == bytes(EndMarker))
        return {LineKind::End, {}, {}};
    if (line.endsWith(bytes(BeginMarker))) {
        const Line cut = stamped(line.chopped(BeginMarker.size()));
        if (cut.kind != LineKind::Notes && cut.kind != LineKind::StartingComments)
            return {LineKind::Begin, {}, {}};
    }
    if (line.startsWith(TotalTimeStart))
        return {LineKind::TotalTime, {}, line.sliced(TotalTimeStart.size())};
    return stamped(line);
}

qsizetype beginMarkerAt(QByteArrayView line) {
    return line.size() - BeginMarker.size();
}

} // namespace logformat
