#include "scratchfolder.h"

#include "fuzzcheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace scratch {
namespace {

QString scratchParent() {
    // Files in /dev/shm never reach a disk, which keeps a long run fast and spares the disk.
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

const QTemporaryDir& folder() {
    static const QTemporaryDir dir(scratchParent() + QStringLiteral("/tallyhawk-fuzz-XXXXXX"));
    FUZZ_CHECK(dir.isValid());
    return dir;
}

} // namespace

QString path(const QString& fileName) {
    return folder().filePath(fileName);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace scratch
