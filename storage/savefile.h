#pragma once

#include "storage/fileresult.h"

#include <QFileDevice>

class QSaveFile;

// Puts a QSaveFile's new content in place of the old, or leaves the old file whole.
//
// Qt 6.4's QSaveFile::commit() renames the temporary file over the old one even when flushing
// its buffer has just failed (a full disk), and reports success: a rewrite would leave an
// empty or cut-off file. So the buffer is flushed first, and a failure gives up the temporary
// file. The error code, when asked for, is the file device's own.
FileResult commitWhole(QSaveFile& file, const QString& path,
                       QFileDevice::FileError* error = nullptr);
