#pragma once

#include "session/idlesource.h"

#include <QString>

#include <memory>

class QSocketNotifier;

// The X server's own count of the time since the last input (the MIT-SCREEN-SAVER extension).
// It asks on a connection of its own, so that nothing here depends on the toolkit's platform.
// Each question is one round trip; events are selected only while a watch for input is on
// (an alarm on the SYNC extension's IDLETIME counter), and only then is the connection watched
// by the event loop. The connection is opened on first use and kept.
class X11IdleTime final : public IdleSource {
    Q_OBJECT
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

    // False where the server has no SYNC extension or no IDLETIME counter. The alarm trips on
    // input that follows at least a second without any, which is all an away user can give.
    bool watchForInput() override;
    void stopWatchingForInput() override;

private:
    struct Connection;

    bool syncReady();
    void endWatch();
    // Xlib reads events into its queue while it waits for any reply, after which the socket
    // no longer wakes the notifier: whatever is queued is then read from the event loop.
    void afterRequest();
    void readEvents();

    QString m_displayName;
    bool m_tried = false;
    bool m_readPosted = false;
    std::unique_ptr<Connection> m_connection;
    QSocketNotifier* m_notifier = nullptr;
};
