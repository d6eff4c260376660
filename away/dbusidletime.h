#pragma once

#include "session/idlesource.h"

#include <optional>

// The idle time as a Wayland desktop tells it over the session bus, where an X client cannot
// see input to other programs' windows.
class DBusIdleTime final : public IdleSource {
    Q_OBJECT
public:
    enum class Service {
        // GNOME's compositor: org.gnome.Mutter.IdleMonitor.
        Mutter,
        // org.freedesktop.ScreenSaver, as KDE's session offers it.
        ScreenSaver,
    };

    explicit DBusIdleTime(Service service);
    ~DBusIdleTime() override;
    DBusIdleTime(const DBusIdleTime&) = delete;
    DBusIdleTime& operator=(const DBusIdleTime&) = delete;

    // Nothing when the service is not on the bus, answers an error, or takes too long.
    std::optional<std::chrono::milliseconds> idleTime() override;

    // Only Mutter tells of input; the ScreenSaver interface has no such watch.
    bool watchForInput() override;
    void stopWatchingForInput() override;

    // How long a call may block the window before it counts as no answer.
    static constexpr int ReplyTimeoutMs = 300;

private slots:
    void watchFired(uint id);

private:
    bool listen(bool on);

    Service m_service;
    // Mutter's id for the watch that is on.
    std::optional<uint> m_watch;
};
