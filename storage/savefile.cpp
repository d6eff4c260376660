#include "storage/savefile.h"

#include <QSaveFile>

FileResult commitWhole(QSaveFile& file, const QString& path, QFileDevice::FileError* error) {
    const bool flushed = file.flush() && file.error() == QFileDevice::NoError;
    if (flushed && file.commit())
        return FileResult::success();
    // Taken before cancelWriting(), which puts its own words in their place.
    const QString reason = file.errorString();
    if (error)
        *error = file.error();
    if (!flushed)
        file.cancelWriting();
    return FileResult::failure(path, reason);
}
