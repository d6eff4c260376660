#include "reports/logfiles.h"

#include "storage/ansitext.h"
#include "storage/savefile.h"
#include "storage/textfile.h"
#include "storage/textlines.h"

#include <QFile>
#include <QSaveFile>

namespace logfiles {
namespace {

WriteResult failed(const QString& path, const QFileDevice& file) {
    return {FileResult::failure(path, file.errorString()), int(file.error())};
}

} // namespace

WriteResult replaceText(const QString& path, QStringView text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(path, file);
    const QByteArray bytes = ansi::encode(textlines::withCrLf(text) + ansi::LineEnd);
    if (file.write(bytes) != bytes.size()) {
        WriteResult result = failed(path, file);
        file.cancelWriting();
        return result;
    }
    QFileDevice::FileError error = QFileDevice::NoError;
    FileResult committed = commitWhole(file, path, &error);
    return {std::move(committed), int(error)};
}

FileResult copyFile(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.exists())
        return FileResult::failure(source, textfile::MissingReason);
    if (!in.open(QIODevice::ReadOnly))
        return FileResult::failure(source, in.errorString());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return FileResult::failure(target, out.errorString());
    // In pieces, so that copying a large log does not hold it in memory twice.
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(chunk.data(), chunk.size());
        if (got < 0) {
            out.cancelWriting();
            return FileResult::failure(source, in.errorString());
        }
        if (got == 0)
            break;
        if (out.write(chunk.constData(), got) != got) {
            const QString reason = out.errorString();
            out.cancelWriting();
            return FileResult::failure(target, reason);
        }
    }
    return commitWhole(out, target);
}

} // namespace logfiles
