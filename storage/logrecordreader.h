#pragma once

#include "storage/logformat.h"

#include <QByteArrayView>

#include <functional>
#include <span>
#include <vector>

// One line of the session log, as a span of the file's bytes.
struct LogLine {
    qsizetype start = 0;  // byte offset in the file
    qsizetype length = 0; // without its line end
    qsizetype number = 0; // counted from 1, as an editor counts them
    logformat::Line line;
};

// A session record, or a run of lines between records, as the log holds it.
struct LogRecord {
    enum class Shape : quint8 {
        // From a begin marker to an end marker.
        Whole,
        // From a begin marker to the next one: its end never came (the program was killed).
        Cut,
        // From a begin marker to the end of the file: a session still running, or cut short
        // at the end.
        Open,
        // Lines closed by an end marker without a begin marker: the stop lines of a session
        // whose start lines were cleared away while it ran.
        Headless,
        // Lines between records: a note saved after its session stopped, or text the program
        // did not write.
        Loose,
    };

    Shape shape = Shape::Loose;
    // The bytes from the record's first line (its begin marker) to the end of its last line,
    // line end included (the end marker's). A cut record ends where the next one begins.
    qsizetype start = 0;
    qsizetype end = 0;
    // The number of its first line.
    qsizetype firstLineNumber = 0;
    // Its lines but the markers and empty lines, in file order.
    std::span<const LogLine> lines;

    bool begun() const { return shape != Shape::Headless && shape != Shape::Loose; }
    // Its first started line, last stopped line and last total-time line; null when it has
    // none.
    const LogLine* started() const;
    const LogLine* stopped() const;
    const LogLine* total() const;
};

// The one reader of the session log's structure, from the file's bytes in either of its
// encodings and with any line ends. Every line but the markers and empty lines is a line of
// exactly one record, in file order, and every record is handed on, Loose ones included.
class LogRecordReader {
public:
    using Visit = std::function<void(const LogRecord&)>;
    static void read(QByteArrayView bytes, const Visit& visit);
};
