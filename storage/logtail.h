#pragma once

#include "storage/fileresult.h"
#include "storage/logrecordreader.h"

#include <QString>

#include <optional>

// The last session record of the log, read from the file's last bytes only: what a status
// line, or a check of a moment against the record before it, needs, without reading a log of
// a hundred thousand sessions whole.
struct LogTail {
    struct Record {
        LogRecord::Shape shape = LogRecord::Shape::Whole;
        QString project;
        QString startStamp; // empty when the record has no started line
        QString stopStamp;  // empty when it has no stopped line
        QString startingComment;
    };

    FileResult result = FileResult::success();
    // Nothing in a missing or empty log, or one without any record.
    std::optional<Record> last;

    static LogTail read(const QString& path);
    // The same from the bytes of a whole log.
    static std::optional<Record> lastRecord(QByteArrayView bytes);
};
