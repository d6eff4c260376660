#pragma once

#include "storage/datetimetext.h"
#include "storage/fileresult.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class Clock;
class SecondTimer;
class SessionLog;

// One session at a time, without a window: whether it runs, its project, when it started and
// stopped, the clock's ticks and whole minutes, and the activity prompt's due test. Its record
// goes to the session log through the log's owner. A window shows it and forwards the user's
// actions to it.
//
// The clock ticks once per change of the seconds value of the time of day. Every 60 ticks the
// minute count steps; each change of the minute count runs the prompt test, which compares the
// count's decimal text with the interval's text, so an interval such as "030" never comes due.
class SessionModel : public QObject {
    Q_OBJECT
public:
    // Takes the timer. Stamps are written in the locale's date-time text.
    SessionModel(const Clock& clock, std::unique_ptr<SecondTimer> timer, const QLocale& locale,
                 SessionLog& log, QObject* parent = nullptr);
    ~SessionModel() override;

    bool isRunning() const { return m_running; }
    // Started, with the starting comment not given yet.
    bool isStarting() const { return m_starting; }
    const QString& project() const { return m_project; }
    // The instant of the last Start, to the whole second that its stamp shows.
    const QDateTime& startedAt() const { return m_startedAt; }
    const QString& startStamp() const { return m_startStamp; }
    const QString& stopStamp() const { return m_stopStamp; }
    // The starting comment of the running session, or of the last one.
    const QString& startingComment() const { return m_startingComment; }
    // "N/A" until a session's first tick, then its elapsed time; kept after Stop.
    const QString& elapsedText() const { return m_elapsedText; }
    int tickCount() const { return m_tickCount; }
    qint64 minuteCount() const { return m_minuteCount; }
    const DateTimeText& dateText() const { return m_dateText; }
    SessionLog& log() const { return m_log; }
    SecondTimer& timer() const { return *m_timer; }

    // The activity prompt: on only while the box that asks for it is checked; the interval as
    // the user typed it. Either change starts the count towards the next prompt again.
    void setPromptOn(bool on);
    bool isPromptOn() const { return m_promptOn; }
    void setPromptInterval(const QString& text);
    const QString& promptInterval() const { return m_promptInterval; }

    // Start, in two steps: begin() stamps the start (now, or at the earlier moment given),
    // starts the clock and holds the start lines, while the caller asks for the starting
    // comment; finishStart() then writes the lines with the comment, if it is not empty.
    void begin(const QString& project, const QDateTime& at = {});
    void finishStart(const QString& startingComment);
    // Both steps at once, for a comment already known.
    void start(const QString& project, const QString& startingComment, const QDateTime& at = {});
    // Stop: stamps the stop, stops the clock, and writes the stop lines with the elapsed time.
    void stop();
    // The running session started at another moment than its stamp says: its start lines have
    // been written anew, and the clock counts from there.
    void moveStart(const QDateTime& at);
    // Stop as if at an earlier moment of the session: the stop stamp and the total time are
    // taken at that moment, to the whole second.
    void stopAt(const QDateTime& when);

    // A note of the user's, stamped now, and written at once behind whatever the log still
    // owes.
    FileResult logNote(const QString& note);

signals:
    // One clock tick, at the time of day it was seen; the elapsed time has been brought up to
    // date.
    void ticked(const QDateTime& at);
    void elapsedTextChanged(const QString& text);
    void minuteCountChanged(qint64 minutes);
    // The prompt interval has come round: the user is to be asked what they are doing.
    void promptDue();
    void started();
    // The start of the running session was moved.
    void startMoved();
    // The start lines are written, with the starting comment.
    void startFinished();
    void stopped();
    // The log could not take the lines of a Start or a Stop; they wait for the next write.
    void logFailed(const FileResult& result);

private:
    void onTimer();
    void tick(const QDateTime& now);
    void setMinuteCount(qint64 minutes);
    void setElapsedText(const QString& text);
    void writeSessionLines(QStringView lines);
    void finishStop(const QDateTime& when);

    const Clock& m_clock;
    SecondTimer* m_timer;
    DateTimeText m_dateText;
    SessionLog& m_log;

    bool m_running = false;
    bool m_starting = false;
    bool m_stopped = false;
    QString m_project;
    QDateTime m_startedAt;
    QString m_startStamp;
    QString m_stopStamp;
    QString m_startingComment;
    QString m_elapsedText;
    int m_tickCount = 0;
    qint64 m_minuteCount = 0;
    // The seconds value of the time of day at the last timer event; none right after Start.
    std::optional<int> m_lastSecond;

    bool m_promptOn = true;
    QString m_promptInterval = QStringLiteral("30");
};
