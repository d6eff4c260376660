#include "storage/logrecovery.h"

#include "storage/datafiles.h"
#include "storage/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace logrecovery {

QString path(const QString& dataFolder, const QString& logPath) {
    return datafiles::perLog(dataFolder, logPath, u"Unwritten log lines", u".txt");
}

FileResult save(const QString& path, QStringView lines, ansi::Encoding encoding) {
    if (path.isEmpty()) {
        return FileResult::failure(QStringLiteral("the user's data folder"),
                                   QStringLiteral("the system names none"));
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return FileResult::failure(path, QStringLiteral("the folder could not be created"));
    return textfile::writeWhole(path, ansi::encodeFile(lines, encoding));
}

Load load(const QString& path) {
    textfile::Read read = textfile::readWhole(path);
    if (!read.result)
        return {std::move(read.result), {}};
    return {FileResult::success(), ansi::decodeFile(read.bytes).text};
}

FileResult remove(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.exists() || file.remove())
        return FileResult::success();
    return FileResult::failure(path, file.errorString());
}

} // namespace logrecovery
