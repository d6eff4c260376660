#include "reports/loggedsessions.h"

#include "reports/stampreader.h"
#include "storage/ansitext.h"
#include "storage/elapsed.h"
#include "storage/sessionlog.h"
#include "storage/textlines.h"

#include <QDateTime>
#include <QHash>

#include <optional>
#include <utility>

namespace {

constexpr QByteArrayView BeginMarker = sessionlog::bytes(sessionlog::BeginMarker);
constexpr QByteArrayView EndMarker = sessionlog::bytes(sessionlog::EndMarker);
constexpr QByteArrayView StartedTag = sessionlog::bytes(sessionlog::StartedTag);
constexpr QByteArrayView StoppedTag = sessionlog::bytes(sessionlog::StoppedTag);

// A tag and the space that follows it in a written line.
QByteArray withSpace(QLatin1StringView tag) {
    return sessionlog::bytes(tag).toByteArray() + ' ';
}
const QByteArray NotesStart = withSpace(sessionlog::NotesTag);
const QByteArray StartingCommentsStart = withSpace(sessionlog::StartingCommentsTag);
const QByteArray TotalTimeStart = withSpace(sessionlog::TotalTimeTag);

enum class LineKind : quint8 { Other, Started, Stopped };

struct TaggedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView stamp;
    QByteArrayView name;
};

// A stamped line is the stamp, a space, a tag in brackets, a space and the text. Stamps of some
// locales hold brackets of their own, so the tag is the first bracket after a space that opens
// a tag of the log; a note that quotes a tag is still a note.
TaggedLine tagged(QByteArrayView line) {
    for (qsizetype at = line.indexOf('[', 1); at > 0; at = line.indexOf('[', at + 1)) {
        if (line[at - 1] != ' ')
            continue;
        const QByteArrayView rest = line.sliced(at);
        const bool started = rest.startsWith(StartedTag);
        const bool stopped = !started && rest.startsWith(StoppedTag);
        if (!started && !stopped) {
            if (rest.startsWith(NotesStart) || rest.startsWith(StartingCommentsStart))
                return {};
            continue;
        }
        // The name follows the tag's space; a name lost to an editor's trimming is empty.
        QByteArrayView name = rest.sliced((started ? StartedTag : StoppedTag).size());
        if (name.startsWith(' '))
            name = name.sliced(1);
        return {started ? LineKind::Started : LineKind::Stopped, line.first(at - 1), name};
    }
    return {};
}

bool isTotalPart(QByteArrayView part) {
    qsizetype digits = part.startsWith('-') ? 1 : 0;
    const qsizetype first = digits;
    while (digits < part.size() && part[digits] >= '0' && part[digits] <= '9')
        ++digits;
    return digits > first && digits + 1 == part.size() &&
           QByteArrayView("wdhms").contains(part.back());
}

// The seconds of an elapsed-time text such as "0d 1h 15m 35s"; nothing for "N/A" or text that
// is not one.
std::optional<qint64> totalSeconds(QByteArrayView text) {
    bool any = false;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype end = text.indexOf(' ', at);
        if (end < 0)
            end = text.size();
        const QByteArrayView part = text.sliced(at, end - at);
        if (!part.isEmpty()) {
            if (!isTotalPart(part))
                return std::nullopt;
            any = true;
        }
        at = end + 1;
    }
    if (!any)
        return std::nullopt;
    const elapsed::Fields f = elapsed::readParts(QString::fromLatin1(text));
    const qint64 seconds = ((f.days * 24 + f.hours) * 60 + f.minutes) * 60 + f.seconds;
    if (seconds < 0)
        return std::nullopt;
    return seconds;
}

QDateTime local(const StampReader::Stamp& stamp) {
    return QDateTime(stamp.date, stamp.time);
}

} // namespace

class LoggedSessions::Reader {
public:
    Reader(QByteArrayView bytes, const QLocale& locale, LoggedSessions& out)
        : m_bytes(bytes)
        , m_stamps(locale)
        , m_out(out) {}

