#include "storage/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace textfile {
namespace {

FileResult failure(const QString& path, const QFileDevice& file) {
    return FileResult::failure(path, file.errorString(), int(file.error()));
}

// Reads the given number of bytes at the offset; fewer when the file is shorter.
QByteArray bytesAt(QFile& file, qint64 offset, qint64 count) {
    return file.seek(offset) ? file.read(count) : QByteArray();
}

// Whether the file's content ends with a line end, or holds nothing but a byte-order mark.
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

QString lineBreakReason(QStringView what) {
    return what.toString() + QStringLiteral(" cannot hold a line break");
}

Read readWhole(const QString& path, Missing missing) {
    const QFileInfo info(path);
    if (info.isDir())
        return {FileResult::failure(path, FolderReason), {}};
    if (!info.exists()) {
        if (missing == Missing::IsEmpty)
            return {FileResult::success(), {}};
        return {FileResult::failure(path, MissingReason), {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {failure(path, file), {}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {failure(path, file), {}};
    return {FileResult::success(), std::move(bytes)};
}

FileResult commitWhole(QSaveFile& file, const QString& path) {
    // Qt 6.4's QSaveFile::commit() renames the temporary file over the old one even when
    // flushing its buffer has just failed (a full disk), and reports success: a rewrite would
    // leave an empty or cut-off file. So the buffer is flushed first, and a failure gives up
    // the temporary file.
    const bool flushed = file.flush() && file.error() == QFileDevice::NoError;
    if (flushed && file.commit())
        return FileResult::success();
    // Taken before cancelWriting(), which puts its own words in their place.
    FileResult failed = failure(path, file);
    if (!flushed)
        file.cancelWriting();
    return failed;
}

FileResult writeWhole(const QString& path, QByteArrayView bytes) {
    if (QFileInfo(path).isDir())
        return FileResult::failure(path, FolderReason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file);
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        FileResult failed = failure(path, file);
        file.cancelWriting();
        return failed;
    }
    return commitWhole(file, path);
}

FileResult appendText(const QString& path, QStringView text, AppendEncoding appendEncoding) {
    if (QFileInfo(path).isDir())
        return FileResult::failure(path, FolderReason);

    QFile file(path);
    // Unbuffered, so that a full disk shows up at write() and not later at close(). Read as
    // well, to look at the last byte already there.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failure(path, file);

    const qint64 oldSize = file.size();
    ansi::Encoding encoding = ansi::Encoding::Windows1252;
    QByteArray bytes;
    if (appendEncoding == AppendEncoding::AsTheFileIs && oldSize == 0) {
        encoding = ansi::encodingForNewFile(text);
        bytes = ansi::byteOrderMark(encoding).toByteArray();
    } else if (appendEncoding == AppendEncoding::AsTheFileIs) {
        encoding = ansi::detectEncoding(bytesAt(file, 0, 3));
    }
    if (std::optional<QString> why = ansi::cannotHold(text, encoding))
        return FileResult::failure(path, QStringLiteral("Windows-1252 cannot hold %1").arg(*why));
    // A file last saved by hand may lack its final line end; what we add starts a line.
    const bool newLine = oldSize > 0 && !endsALine(file, oldSize, encoding);
    bytes += ansi::encodeAs(newLine ? ansi::LineEnd + text.toString() : text.toString(), encoding);
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || ::fsync(file.handle()) != 0) {
        const QString reason = written != bytes.size()
                                   ? file.errorString()
                                   : QString::fromLocal8Bit(std::strerror(errno));
        // Take back a partial line rather than leave half a record in the log.
        if (!file.resize(oldSize))
            ::ftruncate(file.handle(), oldSize);
        return FileResult::failure(path, reason);
    }
    file.close();
    return FileResult::success();
}

FileResult keepAsUtf8(const QString& path) {
    const Read read = readWhole(path);
    if (!read.result)
        return read.result;
    const ansi::DecodedFile decoded = ansi::decodeFile(read.bytes);
    if (decoded.encoding == ansi::Encoding::Utf8 && !read.bytes.isEmpty())
        return FileResult::success();
    return writeWhole(path, ansi::encodeFile(decoded.text, ansi::Encoding::Utf8));
}

} // namespace textfile
