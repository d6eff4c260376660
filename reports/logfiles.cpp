#include "reports/logfiles.h"

#include "storage/textfile.h"

#include <QFile>
#include <QSaveFile>

namespace logfiles {

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
    return textfile::commitWhole(out, target);
}

} // namespace logfiles
