#pragma once

#include <chrono>
#include <optional>

// How long the user has left the keyboard and mouse alone, as the desktop counts it.
class IdleSource {
public:
    virtual ~IdleSource() = default;
    // The time since the last input; nothing where the desktop does not tell, or not now.
    virtual std::optional<std::chrono::milliseconds> idleTime() = 0;
};
