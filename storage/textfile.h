#pragma once

#include "storage/ansitext.h"
#include "storage/fileresult.h"

#include <QByteArray>
#include <QString>

class QSaveFile;

// Every data file of the program is read, replaced and appended to here, so that each kind of
// access works, and fails, in the same way and in the same words for every file.
namespace textfile {

inline const QString FolderReason = QStringLiteral("it is a folder, not a file");
inline const QString MissingReason = QStringLiteral("the file does not exist");

// "<what> cannot hold a line break": a value that would come back as two lines.
QString lineBreakReason(QStringView what);

// Whether a missing file reads as an empty one, as it does for files the program creates on
// first use, or is a failure, as it is for a file the user named.
enum class Missing : quint8 { IsEmpty, IsFailure };

struct Read {
    FileResult result;
    QByteArray bytes;
};

// The file's bytes. A folder, or a file that cannot be opened or read to its end, gives a
// failure and no bytes.
Read readWhole(const QString& path, Missing missing = Missing::IsEmpty);

// Replaces the file's content with the bytes. The old file is replaced only once the new
// content is complete on disk; on any failure it is left as it was and no temporary file stays.
FileResult writeWhole(const QString& path, QByteArrayView bytes);

// Puts a QSaveFile's new content in place of the old, or gives it up and leaves the old file
// whole; for a caller that writes the content in pieces.
FileResult commitWhole(QSaveFile& file, const QString& path);

// How text is encoded when it is appended: always as Windows-1252, or in the encoding that the
// file's byte-order mark announces (a new file gets one only where its first characters need
// it, see ansi::encodingForNewFile).
enum class AppendEncoding : quint8 { Windows1252, AsTheFileIs };

// Appends the text to the file (created when missing), flushes it and syncs it to disk before
// returning. A failed write leaves the file at its old length, so a line is either there whole
// or not at all. A file whose last line has no line end gets one first, so that what is
// appended starts a line of its own. Text the file's encoding cannot hold is refused whole.
FileResult appendText(const QString& path, QStringView text,
                      AppendEncoding encoding = AppendEncoding::Windows1252);

// Rewrites the file as UTF-8 with its byte-order mark, whatever it was; a missing file is made
// holding the mark alone, so that what is written to it later is UTF-8 too.
FileResult keepAsUtf8(const QString& path);

} // namespace textfile
