#include "storage/logwriter.h"

#include "storage/ansitext.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

FileResult appendText(const QString& path, QStringView text) {
    if (QFileInfo(path).isDir())
        return FileResult::failure(path, QStringLiteral("it is a folder, not a file"));

    QFile file(path);
    // Unbuffered, so that a full disk shows up at write() and not later at close(). Read as
    // well, to look at the last byte already there.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return FileResult::failure(path, file.errorString());

    const qint64 oldSize = file.size();
    QByteArray bytes = ansi::encode(text);
    // A file last saved by hand may lack its final line end; what we add starts a line.
    char last = '\n';
    if (oldSize > 0 && file.seek(oldSize - 1) && file.getChar(&last) && last != '\n' &&
        last != '\r')
        bytes.prepend("\r\n");
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || ::fsync(file.handle()) != 0) {
        const QString reason = written != bytes.size() ? file.errorString() : systemReason(errno);
        // Take back a partial line rather than leave half a record in the log.
        if (!file.resize(oldSize))
            ::ftruncate(file.handle(), oldSize);
        return FileResult::failure(path, reason);
    }
    file.close();
    return FileResult::success();
}

FileResult FlushLog(PendingLog& pending, const QString& logPath) {
    const QString chunk = pending.m_unwritten + pending.m_text + ansi::LineEnd;
    FileResult result = appendText(logPath, chunk);
    pending.m_unwritten = result.ok() ? QString() : chunk;
    pending.m_text.clear();
    return result;
}
