#include "away/x11idletime.h"

// Xlib's macros (None, Bool, Status...) would clash with Qt's names: its headers come last.
#include <X11/extensions/scrnsaver.h>
#include <X11/Xlib.h>

struct X11IdleTime::Connection {
    Display* display = nullptr;
    XScreenSaverInfo* info = nullptr;

    ~Connection() {
        if (info)
            XFree(info);
        if (display)
            XCloseDisplay(display);
    }
};

X11IdleTime::X11IdleTime(const QString& displayName)
    : m_displayName(displayName) {}

X11IdleTime::~X11IdleTime() = default;

bool X11IdleTime::available() {
    if (m_tried)
        return m_connection != nullptr;
    m_tried = true;
    auto connection = std::make_unique<Connection>();
    const QByteArray name = m_displayName.toLocal8Bit();
    connection->display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (!connection->display)
        return false;
    int eventBase = 0;
    int errorBase = 0;
    if (!XScreenSaverQueryExtension(connection->display, &eventBase, &errorBase))
        return false;
    connection->info = XScreenSaverAllocInfo();
    if (!connection->info)
        return false;
    m_connection = std::move(connection);
    return true;
}

std::optional<std::chrono::milliseconds> X11IdleTime::idleTime() {
    if (!available())
        return std::nullopt;
    if (!XScreenSaverQueryInfo(m_connection->display, DefaultRootWindow(m_connection->display),
                               m_connection->info))
        return std::nullopt;
    return std::chrono::milliseconds(m_connection->info->idle);
}
