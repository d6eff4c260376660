#pragma once

#include <QObject>
#include <QTimer>

class Clock;

// The clock's timer. It fires at least once within every change of the seconds value of the
// time of day; the tick itself is the change of that value.
class SecondTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setEnabled(bool on) = 0;
    virtual bool isEnabled() const = 0;

signals:
    void timeout();
};

// Fires at once when enabled, then a couple of milliseconds after each whole second of the
// clock. Polling every 10 ms would catch each second as quickly but wake the program a hundred
// times a second all day long; this wakes it once.
class WholeSecondTimer final : public SecondTimer {
    Q_OBJECT
public:
    explicit WholeSecondTimer(const Clock& clock, QObject* parent = nullptr);

    void setEnabled(bool on) override;
    bool isEnabled() const override { return m_enabled; }

    // How long after the whole second the timer is aimed, to stay clear of firing a moment
    // early and seeing the old second.
    static constexpr int SlackMs = 2;

private:
    void fire();
    void armForNextSecond();

    const Clock& m_clock;
    QTimer m_timer;
    bool m_enabled = false;
};
