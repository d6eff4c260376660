#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Our text files are 8-bit Windows-1252 with CR LF line ends, so that files written by the
// program on any platform read the same everywhere.
namespace ansi {

inline const QString LineEnd = QStringLiteral("\r\n");

// Characters that Windows-1252 cannot hold are written as '?'.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// Splits text read from a file into lines. CR LF, LF and CR all end a line; a final line end
// does not start another line, so "a\r\n" is one line and "" is none.
QStringList splitLines(QStringView text);

} // namespace ansi
