#include "session/logeditor.h"

#include "storage/ansitext.h"
#include "storage/elapsed.h"
#include "storage/logformat.h"
#include "storage/logrecordreader.h"
#include "storage/stampreader.h"

#include <vector>

using logformat::LineKind;
using Shape = LogRecord::Shape;

namespace {

const QString Changed = QStringLiteral("The log has changed since it was read; the Reports "
                                       "window shows it as it is now.");

// What the editor needs of every record: where it is, its number in the report, and its
// moments where they read back.
struct Entry {
    Shape shape = Shape::Loose;
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype number = 0; // as the Reports window numbers its sessions; 0 for none
    QString project;
    QString startText;
    QString stopText;
    // As read, not as moments: turning a stamp into a moment asks the time zone, which for
    // every record of a long log took seconds; only the records near a change need it.
    std::optional<StampReader::Stamp> startStamp;
    std::optional<StampReader::Stamp> stopStamp;

    std::optional<QDateTime> begun() const { return momentOf(startStamp); }
    std::optional<QDateTime> ended() const { return momentOf(stopStamp); }

    static std::optional<QDateTime> momentOf(const std::optional<StampReader::Stamp>& stamp) {
        return stamp ? DateTimeText::moment(stamp->date, stamp->time) : std::nullopt;
    }
};

// Wall-clock time, compared without the time zone; a moment and its wall-clock time differ by
// less than this, whatever the clocks were moved by.
constexpr qint64 ClockShiftSeconds = 3 * 3600;

QDateTime wall(QDate date, QTime time) {
    return QDateTime(date, time, Qt::UTC);
}
QDateTime wall(const StampReader::Stamp& stamp) {
    return wall(stamp.date, stamp.time);
}
QDateTime wall(const QDateTime& moment) {
    return wall(moment.date(), moment.time());
}

bool overlaps(const QDateTime& aStart, const QDateTime& aEnd, const QDateTime& bStart,
              const QDateTime& bEnd) {
    return aStart < bEnd && bStart < aEnd;
}

// How far a deleted record reaches: over the two empty lines that close it.
qsizetype pastEmptyLines(QByteArrayView log, qsizetype at) {
    for (int i = 0; i < 2 && at < log.size(); ++i) {
        if (log.sliced(at).startsWith("\r\n"))
            at += 2;
        else if (log[at] == '\n' || log[at] == '\r')
            at += 1;
        else
            break;
    }
    return at;
}

} // namespace

// Reads the log once: every record, and the lines of the one asked for.
class LogEditor::Scan {
public:
    Scan(QByteArrayView log, const QLocale& locale, std::optional<qsizetype> wanted = {})
        : m_log(log)
        , m_encoding(ansi::detectEncoding(log))
        , m_reader(locale) {
        qsizetype number = 0;
        LogRecordReader::read(log, [&](const LogRecord& r) {
            Entry e;
            e.shape = r.shape;
            e.start = r.start;
            e.end = r.end;
            if (r.shape != Shape::Loose && r.shape != Shape::Open)
                e.number = ++number;
            const LogLine* started = r.begun() ? r.started() : nullptr;
            const LogLine* stopped = r.shape == Shape::Loose ? nullptr : r.stopped();
            if (started) {
                e.project = text(started->line.text);
                e.startText = text(started->line.stamp);
                e.startStamp = m_reader.read(e.startText);
            } else if (stopped) {
                e.project = text(stopped->line.text);
            }
            if (stopped) {
                e.stopText = text(stopped->line.stamp);
                e.stopStamp = m_reader.read(e.stopText);
            }
            if (wanted && r.start == *wanted && r.shape != Shape::Loose) {
                m_found = entries.size();
                lines.assign(r.lines.begin(), r.lines.end());
            }
            entries.push_back(std::move(e));
        });
    }

    QString text(QByteArrayView bytes) const { return ansi::decodeAs(bytes, m_encoding); }

    // The chosen record, while the log still holds its bytes where they were.
    const Entry* find(const RecordRef& ref) const {
        if (!m_found)
            return nullptr;
        const Entry& e = entries[*m_found];
        if (e.end - e.start != ref.bytes.size() ||
            m_log.sliced(e.start, e.end - e.start) != QByteArrayView(ref.bytes))
            return nullptr;
        return &e;
    }

    // The record that the moments would overlap, other than the one being changed.
    const Entry* overlapping(const QDateTime& start, const QDateTime& stop,
                             const Entry* except) const {
        for (const Entry& e : entries) {
            if (&e == except || !e.startStamp || !e.stopStamp)
                continue;
            if (wall(*e.startStamp) >= wall(stop).addSecs(ClockShiftSeconds) ||
                wall(*e.stopStamp) <= wall(start).addSecs(-ClockShiftSeconds))
                continue;
            const std::optional<QDateTime> begun = e.begun();
            const std::optional<QDateTime> ended = e.ended();
            if (begun && ended && overlaps(start, stop, *begun, *ended))
                return &e;
        }
        return nullptr;
    }

