#include "storage/datafiles.h"

#include <QDir>
#include <QFileInfo>

namespace datafiles {

QString path(const QString& folder, QStringView fileName) {
    return QDir::toNativeSeparators(QDir(folder).filePath(fileName.toString()));
}

bool FileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace datafiles
