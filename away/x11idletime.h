#pragma once

#include "session/idlesource.h"

#include <QString>

#include <memory>

// The X server's own count of the time since the last input (the MIT-SCREEN-SAVER extension).
// It asks on a connection of its own, so that nothing here depends on the toolkit's platform
// and nothing reaches the event loop: no events are selected, and each question is one round
// trip. The connection is opened on first use and kept.
class X11IdleTime final : public IdleSource {
public:
    // An empty name means the display in $DISPLAY.
    explicit X11IdleTime(const QString& displayName = {});
    ~X11IdleTime() override;
    X11IdleTime(const X11IdleTime&) = delete;
    X11IdleTime& operator=(const X11IdleTime&) = delete;

    // Whether the display opened and has the extension. A display that did not open is not
    // tried again.
    bool available();

    std::optional<std::chrono::milliseconds> idleTime() override;

private:
    struct Connection;

    QString m_displayName;
    bool m_tried = false;
    std::unique_ptr<Connection> m_connection;
};
