#pragma once

#include <QByteArrayView>

// The session log's lines, walked over its bytes without copying them. CR LF, LF and CR all
// end a line: logs copied through other systems keep their text but not always their line ends.
namespace loglines {

// Calls line(start, length) for every line, empty ones included, in file order. A final line
// end does not start another line.
template <typename LineFunction> void forEach(QByteArrayView bytes, LineFunction&& line) {
    const qsizetype n = bytes.size();
    const char* data = bytes.data();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        line(start, i - start);
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        line(start, n - start);
}

} // namespace loglines
