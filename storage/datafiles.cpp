#include "storage/datafiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace datafiles {

QString path(const QString& folder, QStringView fileName) {
    return QDir::toNativeSeparators(QDir(folder).filePath(fileName.toString()));
}

QString perLog(const QString& dataFolder, const QString& logPath, QStringView name,
               QStringView suffix) {
    if (dataFolder.isEmpty())
        return {};
    const QByteArray key = QFileInfo(logPath).absoluteFilePath().toUtf8();
    const QByteArray id = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(12);
    return path(dataFolder, name.toString() + u' ' + QString::fromLatin1(id) + suffix.toString());
}

bool FileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace datafiles
