#pragma once

#include "storage/ansitext.h"
#include "tests/support/localzone.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Session logs written line by line for the totals tests, with United States stamps.
namespace sessionlogtext {

inline const QString Begin = QStringLiteral("<!--  BEGIN SESSION //-->");
inline const QString End = QStringLiteral("<!--  END SESSION  -->");

// A closed record as the main window writes it, with its two empty lines.
inline QStringList record(const QString& project, const QString& started, const QString& stopped,
                          const QString& total, const QStringList& middle = {}) {
    QStringList lines{Begin, started + QStringLiteral(" [Started] ") + project};
    lines += middle;
    lines += {stopped + QStringLiteral(" [Stopped] ") + project,
              QStringLiteral("[Total Time] ") + total, End, QString(), QString()};
    return lines;
}

// The start lines of a session that has not stopped.
inline QStringList running(const QString& project, const QString& started) {
    return {Begin, started + QStringLiteral(" [Started] ") + project,
            started + QStringLiteral(" [Starting Comments] ") + QStringLiteral("Default")};
}

inline QByteArray bytes(const QStringList& lines, const QString& lineEnd = QStringLiteral("\r\n")) {
    QString text;
    for (const QString& line : lines)
        text += line + lineEnd;
    return ansi::encode(text);
}

// Durations read from two stamps depend on the zone's summer time, so the tests name theirs.
using ::LocalZone;

} // namespace sessionlogtext