    QByteArray encode(const QString& text) const { return ansi::encodeAs(text, m_encoding); }
    std::optional<QString> cannotHold(const QString& text) const {
        return ansi::cannotHold(text, m_encoding);
    }

    std::vector<Entry> entries;
    std::vector<LogLine> lines;

private:
    QByteArrayView m_log;
    ansi::Encoding m_encoding;
    StampReader m_reader;
    std::optional<size_t> m_found;
};

LogEditor::LogEditor(const QLocale& locale)
    : m_stamps(locale) {}

std::optional<QString> LogEditor::checkFields(const SessionFields& f,
                                              const Moments& moments) const {
    if (f.project.isEmpty())
        return QStringLiteral("Please enter a project name");
    if (!logformat::canStartRecord(f.project)) {
        return QStringLiteral("A project name cannot end with \"%1\".").arg(logformat::BeginMarker);
    }
    if (!f.start.isValid() || !f.stop.isValid())
        return QStringLiteral("Please give the start and the stop.");
    if (f.stop < f.start)
        return QStringLiteral("The stop comes before the start.");
    if (f.stop > moments.now)
        return QStringLiteral("%1 is in the future.").arg(m_stamps.format(f.stop));
    if (moments.runningSince && overlaps(f.start, f.stop, *moments.runningSince, moments.now)) {
        return QStringLiteral("It would overlap the session running since %1.")
            .arg(m_stamps.format(*moments.runningSince));
    }
    return std::nullopt;
}

LogEditor::RecordText LogEditor::recordText(const SessionFields& f) const {
    const QString start = m_stamps.format(f.start);
    const QString stop = m_stamps.format(f.stop);
    RecordText text;
    text.start = logformat::startLines(start, f.project) + ansi::LineEnd;
    if (!f.startingComment.isEmpty())
        text.start +=
            logformat::startingCommentLine(start, f.startingComment).mid(2) + ansi::LineEnd;
    // Whole seconds, as the stamps show them.
    const QDateTime from = m_stamps.parse(start).value_or(f.start);
    const QDateTime to = m_stamps.parse(stop).value_or(f.stop);
    text.stop = logformat::stopLines(stop, f.project, elapsed::text(from, to));
    // stopLines ends with the first of the two empty lines; a record ends with its marker.
    text.stop.chop(ansi::LineEnd.size());
    return text;
}

std::variant<SessionFields, QString> LogEditor::read(QByteArrayView log,
                                                     const RecordRef& ref) const {
    const Scan scan(log, m_stamps.locale(), ref.start);
    const Entry* e = scan.find(ref);
    if (!e)
        return Changed;
    const std::optional<QDateTime> begun = e->begun();
    const std::optional<QDateTime> ended = e->ended();
    if (e->shape != Shape::Whole || !begun || !ended) {
        return QStringLiteral("Session #%1 cannot be corrected: its lines do not read as a "
                              "whole session with a start and a stop. It can be deleted.")
            .arg(e->number);
    }
    SessionFields fields{e->project, *begun, *ended, {}};
    for (const LogLine& line : scan.lines) {
        if (line.line.kind == LineKind::StartingComments) {
            fields.startingComment = scan.text(line.line.text);
            break;
        }
    }
    return fields;
}

LogEditor::Result LogEditor::correct(QByteArrayView log, const RecordRef& ref,
                                     const SessionFields& fields, const Moments& moments) const {
    const std::variant<SessionFields, QString> readable = read(log, ref);
    if (const QString* refusal = std::get_if<QString>(&readable))
        return *refusal;
    if (std::optional<QString> refusal = checkFields(fields, moments))
        return *refusal;
    const Scan scan(log, m_stamps.locale(), ref.start);
    const Entry* e = scan.find(ref);
    if (const Entry* other = scan.overlapping(fields.start, fields.stop, e)) {
        return QStringLiteral("It would overlap Session #%1, %2 from %3 to %4.")
            .arg(other->number)
            .arg(other->project, other->startText, other->stopText);
    }
    // Notes, and lines the program did not write, keep their place and their bytes: the start
    // lines before them and the stop lines after them are written anew.
    qsizetype middleStart = -1;
    qsizetype middleEnd = -1;
    for (const LogLine& line : scan.lines) {
        const LineKind kind = line.line.kind;
        if (middleStart < 0 && kind != LineKind::Started && kind != LineKind::StartingComments)
            middleStart = line.start;
        if (kind == LineKind::Stopped || kind == LineKind::TotalTime) {
            middleEnd = line.start;
            break;
        }
    }
    const QByteArray middle = middleStart >= 0 && middleEnd > middleStart
                                  ? log.sliced(middleStart, middleEnd - middleStart).toByteArray()
                                  : QByteArray();
    const RecordText text = recordText(fields);
    if (std::optional<QString> why = scan.cannotHold(text.start + text.stop))
        return QStringLiteral("The session log cannot keep these characters: %1.").arg(*why);
    return LogEdit{e->start, ref.bytes, scan.encode(text.start) + middle + scan.encode(text.stop)};
}

