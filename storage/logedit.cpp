#include "storage/logedit.h"

#include "storage/datafiles.h"
#include "storage/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr QByteArrayView Heading = "Tallyhawk undo 1\n";

} // namespace

std::optional<QByteArray> LogEdit::applyTo(QByteArrayView log) const {
    if (start < 0 || start + old.size() > log.size() ||
        log.sliced(start, old.size()) != QByteArrayView(old))
        return std::nullopt;
    QByteArray changed;
    changed.reserve(log.size() - old.size() + replacement.size());
    changed += log.first(start);
    changed += replacement;
    changed += log.sliced(start + old.size());
    return changed;
}

namespace undofile {

QString path(const QString& dataFolder, const QString& logPath) {
    return datafiles::perLog(dataFolder, logPath, u"Last log change", u".undo");
}

FileResult save(const QString& path, const LogEdit& edit) {
    if (path.isEmpty()) {
        return FileResult::failure(QStringLiteral("the user's data folder"),
                                   QStringLiteral("the system names none"));
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return FileResult::failure(path, QStringLiteral("the folder could not be created"));
    QByteArray bytes = Heading.toByteArray();
    bytes += QByteArray::number(edit.start) + ' ' + QByteArray::number(edit.old.size()) + ' ' +
             QByteArray::number(edit.replacement.size()) + '\n';
    bytes += edit.old + edit.replacement;
    return textfile::writeWhole(path, bytes);
}

Load load(const QString& path) {
    if (path.isEmpty())
        return {};
    const textfile::Read read = textfile::readWhole(path);
    if (!read.result)
        return {read.result, std::nullopt};
    const QByteArrayView bytes(read.bytes);
    if (!bytes.startsWith(Heading))
        return {};
    const qsizetype lineEnd = bytes.indexOf('\n', Heading.size());
    if (lineEnd < 0)
        return {};
    const QList<QByteArray> numbers =
        bytes.sliced(Heading.size(), lineEnd - Heading.size()).toByteArray().split(' ');
    if (numbers.size() != 3)
        return {};
    bool ok[3] = {};
    const qsizetype start = numbers[0].toLongLong(&ok[0]);
    const qsizetype oldSize = numbers[1].toLongLong(&ok[1]);
    const qsizetype newSize = numbers[2].toLongLong(&ok[2]);
    const qsizetype body = lineEnd + 1;
    if (!ok[0] || !ok[1] || !ok[2] || start < 0 || oldSize < 0 || newSize < 0 ||
        body + oldSize + newSize != bytes.size())
        return {};
    return {FileResult::success(), LogEdit{start, bytes.sliced(body, oldSize).toByteArray(),
                                           bytes.sliced(body + oldSize, newSize).toByteArray()}};
}

FileResult remove(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.exists() || file.remove())
        return FileResult::success();
    return FileResult::failure(path, file.errorString());
}

} // namespace undofile
