#pragma once

#include "storage/fileresult.h"

#include <QString>

// File operations of the Reports window. Both replace their target through a temporary file,
// so that a failure leaves the old file in place rather than half a new one.
namespace logfiles {

struct WriteResult {
    FileResult result;
    // Qt's file error code (QFileDevice::FileError) of a failure, 0 on success.
    int errorNumber = 0;
};

// Replaces the file's content with the text, each line ended by CR LF, and one more CR LF
// after it, as Windows-1252.
WriteResult replaceText(const QString& path, QStringView text);

// Copies the file byte for byte, replacing the target without asking.
FileResult copyFile(const QString& source, const QString& target);

} // namespace logfiles
