#include "reports/reporttree.h"

#include "storage/ansitext.h"
#include "storage/sessionlog.h"
#include "storage/textlines.h"

#include <algorithm>

namespace {

constexpr QByteArrayView BeginMarker = sessionlog::bytes(sessionlog::BeginMarker);
constexpr QByteArrayView EndMarker = sessionlog::bytes(sessionlog::EndMarker);
constexpr QByteArrayView StartedTag = sessionlog::bytes(sessionlog::StartedTag);
constexpr QByteArrayView StoppedTag = sessionlog::bytes(sessionlog::StoppedTag);

} // namespace

// Walks the log once, line by line, keeping only where the open record and the lines not yet
// given to a session begin.
class ReportTree::Builder {
public:
    explicit Builder(ReportTree& tree)
        : m_tree(tree) {}

    void run() {
        const QByteArrayView bytes(m_tree.m_bytes);
        m_tree.m_lines.reserve(size_t(bytes.size() / 48 + 1));
        textlines::forEach(bytes, [this](textlines::Line l) { line(l.start, l.length); });
        finish();
    }

private:
    qsizetype current() const { return qsizetype(m_tree.m_lines.size()); }

    void line(qsizetype start, qsizetype length) {
        const QByteArrayView text = QByteArrayView(m_tree.m_bytes).sliced(start, length);
        if (text.isEmpty())
            return;
        if (text == BeginMarker)
            begin();
        else if (text == EndMarker)
            end();
        else
            m_tree.m_lines.push_back({start, length});
    }

    void begin() {
        if (m_open)
            addSession(m_sessionStart, m_recordStart, current());
        m_open = true;
        m_recordStart = current();
        // Lines in front of the first record join it rather than vanish.
        m_sessionStart = m_tree.m_sessions.empty() ? 0 : m_recordStart;
    }

    void end() {
        if (m_open) {
            addSession(m_sessionStart, m_recordStart, current());
            m_open = false;
        } else if (m_tree.m_sessions.empty() && current() > 0) {
            // The stop lines of a record whose start lines were cleared away.
            addSession(0, 0, current());
        }
    }

    void finish() {
        if (m_open) {
            // A session still running: its lines stay out until it stops, but lines in front
            // of it that belong to no record are shown on their own.
            if (m_sessionStart < m_recordStart)
                addSession(0, 0, m_recordStart);
            m_tree.m_lines.resize(size_t(m_recordStart));
        } else if (m_tree.m_sessions.empty() && current() > 0) {
            addSession(0, 0, current());
        }
    }

    void addSession(qsizetype firstLine, qsizetype labelFrom, qsizetype labelTo) {
        m_tree.m_sessions.push_back({firstLine, label(labelFrom, labelTo)});
    }

    Span label(qsizetype from, qsizetype to) const {
        for (const QByteArrayView tag : {StartedTag, StoppedTag}) {
            for (qsizetype i = from; i < to; ++i) {
                const Span line = m_tree.m_lines[size_t(i)];
                const QByteArrayView text = m_tree.view(line);
                const qsizetype at = text.indexOf(tag);
                if (at < 0)
                    continue;
                const qsizetype after = at + tag.size();
                const qsizetype next = text.indexOf(tag, after);
                const qsizetype length = (next < 0 ? text.size() : next) - after;
                return {line.start + after, length};
            }
        }
        return {};
    }

    ReportTree& m_tree;
    bool m_open = false;
    qsizetype m_recordStart = 0;
    qsizetype m_sessionStart = 0;
};

ReportTree ReportTree::build(QByteArray fileBytes) {
    ReportTree tree;
    tree.m_bytes = std::move(fileBytes);
    Builder(tree).run();
    tree.m_lines.shrink_to_fit();
    return tree;
}

ReportTree ReportTree::fromText(QStringView text) {
    return build(ansi::encode(text));
}

QString ReportTree::sessionKey(qsizetype session) const {
    return u'I' + QString::number(session + 1);
}

QString ReportTree::sessionText(qsizetype session) const {
    QString text = QStringLiteral("Session #") + QString::number(session + 1) + u'-';
    text += projectText(session);
    return text;
}

QString ReportTree::projectText(qsizetype session) const {
    return ansi::decode(view(m_sessions[size_t(session)].project));
}

qsizetype ReportTree::lineCount(qsizetype session) const {
    const qsizetype next = session + 1 < sessionCount() ? firstLine(session + 1) : lineCount();
    return next - firstLine(session);
}

QString ReportTree::lineKey(qsizetype line) const {
    return QStringLiteral("SI") + QString::number(line);
}

QString ReportTree::lineText(qsizetype line) const {
    return ansi::decode(view(m_lines[size_t(line)]));
}

qsizetype ReportTree::sessionOfLine(qsizetype line) const {
    const auto after = std::upper_bound(
        m_sessions.begin(), m_sessions.end(), line,
        [](qsizetype value, const Session& session) { return value < session.firstLine; });
    return qsizetype(after - m_sessions.begin()) - 1;
}
