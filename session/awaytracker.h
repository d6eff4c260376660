#pragma once

#include "storage/fileresult.h"

#include <QDateTime>
#include <QObject>

#include <chrono>
#include <optional>

class Clock;
class IdleSource;
class SessionModel;
class SleepWatch;

// A stretch of a running session with nobody at the computer: from the last input, or the
// suspend, to the first input after it. Both ends are whole seconds, as the log shows them.
struct AwayPeriod {
    QDateTime left;
    QDateTime back;
    friend bool operator==(const AwayPeriod&, const AwayPeriod&) = default;
};

// Notices that the user was away from a running session, and holds the one question about it
// until the user answers or the session stops. Nothing is decided without an answer: the
// session runs on meanwhile, a further away period extends the open question, and a session
// stopped in any other way closes it without a change.
//
// Away means no input for the threshold or longer, or a suspend of the machine that lasted
// that long. The tracker has no timer of its own; it runs on the session's clock ticks. While
// the user is there it asks the desktop's idle time only when that time could first have
// reached the threshold, so at most once per threshold. While the user is away it asks the
// desktop to tell of the next input, so that the question comes with it, and asks the idle
// time once a minute as well, for a desktop that cannot tell.
class AwayTracker : public QObject {
    Q_OBJECT
public:
    AwayTracker(SessionModel& session, const Clock& clock, IdleSource& idle, SleepWatch& sleep,
                QObject* parent = nullptr);

    // 0 turns detection off. A change applies from the next Start.
    void setThreshold(std::chrono::minutes threshold) { m_threshold = threshold; }
    std::chrono::minutes threshold() const { return m_threshold; }

    const std::optional<AwayPeriod>& question() const { return m_question; }

    // The answers. Keep logs one note that records the away period and changes nothing else;
    // the result is the note's write. Stop when I left stops the session at the moment the
    // user left, with the total up to that moment.
    FileResult keep();
    void stopWhenLeft();

    // The note Keep logs, and the length the question shows.
    QString keepNote(const AwayPeriod& period) const;
    static QString lengthText(const AwayPeriod& period);

signals:
    // The question opened, or a further away period extended it.
    void questionChanged(const AwayPeriod& period);
    // The question closed: answered, or its session stopped.
    void questionClosed();

private:
    // An away period still going on.
    struct Away {
        QDateTime left;
        // Input from this moment on means the user is back: the moment the idle time was seen
        // past the threshold, or the resume.
        QDateTime quietSince;
        // Seen in the idle time rather than from a suspend.
        bool fromIdle = false;
    };

    void onStarted();
    void onStopped();
    void onTick(const QDateTime& now);
    void onAboutToSleep();
    void onResumed();
    void onInputSeen();

    void checkIdle(const QDateTime& now);
    void leave(const QDateTime& left, const QDateTime& quietSince, bool fromIdle);
    void lookForReturn(const QDateTime& now);
    void comeBack(const QDateTime& back);
    void endAway();
    void closeQuestion();
    qint64 thresholdMs() const;

    SessionModel& m_session;
    const Clock& m_clock;
    IdleSource& m_idle;
    SleepWatch& m_sleep;
    std::chrono::minutes m_threshold{15};

    // Watching: a session runs and the threshold is not 0.
    bool m_active = false;
    // Suspends come as the wall clock jumping between two ticks, where nothing announces them.
    bool m_watchClockJumps = false;
    bool m_sleeping = false;
    QDateTime m_lastTick;
    QDateTime m_nextIdleCheck;
    std::optional<Away> m_away;
    std::optional<AwayPeriod> m_question;
};
