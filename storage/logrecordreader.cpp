#include "storage/logrecordreader.h"

#include "storage/ansitext.h"
#include "storage/textlines.h"

using logformat::LineKind;

namespace {

const LogLine* firstOf(std::span<const LogLine> lines, LineKind kind) {
    for (const LogLine& line : lines) {
        if (line.line.kind == kind)
            return &line;
    }
    return nullptr;
}

const LogLine* lastOf(std::span<const LogLine> lines, LineKind kind) {
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        if (it->line.kind == kind)
            return &*it;
    }
    return nullptr;
}

// Walks the file once, keeping the lines of the record being read.
class Walk {
public:
    Walk(QByteArrayView bytes, const LogRecordReader::Visit& visit)
        : m_bytes(bytes)
        , m_visit(visit) {}

    void run() {
        qsizetype number = 0;
        textlines::forEach(m_bytes, [&](textlines::Line l) {
            ++number;
            line(l.start, l.length,
                 l.start + l.length + qsizetype(textlines::endText(l.end).size()), number);
        });
        flush(m_inRecord ? LogRecord::Shape::Open : LogRecord::Shape::Loose, m_bytes.size());
    }

private:
    void line(qsizetype start, qsizetype length, qsizetype next, qsizetype number) {
        const QByteArrayView text = m_bytes.sliced(start, length);
        const logformat::Line kind = logformat::classify(text);
        switch (kind.kind) {
        case LineKind::Empty:
            return;
        case LineKind::Begin: {
            const qsizetype at = logformat::beginMarkerAt(text);
            if (at > 0) {
                // The text in front of the marker is a line whose end was lost; it belongs to
                // what came before.
                const QByteArrayView cut = text.first(at);
                const logformat::Line cutKind = logformat::classify(cut);
                if (cutKind.kind == LineKind::End) {
                    flush(m_inRecord ? LogRecord::Shape::Whole : LogRecord::Shape::Headless,
                          start + at);
                } else {
                    add(start, at, number, cutKind);
                }
            }
            flush(m_inRecord ? LogRecord::Shape::Cut : LogRecord::Shape::Loose, start + at);
            m_inRecord = true;
            m_start = start + at;
            m_firstNumber = number;
            return;
        }
        case LineKind::End:
            if (!m_inRecord && m_lines.empty()) {
                m_start = start;
                m_firstNumber = number;
            }
            flush(m_inRecord ? LogRecord::Shape::Whole : LogRecord::Shape::Headless, next);
            return;
        default:
            add(start, length, number, kind);
            return;
        }
    }

    void add(qsizetype start, qsizetype length, qsizetype number, const logformat::Line& kind) {
        if (!m_inRecord && m_lines.empty()) {
            m_start = start;
            m_firstNumber = number;
        }
        m_lines.push_back({start, length, number, kind});
    }

    // Hands on the record read so far, if it has anything to hand on, and starts afresh.
    void flush(LogRecord::Shape shape, qsizetype end) {
        const bool nothing = m_lines.empty() && (shape == LogRecord::Shape::Loose);
        if (!nothing) {
            LogRecord record;
            record.shape = shape;
            record.start = m_start;
            record.end = end;
            record.firstLineNumber = m_firstNumber;
            record.lines = m_lines;
            m_visit(record);
        }
        m_lines.clear();
        m_inRecord = false;
    }

    QByteArrayView m_bytes;
    const LogRecordReader::Visit& m_visit;
    std::vector<LogLine> m_lines;
    bool m_inRecord = false;
    qsizetype m_start = 0;
    qsizetype m_firstNumber = 0;
};

} // namespace

const LogLine* LogRecord::started() const {
    return firstOf(lines, LineKind::Started);
}

const LogLine* LogRecord::stopped() const {
    return lastOf(lines, LineKind::Stopped);
}

const LogLine* LogRecord::total() const {
    return lastOf(lines, LineKind::TotalTime);
}

void LogRecordReader::read(QByteArrayView bytes, const Visit& visit) {
    Walk(bytes, visit).run();
}
