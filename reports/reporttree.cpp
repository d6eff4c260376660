#include "reports/reporttree.h"

#include "storage/ansitext.h"
#include "storage/logrecordreader.h"

#include <algorithm>

namespace {

constexpr QByteArrayView StartedTag = logformat::bytes(logformat::StartedTag);
constexpr QByteArrayView StoppedTag = logformat::bytes(logformat::StoppedTag);

} // namespace

// Takes the log's records in order and keeps, for each session, where its lines begin and its
// label.
class ReportTree::Builder {
public:
    explicit Builder(ReportTree& tree)
        : m_tree(tree) {}

    void run() {
        const QByteArrayView bytes(m_tree.m_bytes);
        m_tree.m_lines.reserve(size_t(bytes.size() / 48 + 1));
        LogRecordReader::read(bytes, [this](const LogRecord& record) { add(record); });
        // Lines that belong to no session yet are shown on their own rather than vanish.
        if (m_tree.m_sessions.empty() && current() > 0)
            m_tree.m_sessions.push_back({0, label(0, current()), {}});
    }

private:
    qsizetype current() const { return qsizetype(m_tree.m_lines.size()); }

    void add(const LogRecord& record) {
        // A session still running stays out until it stops.
        if (record.shape == LogRecord::Shape::Open)
            return;
        const qsizetype first = current();
        for (const LogLine& line : record.lines)
            m_tree.m_lines.push_back({line.start, line.length});
        // Lines between records join the session before them; in front of the first record
        // they join it.
        if (record.shape == LogRecord::Shape::Loose)
            return;
        m_tree.m_sessions.push_back({m_tree.m_sessions.empty() ? 0 : first,
                                     label(first, current()),
                                     {record.start, record.end - record.start}});
    }

    // The text after the first "[Started]" of the lines, up to a second one in that line; for
    // lines that lost their start lines, the same after "[Stopped]".
    Span label(qsizetype from, qsizetype to) const {
        for (const QByteArrayView tag : {StartedTag, StoppedTag}) {
            for (qsizetype i = from; i < to; ++i) {
                const Span line = m_tree.m_lines[size_t(i)];
                const QByteArrayView text = m_tree.view(line);
                const logformat::Line kind = logformat::classify(text);
                const bool wanted = tag == StartedTag ? kind.kind == logformat::LineKind::Started
                                                      : kind.kind == logformat::LineKind::Stopped;
                if (!wanted)
                    continue;
                const qsizetype after = kind.stamp.size() + 1 + tag.size();
                const qsizetype next = text.indexOf(tag, after);
                const qsizetype length = (next < 0 ? text.size() : next) - after;
                return {line.start + after, length};
            }
        }
        return {};
    }

    ReportTree& m_tree;
};

ReportTree ReportTree::build(QByteArray fileBytes) {
    ReportTree tree;
    tree.m_bytes = std::move(fileBytes);
    tree.m_encoding = ansi::detectEncoding(tree.m_bytes);
    Builder(tree).run();
    tree.m_lines.shrink_to_fit();
    return tree;
}

ReportTree ReportTree::fromText(QStringView text) {
    return build(ansi::encode(text));
}

QByteArrayView ReportTree::recordBytes(qsizetype session) const {
    return view(m_sessions[size_t(session)].record);
}

QString ReportTree::sessionKey(qsizetype session) const {
    return u'I' + QString::number(session + 1);
}

QString ReportTree::sessionText(qsizetype session) const {
    QString text = QStringLiteral("Session #") + QString::number(session + 1) + u'-';
    text += projectText(session);
    return text;
}

QString ReportTree::decode(Span span) const {
    return ansi::decodeAs(view(span), m_encoding);
}

QString ReportTree::projectText(qsizetype session) const {
    return decode(m_sessions[size_t(session)].project);
}

qsizetype ReportTree::lineCount(qsizetype session) const {
    const qsizetype next = session + 1 < sessionCount() ? firstLine(session + 1) : lineCount();
    return next - firstLine(session);
}

QString ReportTree::lineKey(qsizetype line) const {
    return QStringLiteral("SI") + QString::number(line);
}

QString ReportTree::lineText(qsizetype line) const {
    return decode(m_lines[size_t(line)]);
}

qsizetype ReportTree::sessionOfLine(qsizetype line) const {
    const auto after = std::upper_bound(
        m_sessions.begin(), m_sessions.end(), line,
        [](qsizetype value, const Session& session) { return value < session.firstLine; });
    return qsizetype(after - m_sessions.begin()) - 1;
}
