#include "away/dbusidletime.h"

#include <QDBusConnection>
#include <QDBusMessage>

DBusIdleTime::DBusIdleTime(Service service)
    : m_service(service) {}

std::optional<std::chrono::milliseconds> DBusIdleTime::idleTime() {
    const bool mutter = m_service == Service::Mutter;
    QDBusMessage call =
        mutter
            ? QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                             QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                                             QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                             QStringLiteral("GetIdletime"))
            : QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                             QStringLiteral("/org/freedesktop/ScreenSaver"),
                                             QStringLiteral("org.freedesktop.ScreenSaver"),
                                             QStringLiteral("GetSessionIdleTime"));
    // Asking how long the user has been idle must not start a screen saver that the desktop
    // does not run.
    call.setAutoStartService(false);
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    // Blocking, since the caller wants the answer now; the short timeout keeps a hung service
    // from freezing the window. KDE's ScreenSaver answers an error on Wayland: no answer either.
    const QDBusMessage reply = bus.call(call, QDBus::Block, ReplyTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return std::nullopt;
    const QVariant value = reply.arguments().constFirst();
    if (mutter) {
        if (value.metaType() != QMetaType::fromType<qulonglong>() ||
            value.toULongLong() > qulonglong(std::chrono::milliseconds::max().count()))
            return std::nullopt;
        return std::chrono::milliseconds(value.toULongLong());
    }
    // The freedesktop interface leaves the unit open; KDE's implementation, the one that
    // answers, gives milliseconds.
    if (value.metaType() != QMetaType::fromType<uint>())
        return std::nullopt;
    return std::chrono::milliseconds(value.toUInt());
}
