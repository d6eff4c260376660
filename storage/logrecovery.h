#pragma once

#include "storage/ansitext.h"
#include "storage/fileresult.h"

#include <QString>

// Lines that the session log still owed when the program ended, because the log could not be
// written, are kept in a file of their own in the user's data folder until the next start puts
// them back into the log. The file holds the lines exactly as they were to be appended, in the
// log's encoding (a UTF-8 one with its byte-order mark), each line ended by CR LF, so that they
// can also be copied over by hand.
namespace logrecovery {

// The recovery file for the given log. Each log has its own, so that copies of the program
// kept in different folders each get their own lines back. Empty without a data folder: then
// nothing is kept, and saving fails.
QString path(const QString& dataFolder, const QString& logPath);

// Writes the lines as the whole file, creating the folder when missing. The old file is
// replaced only when the new one is complete.
FileResult save(const QString& path, QStringView lines, ansi::Encoding encoding);

struct Load {
    FileResult result;
    QString lines; // empty when there is no file
};

// The lines kept in the file; no file gives no lines and success.
Load load(const QString& path);

// Deletes the file; a missing file is no failure.
FileResult remove(const QString& path);

} // namespace logrecovery
