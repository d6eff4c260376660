#include "storage/sessionlog.h"

#include "storage/ansitext.h"

namespace sessionlog {

QString startLines(const QString& stamp, const QString& project) {
    return BeginMarker + ansi::LineEnd + stamp + QStringLiteral(" [Started] ") + project;
}

QString startingCommentLine(const QString& stamp, const QString& comment) {
    return ansi::LineEnd + stamp + QStringLiteral(" [Starting Comments] ") + comment;
}

QString stopLines(const QString& stamp, const QString& project, const QString& elapsedText) {
    QString text = stamp + QStringLiteral(" [Stopped] ") + project + ansi::LineEnd;
    text += QStringLiteral("[Total Time] ") + elapsedText + ansi::LineEnd;
    text += EndMarker + ansi::LineEnd + ansi::LineEnd;
    return text;
}

QString noteLine(const QString& stamp, const QString& note) {
    // The note window gives LF line breaks; the log wants CR LF everywhere.
    QString body = note;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(u'\r', u'\n');
    body.replace(QStringLiteral("\n"), ansi::LineEnd);
    return stamp + QStringLiteral(" [Notes] ") + body;
}

} // namespace sessionlog
