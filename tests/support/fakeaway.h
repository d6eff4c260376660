#pragma once

#include "session/clock.h"
#include "session/idlesource.h"
#include "session/sleepwatch.h"

#include <QDateTime>

#include <optional>
#include <utility>

// The desktop's idle time on fake time: the test says when the last input was.
class FakeIdle final : public IdleSource {
public:
    explicit FakeIdle(const Clock& clock)
        : m_clock(clock)
        , m_lastInput(clock.now()) {}

    std::optional<std::chrono::milliseconds> idleTime() override {
        ++asked;
        if (!m_lastInput)
            return std::nullopt;
        return std::chrono::milliseconds(m_lastInput->msecsTo(m_clock.now()));
    }

    bool watchForInput() override {
        watching = tellsOfInput;
        return watching;
    }
    void stopWatchingForInput() override { watching = false; }

    // A key or a mouse move, now; told at once to a watch.
    void input() {
        m_lastInput = m_clock.now();
        if (std::exchange(watching, false))
            emit inputSeen();
    }
    // A desktop that does not tell the idle time.
    void goSilent() { m_lastInput.reset(); }

    // Whether the desktop can tell of the next input.
    bool tellsOfInput = true;
    bool watching = false;
    int asked = 0;

private:
    const Clock& m_clock;
    std::optional<QDateTime> m_lastInput;
};

// Suspends announced by the test; or, with announces off, a system that announces none.
class FakeSleepWatch final : public SleepWatch {
public:
    bool watch() override {
        ++watched;
        return announces;
    }
    void sleep() { emit aboutToSleep(); }
    void wake() { emit resumed(); }

    bool announces = true;
    int watched = 0;
};
