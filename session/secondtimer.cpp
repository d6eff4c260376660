#include "session/secondtimer.h"

#include "session/clock.h"

WholeSecondTimer::WholeSecondTimer(const Clock& clock, QObject* parent)
    : SecondTimer(parent)
    , m_clock(clock) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &WholeSecondTimer::fire);
}

void WholeSecondTimer::setEnabled(bool on) {
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (on)
        m_timer.start(0);
    else
        m_timer.stop();
}

void WholeSecondTimer::fire() {
    if (!m_enabled)
        return;
    emit timeout();
    if (m_enabled)
        armForNextSecond();
}

void WholeSecondTimer::armForNextSecond() {
    const int msIntoSecond = m_clock.now().time().msec();
    m_timer.start(1000 - msIntoSecond + SlackMs);
}
