#include "session/sessionmodel.h"

#include "session/secondtimer.h"
#include "storage/clock.h"
#include "storage/elapsed.h"
#include "storage/sessionlog.h"

#include <algorithm>

SessionModel::SessionModel(const Clock& clock, SecondTimer* timer, const QLocale& locale,
                           QString logPath, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_timer(timer)
    , m_dateText(locale)
    , m_logPath(std::move(logPath))
    , m_elapsedText(elapsed::NotAvailable.toString()) {
    m_timer->setParent(this);
    m_timer->setEnabled(false);
    connect(m_timer, &SecondTimer::timeout, this, &SessionModel::onTimer);
}

void SessionModel::setPromptOn(bool on) {
    m_promptOn = on;
    if (on)
        setMinuteCount(0);
}

void SessionModel::setPromptInterval(const QString& text) {
    m_promptInterval = text;
    setMinuteCount(0);
}

void SessionModel::start(const QString& project) {
    m_project = project;
    setMinuteCount(0);
    m_stopStamp.clear();
    m_tickCount = 0;
    if (m_stopped) {
        m_stopped = false;
        setElapsedText(elapsed::NotAvailable.toString());
    }
    // The stamp shows whole seconds, and the elapsed time has always counted from the second
    // the stamp shows. The instant itself is kept: in the hour that repeats when summer time
    // ends, the stamp's text names two instants.
    const QDateTime now = m_clock.now();
    m_startedAt = now.addMSecs(-now.time().msec());
    m_startStamp = m_dateText.format(m_startedAt);
    m_running = true;
    // The first timer event after Start is a tick, whatever second the last one saw.
    m_lastSecond.reset();
    m_timer->setEnabled(true);
    m_pending.append(sessionlog::startLines(m_startStamp, m_project));
    emit started();
}

void SessionModel::finishStart(const QString& startingComment) {
    if (!startingComment.isEmpty())
        m_pending.append(sessionlog::startingCommentLine(m_startStamp, startingComment));
    writeSessionLines();
}

void SessionModel::stop() {
    finishStop(m_clock.now());
}

void SessionModel::stopAt(const QDateTime& when) {
    if (!m_running)
        return;
    // Never before the start, nor after now: the total would be negative or not yet worked.
    QDateTime at = std::min(std::max(when, m_startedAt), m_clock.now());
    at = at.addMSecs(-at.time().msec());
    setElapsedText(elapsed::text(elapsed::readParts(elapsed::FormatElapsed(m_startedAt, at))));
    finishStop(at);
}

void SessionModel::finishStop(const QDateTime& when) {
    m_stopStamp = m_dateText.format(when);
    m_timer->setEnabled(false);
    m_running = false;
    m_stopped = true;
    m_pending.append(sessionlog::stopLines(m_stopStamp, m_project, m_elapsedText));
    emit stopped();
    writeSessionLines();
}

FileResult SessionModel::logNote(const QString& note) {
    m_pending.append(sessionlog::noteLine(m_dateText.format(m_clock.now()), note));
    return write();
}

FileResult SessionModel::writeKeptLines(QStringView lines) {
    m_pending.append(lines);
    return write();
}

FileResult SessionModel::write() {
    const FileResult result = FlushLog(m_pending, m_logPath);
    if (result.ok())
        emit logWritten();
    return result;
}

void SessionModel::writeSessionLines() {
    const FileResult result = write();
    if (!result.ok())
        emit logFailed(result);
}

void SessionModel::onTimer() {
    // Read once: the tick, its elapsed time and whoever follows the ticks see the same moment.
    const QDateTime now = m_clock.now();
    const int second = now.time().second();
    if (m_lastSecond == second)
        return;
    m_lastSecond = second;
    tick(now);
}

void SessionModel::tick(const QDateTime& now) {
    ++m_tickCount;
    if (m_tickCount >= 60) {
        setMinuteCount(m_minuteCount + 1);
        m_tickCount = 0;
    }
    const QString parts = elapsed::FormatElapsed(m_startedAt, now);
    setElapsedText(elapsed::text(elapsed::readParts(parts)));
    emit ticked(now);
}

void SessionModel::setMinuteCount(qint64 minutes) {
    // Like the counter box it stands for, an unchanged count runs nothing.
    if (minutes == m_minuteCount)
        return;
    m_minuteCount = minutes;
    emit minuteCountChanged(minutes);
    if (!m_promptOn || QString::number(m_minuteCount) != m_promptInterval)
        return;
    emit promptDue();
    setMinuteCount(0);
}

void SessionModel::setElapsedText(const QString& text) {
    if (text == m_elapsedText)
        return;
    m_elapsedText = text;
    emit elapsedTextChanged(text);
}
