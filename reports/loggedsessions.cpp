#include "reports/loggedsessions.h"

#include "storage/ansitext.h"
#include "storage/elapsed.h"
#include "storage/logrecordreader.h"
#include "storage/stampreader.h"

#include <QDateTime>
#include <QHash>

#include <optional>

namespace {

QDateTime local(const StampReader::Stamp& stamp) {
    return DateTimeText::moment(stamp.date, stamp.time).value_or(QDateTime(stamp.date, stamp.time));
}

} // namespace

class LoggedSessions::Reader {
public:
    Reader(const QLocale& locale, ansi::Encoding encoding, LoggedSessions& out)
        : m_stamps(locale)
        , m_encoding(encoding)
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
            m_out.m_sessions.push_back(std::move(session));
            return;
        }
        const LogLine* total = r.total();
        std::optional<qint64> seconds = total ? elapsed::seconds(total->line.text) : std::nullopt;
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
        } else {
            session.seconds = *seconds;
            if (!started) {
                if (const auto stoppedAt = stop()) {
                    const QDateTime began = local(*stoppedAt).addSecs(-*seconds);
                    session.date = began.date();
                    session.time = began.time();
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
    ansi::Encoding m_encoding;
    LoggedSessions& m_out;
    QHash<QByteArray, qsizetype> m_index;
};

LoggedSessions LoggedSessions::read(QByteArrayView fileBytes, const QLocale& locale) {
    LoggedSessions sessions;
    sessions.m_sessions.reserve(size_t(fileBytes.size() / 400 + 16));
    Reader reader(locale, ansi::detectEncoding(fileBytes), sessions);
    LogRecordReader::read(fileBytes, [&reader](const LogRecord& record) { reader.record(record); });
    return sessions;
}
