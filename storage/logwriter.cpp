#include "storage/logwriter.h"

#include "storage/ansitext.h"
#include "storage/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Reads the given number of bytes at the offset; fewer when the file is shorter.
QByteArray bytesAt(QFile& file, qint64 offset, qint64 count) {
    return file.seek(offset) ? file.read(count) : QByteArray();
}

// Whether the file's content ends with a line end, or holds nothing but a byte-order mark,
// so that what is appended starts a line of its own.
bool endsALine(QFile& file, qint64 size, ansi::Encoding encoding) {
    const qint64 mark = ansi::byteOrderMark(encoding).size();
    const int unit = ansi::unitSize(encoding);
    if (size <= mark || size - mark < unit)
        return true;
    const QString last = ansi::decodeFile(ansi::byteOrderMark(encoding).toByteArray() +
                                          bytesAt(file, size - unit, unit))
                             .text;
    return last == u"\n" || last == u"\r";
}

} // namespace

FileResult appendText(const QString& path, QStringView text, AppendEncoding appendEncoding) {
    if (QFileInfo(path).isDir())
        return FileResult::failure(path, textfile::FolderReason);

    QFile file(path);
    // Unbuffered, so that a full disk shows up at write() and not later at close(). Read as
    // well, to look at the last byte already there.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return FileResult::failure(path, file.errorString());

    const qint64 oldSize = file.size();
    ansi::Encoding encoding = ansi::Encoding::Windows1252;
    QByteArray bytes;
    if (appendEncoding == AppendEncoding::AsTheFileIs && oldSize == 0) {
        encoding = ansi::encodingForNewFile(text);
        bytes = ansi::byteOrderMark(encoding).toByteArray();
    } else if (appendEncoding == AppendEncoding::AsTheFileIs) {
        encoding = ansi::detectEncoding(bytesAt(file, 0, 3));
    }
    // A file last saved by hand may lack its final line end; what we add starts a line.
    const bool newLine = oldSize > 0 && !endsALine(file, oldSize, encoding);
    bytes += ansi::encodeAs(newLine ? ansi::LineEnd + text.toString() : text.toString(), encoding);
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
