#include "session/awaytracker.h"

#include "session/clock.h"
#include "session/idlesource.h"
#include "session/sessionmodel.h"
#include "session/sleepwatch.h"
#include "storage/elapsed.h"

#include <utility>

namespace {

// How often the idle time is asked while the user is away, in case the desktop cannot tell of
// the next input: as often as the minute counter steps.
constexpr qint64 AwayPollMs = 60 * 1000;

} // namespace

AwayTracker::AwayTracker(SessionModel& session, const Clock& clock, IdleSource& idle,
                         SleepWatch& sleep, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_clock(clock)
    , m_idle(idle)
    , m_sleep(sleep) {
    connect(&m_session, &SessionModel::started, this, &AwayTracker::onStarted);
    connect(&m_session, &SessionModel::stopped, this, &AwayTracker::onStopped);
    connect(&m_session, &SessionModel::ticked, this, &AwayTracker::onTick);
    connect(&m_sleep, &SleepWatch::aboutToSleep, this, &AwayTracker::onAboutToSleep);
    connect(&m_sleep, &SleepWatch::resumed, this, &AwayTracker::onResumed);
    connect(&m_idle, &IdleSource::inputSeen, this, &AwayTracker::onInputSeen);
}

qint64 AwayTracker::thresholdMs() const {
    return std::chrono::milliseconds(m_threshold).count();
}

void AwayTracker::onStarted() {
    endAway();
    m_sleeping = false;
    m_active = m_threshold.count() > 0;
    if (!m_active)
        return;
    // Asked at the first Start that watches, not at program start: the system bus costs a
    // start-up that has no session yet.
    m_watchClockJumps = !m_sleep.watch();
    m_lastTick = m_session.startedAt();
    // Start itself was input.
    m_nextIdleCheck = m_lastTick.addMSecs(thresholdMs());
}

void AwayTracker::onStopped() {
    m_active = false;
    endAway();
    m_sleeping = false;
    closeQuestion();
}

void AwayTracker::onTick(const QDateTime& now) {
    if (!m_active)
        return;
    const QDateTime previous = std::exchange(m_lastTick, now);
    if (m_sleeping)
        return;
    if (m_watchClockJumps && previous.msecsTo(now) >= thresholdMs()) {
        // Nothing ticked in between: the machine slept, or the program was held. Now it is
        // awake again, as after an announced resume.
        leave(previous, now, false);
        lookForReturn(now);
        return;
    }
    if (now < m_nextIdleCheck)
        return;
    if (m_away)
        lookForReturn(now);
    else
        checkIdle(now);
}

void AwayTracker::onInputSeen() {
    if (m_active && m_away && !m_sleeping)
        lookForReturn(m_clock.now());
}

void AwayTracker::checkIdle(const QDateTime& now) {
    const std::optional<std::chrono::milliseconds> idle = m_idle.idleTime();
    if (!idle) {
        m_nextIdleCheck = now.addMSecs(thresholdMs());
        return;
    }
    if (idle->count() >= thresholdMs()) {
        leave(now.addMSecs(-idle->count()), now, true);
        return;
    }
    // The idle time cannot reach the threshold any sooner than this.
    m_nextIdleCheck = now.addMSecs(thresholdMs() - idle->count());
}

void AwayTracker::leave(const QDateTime& left, const QDateTime& quietSince, bool fromIdle) {
    m_nextIdleCheck = quietSince.addMSecs(AwayPollMs);
    if (m_away) {
        // Away already: the user left when they first did.
        m_away->quietSince = quietSince;
        return;
    }
    // Start was input, so nobody left before it.
    m_away = Away{std::max(wholeSecond(left), m_session.startedAt()), quietSince, fromIdle};
    m_idle.watchForInput();
}

void AwayTracker::lookForReturn(const QDateTime& now) {
    const std::optional<std::chrono::milliseconds> idle = m_idle.idleTime();
    if (!idle) {
        // Nothing tells of input. After a suspend the user is back with the resume; an idle
        // time that went missing for a moment is waited out.
        if (!m_away->fromIdle)
            comeBack(m_away->quietSince);
        else
            m_nextIdleCheck = now.addMSecs(AwayPollMs);
        return;
    }
    const QDateTime lastInput = now.addMSecs(-idle->count());
    if (lastInput >= m_away->quietSince) {
        comeBack(lastInput);
        return;
    }
    // Input from before the user left, or none: still away.
    m_nextIdleCheck = now.addMSecs(AwayPollMs);
    m_idle.watchForInput();
}

void AwayTracker::endAway() {
    if (!m_away)
        return;
    m_away.reset();
    m_idle.stopWatchingForInput();
}

void AwayTracker::comeBack(const QDateTime& back) {
    const AwayPeriod period{m_away->left, wholeSecond(back)};
    endAway();
    m_nextIdleCheck = back.addMSecs(thresholdMs());
    // A suspend shorter than the threshold is no more away than a pause at the desk.
    if (period.left.msecsTo(period.back) < thresholdMs())
        return;
    if (m_question)
        m_question->back = period.back;
    else
        m_question = period;
    emit questionChanged(*m_question);
}

void AwayTracker::onAboutToSleep() {
    if (!m_active || m_sleeping)
        return;
    m_sleeping = true;
    // The announcement may be read only after the resume; the last tick came before the
    // suspend either way.
    leave(m_lastTick, m_lastTick, false);
}

void AwayTracker::onResumed() {
    if (!m_active || !m_sleeping)
        return;
    m_sleeping = false;
    const QDateTime now = m_clock.now();
    m_lastTick = now;
    m_away->quietSince = now;
    lookForReturn(now);
}

QString AwayTracker::lengthText(const AwayPeriod& period) {
    return elapsed::text(period.left, period.back);
}

QString AwayTracker::keepNote(const AwayPeriod& period) const {
    return QStringLiteral("Away from %1 to %2 (%3)")
        .arg(m_session.dateText().format(period.left), m_session.dateText().format(period.back),
             lengthText(period));
}

FileResult AwayTracker::keep() {
    if (!m_question)
        return FileResult::success();
    const QString note = keepNote(*m_question);
    closeQuestion();
    return m_session.logNote(note);
}

void AwayTracker::stopWhenLeft() {
    if (!m_question)
        return;
    // Stopping closes the question.
    m_session.stopAt(m_question->left);
}

void AwayTracker::closeQuestion() {
    if (!m_question)
        return;
    m_question.reset();
    emit questionClosed();
}
