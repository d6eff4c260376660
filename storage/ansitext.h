#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Our text files are 8-bit Windows-1252 with CR LF line ends, so that files written by the
// program on any platform read the same everywhere.
namespace ansi {

// How a settings or project file is stored. Files the program creates are Windows-1252; a
// file that another program saved as Unicode starts with a byte-order mark, and keeps its
// encoding when the program writes to it, so that no file ends up holding two encodings.
enum class Encoding : quint8 { Windows1252, Utf8, Utf16LE, Utf16BE };

// The encoding that the file's first bytes announce; without a byte-order mark, Windows-1252.
// A prefix of a file is enough.
Encoding detectEncoding(QByteArrayView bytes);

// The byte-order mark that starts a file in this encoding; none for Windows-1252.
QByteArrayView byteOrderMark(Encoding encoding);

struct DecodedFile {
    QString text;
    Encoding encoding;
};

// A whole file's bytes as text, the byte-order mark recognised and left out.
DecodedFile decodeFile(QByteArrayView bytes);

// Bytes in the encoding, without a byte-order mark: a piece of a file whose encoding is known.
QString decodeAs(QByteArrayView bytes, Encoding encoding);

// Text in the encoding, without a byte-order mark: what an append adds. Windows-1252 writes
// characters it cannot hold as '?'.
QByteArray encodeAs(QStringView text, Encoding encoding);

// A whole file: the byte-order mark, then the text.
QByteArray encodeFile(QStringView text, Encoding encoding);

// The encoding for a file that is to hold the text and is not yet bound to one: Windows-1252,
// unless the text's first bytes would then read as a byte-order mark ("ÿþ..."); such
// text goes in UTF-8 with its mark, so that it reads back as written.
Encoding encodingForNewFile(QStringView text);

// The byte length of one character in the encoding: 2 for UTF-16, else 1. A line end at the
// end of a file is read in units of this size.
int unitSize(Encoding encoding);

inline const QString LineEnd = QStringLiteral("\r\n");

// The characters of the text that Windows-1252 cannot hold, each once, in the order they first
// come: what an append to a Windows-1252 file would lose.
QList<char32_t> unencodable(QStringView text);

// The characters of the text that a file in the encoding cannot hold, named for a message
// ("\"日\" (U+65E5), \"本\" (U+672C)"); nothing when it can hold them all. Nothing is ever
// written as '?' without a word.
std::optional<QString> cannotHold(QStringView text, Encoding encoding);

// Characters that Windows-1252 cannot hold are written as '?'; callers that write files ask
// cannotHold() first.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

} // namespace ansi
