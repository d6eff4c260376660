#include "reports/loggedsessions.h"

#include "storage/ansitext.h"
#include "storage/elapsed.h"
#include "storage/logrecordreader.h"
#include "storage/stampreader.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <optional>

namespace {

QDateTime local(const StampReader::Stamp& stamp) {
    return DateTimeText::moment(stamp.date, stamp.time).value_or(QDateTime(stamp.date, stamp.time));
}

// A line of the log that left its session incomplete. The text is cut short, since a damaged
// log can hold a line of megabytes.
void nameUnread(LoggedSession& session, QByteArrayView fileBytes, ansi::Encoding encoding,
                const LogLine& line) {
    session.unreadLine = line.number;
    const qsizetype most = (LoggedSession::UnreadTextLength + 1) * ansi::unitSize(encoding);
    QString text =
        ansi::decodeAs(fileBytes.sliced(line.start, std::min(line.length, most)), encoding);
    if (text.size() > LoggedSession::UnreadTextLength)
        text = text.left(LoggedSession::UnreadTextLength - 1) + QChar(0x2026);
    session.unreadText = text;
}

// Where a closed record without a stopped line had its stopped line: in front of its total,
// or last. Such a line that is no line the program writes is a stopped line mistyped.
const LogLine* lostStoppedLine(const LogRecord& r) {
    if (r.shape != LogRecord::Shape::Whole || r.lines.empty())
        return nullptr;
    const LogLine* total = r.total();
    const size_t end = total ? size_t(total - r.lines.data()) : r.lines.size();
    if (end == 0 || r.lines[end - 1].line.kind != logformat::LineKind::Other)
        return nullptr;
    return &r.lines[end - 1];
}

} // namespace

class LoggedSessions::Reader {
public:
    Reader(const QLocale& locale, QByteArrayView fileBytes, LoggedSessions& out)
        : m_stamps(locale)
        , m_bytes(fileBytes)
        , m_encoding(ansi::detectEncoding(fileBytes))
        , m_out(out) {}

    void record(const LogRecord& r) {
        const LogLine* started = r.begun() ? r.started() : nullptr;
        const LogLine* stopped = r.shape == LogRecord::Shape::Loose ? nullptr : r.stopped();
        if (!started && !stopped)
            return;
        LoggedSession session;
        session.project = projectIndex(started ? started->line.text : stopped->line.text);
        session.lineNumber = (started ? started : stopped)->number;
        std::optional<StampReader::Stamp> start;
        if (started) {
            const QString text = ansi::decodeAs(started->line.stamp, m_encoding);
            start = m_stamps.read(text);
            if (start) {
                session.date = start->date;
                session.time = start->time;
            } else {
                session.stampText = text;
            }
        }
        if (!stopped) {
            session.state = LoggedSession::State::NotStopped;
            if (const LogLine* lost = lostStoppedLine(r))
                nameUnread(session, m_bytes, m_encoding, *lost);
            m_out.m_sessions.push_back(std::move(session));
            return;
        }
        const LogLine* total = r.total();
        // Initialised as a whole: GCC 12 at -O2 takes an optional made by the ternary operator
        // for one that may be read unset.
        std::optional<qint64> seconds;
        if (total)
            seconds = elapsed::seconds(total->line.text);
        const auto stop = [&] {
            return m_stamps.read(ansi::decodeAs(stopped->line.stamp, m_encoding));
        };
        if (!seconds && start) {
            if (const auto stoppedAt = stop()) {
                const qint64 span = local(*start).secsTo(local(*stoppedAt));
                if (span >= 0)
                    seconds = span;
            }
        }
        if (!seconds) {
            session.state = LoggedSession::State::NoDuration;
            // The total when it is neither a time nor "N/A"; else the stop, when the start read
            // back and the stop did not, or came before it.
            if (total && ansi::decodeAs(total->line.text, m_encoding) != elapsed::NotAvailable)
                nameUnread(session, m_bytes, m_encoding, *total);
            else if (start)
                nameUnread(session, m_bytes, m_encoding, *stopped);
        } else {
            session.seconds = *seconds;
            if (!started) {
                if (const auto stoppedAt = stop()) {
                    const QDateTime began = local(*stoppedAt).addSecs(-*seconds);
                    session.date = began.date();
                    session.time = began.time();
                } else {
                    session.stampText = ansi::decodeAs(stopped->line.stamp, m_encoding);
                }
            }
        }
        m_out.m_sessions.push_back(std::move(session));
    }

private:
    qsizetype projectIndex(QByteArrayView name) {
        // The keys point into the file's bytes, which outlive the reader.
        const QByteArray key = QByteArray::fromRawData(name.data(), name.size());
        const auto found = m_index.constFind(key);
        if (found != m_index.constEnd())
            return *found;
        const qsizetype index = m_out.m_projects.size();
        m_out.m_projects.append(ansi::decodeAs(name, m_encoding));
        m_index.insert(key, index);
        return index;
    }

    StampReader m_stamps;
    QByteArrayView m_bytes;
    ansi::Encoding m_encoding;
    LoggedSessions& m_out;
    QHash<QByteArray, qsizetype> m_index;
};

LoggedSessions LoggedSessions::read(QByteArrayView fileBytes, const QLocale& locale) {
    LoggedSessions sessions;
    sessions.m_sessions.reserve(size_t(fileBytes.size() / 400 + 16));
    Reader reader(locale, fileBytes, sessions);
    LogRecordReader::read(fileBytes, [&reader](const LogRecord& record) { reader.record(record); });
    return sessions;
}

QStringList LoggedSessions::projectsLike(const QString& name) const {
    const QString wanted = name.trimmed();
    QStringList like;
    for (const QString& project : m_projects) {
        if (project != name && project.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            like.append(project);
    }
    return like;
}
