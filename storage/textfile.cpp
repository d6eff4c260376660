#include "storage/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace textfile {

QString lineBreakReason(QStringView what) {
    return what.toString() + QStringLiteral(" cannot hold a line break");
}

Read readWhole(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return {FileResult::failure(path, FolderReason), {}};
    if (!info.exists())
        return {FileResult::success(), {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileResult::failure(path, file.errorString()), {}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileResult::failure(path, file.errorString()), {}};
    return {FileResult::success(), std::move(bytes)};
}

} // namespace textfile
