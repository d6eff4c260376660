#pragma once

#include "storage/fileresult.h"

#include <QByteArray>
#include <QString>

// Reading a data file whole, and the reasons given when a file cannot be used, so that every
// file of the program fails in the same words.
namespace textfile {

inline const QString FolderReason = QStringLiteral("it is a folder, not a file");
inline const QString MissingReason = QStringLiteral("the file does not exist yet");

// "<what> cannot hold a line break": a value that would come back as two lines.
QString lineBreakReason(QStringView what);

struct Read {
    FileResult result;
    QByteArray bytes;
};

// The file's bytes. A missing file reads as no bytes and success; a folder, or a file that
// cannot be opened or read to its end, gives a failure and no bytes.
Read readWhole(const QString& path);

} // namespace textfile
