#include "storage/logtail.h"

#include "storage/ansitext.h"
#include "storage/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Most records are a few hundred bytes; the tail grows until it holds the last one whole.
constexpr qint64 FirstTailBytes = 16 * 1024;

struct Found {
    std::optional<LogTail::Record> record;
    // The record began in the bytes read, so nothing of it lies before them.
    bool whole = false;
};

Found lastIn(QByteArrayView bytes, ansi::Encoding encoding) {
    Found found;
    LogRecordReader::read(bytes, [&](const LogRecord& r) {
        const LogLine* started = r.begun() ? r.started() : nullptr;
        const LogLine* stopped = r.shape == LogRecord::Shape::Loose ? nullptr : r.stopped();
        if (!started && !stopped && !r.begun())
            return;
        LogTail::Record record;
        record.shape = r.shape;
        const auto text = [encoding](QByteArrayView b) { return ansi::decodeAs(b, encoding); };
        if (started) {
            record.project = text(started->line.text);
            record.startStamp = text(started->line.stamp);
        } else if (stopped) {
            record.project = text(stopped->line.text);
        }
        if (stopped)
            record.stopStamp = text(stopped->line.stamp);
        for (const LogLine& line : r.lines) {
            if (line.line.kind == logformat::LineKind::StartingComments) {
                record.startingComment = text(line.line.text);
                break;
            }
        }
        found.record = std::move(record);
        found.whole = r.begun();
    });
    return found;
}

} // namespace

std::optional<LogTail::Record> LogTail::lastRecord(QByteArrayView bytes) {
    return lastIn(bytes, ansi::detectEncoding(bytes)).record;
}

LogTail LogTail::read(const QString& path) {
    if (QFileInfo(path).isDir())
        return {FileResult::failure(path, textfile::FolderReason), {}};
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {FileResult::failure(path, file.errorString(), int(file.error())), {}};
    const qint64 size = file.size();
    const ansi::Encoding encoding = ansi::detectEncoding(file.read(3));
    for (qint64 want = FirstTailBytes;; want *= 4) {
        const qint64 from = std::max<qint64>(0, size - want);
        if (!file.seek(from))
            return {FileResult::failure(path, file.errorString(), int(file.error())), {}};
        const QByteArray bytes = file.read(size - from);
        if (file.error() != QFileDevice::NoError)
            return {FileResult::failure(path, file.errorString(), int(file.error())), {}};
        // A tail that starts inside the file starts after the line it cut into.
        QByteArrayView tail(bytes);
        if (from > 0) {
            qsizetype next = 0;
            while (next < tail.size() && tail[next] != '\n' && tail[next] != '\r')
                ++next;
            if (next + 1 < tail.size() && tail[next] == '\r' && tail[next + 1] == '\n')
                ++next;
            tail = tail.sliced(std::min(next + 1, tail.size()));
        }
        const Found found = lastIn(tail, encoding);
        if (from == 0 || found.whole)
            return {FileResult::success(), found.record};
    }
}
