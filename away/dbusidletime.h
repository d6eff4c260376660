#pragma once

#include "session/idlesource.h"

// The idle time as a Wayland desktop tells it over the session bus, where an X client cannot
// see input to other programs' windows.
class DBusIdleTime final : public IdleSource {
public:
    enum class Service {
        // GNOME's compositor: org.gnome.Mutter.IdleMonitor.
        Mutter,
        // org.freedesktop.ScreenSaver, as KDE's session offers it.
        ScreenSaver,
    };

    explicit DBusIdleTime(Service service);

    // Nothing when the service is not on the bus, answers an error, or takes too long.
    std::optional<std::chrono::milliseconds> idleTime() override;

    // How long a call may block the window before it counts as no answer.
    static constexpr int ReplyTimeoutMs = 300;

private:
    Service m_service;
};
