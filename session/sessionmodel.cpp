#include "session/sessionmodel.h"

#include "session/clock.h"
#include "session/secondtimer.h"
#include "session/sessionlog.h"
#include "storage/elapsed.h"
#include "storage/logformat.h"

#include <algorithm>

SessionModel::SessionModel(const Clock& clock, std::unique_ptr<SecondTimer> timer,
                           const QLocale& locale, SessionLog& log, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_timer(timer.release())
    , m_dateText(locale)
    , m_log(log)
    , m_elapsedText(elapsed::NotAvailable.toString()) {
    m_timer->setParent(this);
    m_timer->setEnabled(false);
    connect(m_timer, &SecondTimer::timeout, this, &SessionModel::onTimer);
}

SessionModel::~SessionModel() = default;

void SessionModel::setPromptOn(bool on) {
    m_promptOn = on;
    if (on)
        setMinuteCount(0);
}

void SessionModel::setPromptInterval(const QString& text) {
    m_promptInterval = text;
    setMinuteCount(0);
}

void SessionModel::begin(const QString& project, const QDateTime& at) {
    m_project = project;
    setMinuteCount(0);
    m_stopStamp.clear();
    m_startingComment.clear();
    m_tickCount = 0;
    if (m_stopped) {
        m_stopped = false;
        setElapsedText(elapsed::NotAvailable.toString());
    }
    // The stamp shows whole seconds, and the elapsed time has always counted from the second
    // the stamp shows. The instant itself is kept: in the hour that repeats when summer time
    // ends, the stamp's text names two instants.
    m_startedAt = wholeSecond(at.isValid() ? at : m_clock.now());
    m_startStamp = m_dateText.format(m_startedAt);
    m_running = true;
    m_starting = true;
    // The first timer event after Start is a tick, whatever second the last one saw.
    m_lastSecond.reset();
    m_timer->setEnabled(true);
    m_log.hold(logformat::startLines(m_startStamp, m_project));
    emit started();
}

void SessionModel::finishStart(const QString& startingComment) {
    if (!m_starting)
        return;
    m_starting = false;
    m_startingComment = startingComment;
    writeSessionLines(startingComment.isEmpty()
                          ? QString()
                          : logformat::startingCommentLine(m_startStamp, startingComment));
    emit startFinished();
}

void SessionModel::start(const QString& project, const QString& startingComment,
                         const QDateTime& at) {
    begin(project, at);
    finishStart(startingComment);
}

void SessionModel::moveStart(const QDateTime& at) {
    if (!m_running)
        return;
    m_startedAt = wholeSecond(at);
    m_startStamp = m_dateText.format(m_startedAt);
    emit startMoved();
    if (m_lastSecond)
        setElapsedText(elapsed::text(m_startedAt, m_clock.now()));
}

void SessionModel::stop() {
    finishStop(m_clock.now());
}

void SessionModel::stopAt(const QDateTime& when) {
    if (!m_running)
        return;
    // Never before the start, nor after now: the total would be negative or not yet worked.
    const QDateTime at = wholeSecond(std::min(std::max(when, m_startedAt), m_clock.now()));
    setElapsedText(elapsed::text(m_startedAt, at));
    finishStop(at);
}

void SessionModel::finishStop(const QDateTime& when) {
    if (!m_running)
        return;
    // A stop while the starting comment is still being asked for ends the start without one,
    // so that the record keeps its order.
    finishStart(QString());
    m_stopStamp = m_dateText.format(when);
    m_timer->setEnabled(false);
    m_running = false;
    m_stopped = true;
    const QString lines = logformat::stopLines(m_stopStamp, m_project, m_elapsedText);
    emit stopped();
    writeSessionLines(lines);
}

FileResult SessionModel::logNote(const QString& note) {
    return m_log.write(logformat::noteLine(m_dateText.format(m_clock.now()), note));
}

void SessionModel::writeSessionLines(QStringView lines) {
    const FileResult result = m_log.write(lines);
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
    setElapsedText(elapsed::text(m_startedAt, now));
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
