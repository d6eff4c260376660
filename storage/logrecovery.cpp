#include "storage/logrecovery.h"

#include "storage/ansitext.h"
#include "storage/savefile.h"
#include "storage/textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace logrecovery {

QString path(const QString& dataFolder, const QString& logPath) {
    if (dataFolder.isEmpty())
        return {};
    const QByteArray key = QFileInfo(logPath).absoluteFilePath().toUtf8();
    const QByteArray id = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(12);
    return QDir::toNativeSeparators(
        QDir(dataFolder)
            .filePath(QStringLiteral("Unwritten log lines %1.txt").arg(QString::fromLatin1(id))));
}

FileResult save(const QString& path, QStringView lines) {
    if (path.isEmpty()) {
        return FileResult::failure(QStringLiteral("the user's data folder"),
                                   QStringLiteral("the system names none"));
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return FileResult::failure(path, QStringLiteral("the folder could not be created"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(path, file.errorString());
    const QByteArray bytes = ansi::encode(lines);
    if (file.write(bytes) != bytes.size()) {
        const FileResult failed = FileResult::failure(path, file.errorString());
        file.cancelWriting();
        return failed;
    }
    return commitWhole(file, path);
}

Load load(const QString& path) {
    textfile::Read read = textfile::readWhole(path);
    if (!read.result)
        return {std::move(read.result), {}};
    return {FileResult::success(), ansi::decode(read.bytes)};
}

FileResult remove(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.exists() || file.remove())
        return FileResult::success();
    return FileResult::failure(path, file.errorString());
}

} // namespace logrecovery