LogEditor::Result LogEditor::remove(QByteArrayView log, const RecordRef& ref) const {
    const Scan scan(log, m_stamps.locale(), ref.start);
    const Entry* e = scan.find(ref);
    if (!e)
        return Changed;
    const qsizetype end = pastEmptyLines(log, e->end);
    return LogEdit{e->start, log.sliced(e->start, end - e->start).toByteArray(), {}};
}

LogEditor::Result LogEditor::add(QByteArrayView log, const SessionFields& fields,
                                 const Moments& moments) const {
    if (std::optional<QString> refusal = checkFields(fields, moments))
        return *refusal;
    const Scan scan(log, m_stamps.locale());
    if (const Entry* other = scan.overlapping(fields.start, fields.stop, nullptr)) {
        return QStringLiteral("It would overlap Session #%1, %2 from %3 to %4.")
            .arg(other->number)
            .arg(other->project, other->startText, other->stopText);
    }
    // In front of the first record that started later, a running one included.
    qsizetype at = log.size();
    for (const Entry& e : scan.entries) {
        if (e.shape == Shape::Loose || !e.startStamp ||
            wall(*e.startStamp) <= wall(fields.start).addSecs(-ClockShiftSeconds))
            continue;
        if (const std::optional<QDateTime> begun = e.begun(); begun && *begun > fields.start) {
            at = e.start;
            break;
        }
    }
    const RecordText record = recordText(fields);
    QString text = record.start + record.stop + ansi::LineEnd + ansi::LineEnd;
    const bool lineOpen =
        at == log.size() && !log.isEmpty() && log.back() != '\n' && log.back() != '\r';
    if (lineOpen)
        text.prepend(ansi::LineEnd);
    if (std::optional<QString> why = scan.cannotHold(text))
        return QStringLiteral("The session log cannot keep these characters: %1.").arg(*why);
    QByteArray bytes = scan.encode(text);
    // A new log kept as UTF-8 would start with its mark; this one is only written here.
    return LogEdit{at, {}, std::move(bytes)};
}

LogEditor::Result LogEditor::moveRunningStart(QByteArrayView log, const QDateTime& from,
                                              const QDateTime& to, const Moments& moments) const {
    if (to > moments.now)
        return QStringLiteral("%1 is in the future.").arg(m_stamps.format(to));
    const Scan scan(log, m_stamps.locale());
    const Entry* running = nullptr;
    const Entry* before = nullptr;
    for (const Entry& e : scan.entries) {
        if (e.shape == Shape::Open)
            running = &e;
        else if (e.shape != Shape::Loose)
            before = &e;
    }
    if (!running || running->startText != m_stamps.format(from))
        return Changed;
    const std::optional<QDateTime> beforeEnded = before ? before->ended() : std::nullopt;
    if (beforeEnded && to < *beforeEnded) {
        return QStringLiteral("%1 is before the end of Session #%2, %3 from %4 to %5.")
            .arg(m_stamps.format(to))
            .arg(before->number)
            .arg(before->project, before->startText, before->stopText);
    }
    // The start lines, and only they, are written anew.
    const Scan open(log, m_stamps.locale(), running->start);
    const QString stamp = m_stamps.format(to);
    QString text = logformat::startLines(stamp, running->project) + ansi::LineEnd;
    qsizetype end = running->start;
    for (const LogLine& line : open.lines) {
        if (line.line.kind == LineKind::Started) {
            end = line.start + line.length;
        } else if (line.line.kind == LineKind::StartingComments) {
            text += logformat::startingCommentLine(stamp, open.text(line.line.text)).mid(2) +
                    ansi::LineEnd;
            end = line.start + line.length;
            break;
        } else {
            break;
        }
    }
    // Past the line end of the last start line.
    if (end < log.size() && log.sliced(end).startsWith("\r\n"))
        end += 2;
    else if (end < log.size())
        end += 1;
    return LogEdit{running->start, log.sliced(running->start, end - running->start).toByteArray(),
                   open.encode(text)};
}
