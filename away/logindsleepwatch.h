#pragma once

#include "session/sleepwatch.h"

#include <optional>

// The suspends that systemd-logind announces on the system bus. No inhibitor lock is taken:
// the announcement may then come only just before the machine sleeps, or after it wakes, and
// the tracker takes the time of its last clock tick as the moment it went to sleep.
class LogindSleepWatch final : public SleepWatch {
    Q_OBJECT
public:
    using SleepWatch::SleepWatch;

    // False where the system bus is not there or logind is not on it.
    bool watch() override;

private slots:
    void prepareForSleep(bool sleeping);

private:
    std::optional<bool> m_watching;
};