    void run() {
        textlines::forEach(m_bytes,
                           [this](textlines::Line l) { line(m_bytes.sliced(l.start, l.length)); });
        close();
    }

private:
    // What a record has shown so far. Lines outside any record gather here too, so that stop
    // lines whose start lines were cleared away still count.
    struct Record {
        bool open = false;
        bool started = false;
        bool stopped = false;
        bool total = false;
        QByteArrayView startStamp;
        QByteArrayView project;
        QByteArrayView stopStamp;
        QByteArrayView stopProject;
        QByteArrayView totalText;
    };

    void line(QByteArrayView text) {
        if (text.isEmpty())
            return;
        // A line cut short by a kill runs straight into the next record's begin marker.
        if (text.endsWith(BeginMarker)) {
            close();
            m_record.open = true;
            return;
        }
        if (text == EndMarker) {
            close();
            return;
        }
        if (text.startsWith(TotalTimeStart)) {
            m_record.total = true;
            m_record.totalText = text.sliced(TotalTimeStart.size());
            return;
        }
        const TaggedLine line = tagged(text);
        if (line.kind == LineKind::Started && !m_record.started) {
            m_record.started = true;
            m_record.startStamp = line.stamp;
            m_record.project = line.name;
        } else if (line.kind == LineKind::Stopped) {
            // The last one: the stop lines end a record, and a note may quote a stopped line.
            m_record.stopped = true;
            m_record.stopStamp = line.stamp;
            m_record.stopProject = line.name;
        }
    }

    void close() {
        const Record r = std::exchange(m_record, Record{});
        if (!r.stopped && !(r.open && r.started))
            return;
        LoggedSession session;
        session.project = projectIndex(r.started ? r.project : r.stopProject);
        std::optional<StampReader::Stamp> start;
        if (r.started) {
            const QString text = ansi::decode(r.startStamp);
            start = m_stamps.read(text);
            if (start) {
                session.date = start->date;
                session.time = start->time;
            } else {
                session.stampText = text;
            }
        }
        if (!r.stopped) {
            session.state = LoggedSession::State::NotStopped;
            m_out.m_sessions.push_back(std::move(session));
            return;
        }
        std::optional<qint64> seconds = r.total ? totalSeconds(r.totalText) : std::nullopt;
        const auto stop = [&] { return m_stamps.read(ansi::decode(r.stopStamp)); };
        if (!seconds && start) {
            if (const auto stopped = stop()) {
                const qint64 span = local(*start).secsTo(local(*stopped));
                if (span >= 0)
                    seconds = span;
            }
        }
        if (!seconds) {
            session.state = LoggedSession::State::NoDuration;
        } else {
            session.seconds = *seconds;
            if (!r.started) {
                if (const auto stopped = stop()) {
                    const QDateTime began = local(*stopped).addSecs(-*seconds);
                    session.date = began.date();
                    session.time = began.time();
                }
            }
        }
        m_out.m_sessions.push_back(std::move(session));
    }

    qsizetype projectIndex(QByteArrayView name) {
        // The keys point into the file's bytes, which outlive the reader.
        const QByteArray key = QByteArray::fromRawData(name.data(), name.size());
        const auto found = m_index.constFind(key);
        if (found != m_index.constEnd())
            return *found;
        const qsizetype index = m_out.m_projects.size();
        m_out.m_projects.append(ansi::decode(name));
        m_index.insert(key, index);
        return index;
    }

    QByteArrayView m_bytes;
    StampReader m_stamps;
    LoggedSessions& m_out;
    Record m_record;
    QHash<QByteArray, qsizetype> m_index;
};

LoggedSessions LoggedSessions::read(QByteArrayView fileBytes, const QLocale& locale) {
    LoggedSessions sessions;
    sessions.m_sessions.reserve(size_t(fileBytes.size() / 400 + 16));
    Reader(fileBytes, locale, sessions).run();
    return sessions;
}
