#include "away/dbusidletime.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

const QString MutterService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString MutterPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString MutterInterface = QStringLiteral("org.gnome.Mutter.IdleMonitor");

QDBusMessage mutterCall(const QString& method) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(MutterService, MutterPath, MutterInterface, method);
    call.setAutoStartService(false);
    return call;
}

} // namespace

DBusIdleTime::DBusIdleTime(Service service)
    : m_service(service) {}

DBusIdleTime::~DBusIdleTime() {
    // Mutter keeps a watch until it fires or its client leaves the bus.
    stopWatchingForInput();
}

std::optional<std::chrono::milliseconds> DBusIdleTime::idleTime() {
    const bool mutter = m_service == Service::Mutter;
    QDBusMessage call =
        mutter ? mutterCall(QStringLiteral("GetIdletime"))
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

bool DBusIdleTime::listen(bool on) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Named by its service, the signal is taken only from the owner of that name: anybody
    // else on the bus may send a signal of the same name from the same path.
    return on ? bus.connect(MutterService, MutterPath, MutterInterface,
                            QStringLiteral("WatchFired"), this, SLOT(watchFired(uint)))
              : bus.disconnect(MutterService, MutterPath, MutterInterface,
                               QStringLiteral("WatchFired"), this, SLOT(watchFired(uint)));
}

bool DBusIdleTime::watchForInput() {
    if (m_service != Service::Mutter)
        return false;
    if (m_watch)
        return true;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    // Listening before the watch is added, so that input straight after it is not missed.
    if (!bus.isConnected() || !listen(true))
        return false;
    const QDBusMessage reply =
        bus.call(mutterCall(QStringLiteral("AddUserActiveWatch")), QDBus::Block, ReplyTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
        reply.arguments().constFirst().metaType() != QMetaType::fromType<uint>()) {
        listen(false);
        return false;
    }
    m_watch = reply.arguments().constFirst().toUInt();
    return true;
}

void DBusIdleTime::stopWatchingForInput() {
    if (!m_watch)
        return;
    QDBusMessage call = mutterCall(QStringLiteral("RemoveWatch"));
    call << *m_watch;
    // A watch that has just fired is gone already; the error that Mutter then answers tells
    // nothing worth waiting for.
    QDBusConnection::sessionBus().send(call);
    listen(false);
    m_watch.reset();
}

void DBusIdleTime::watchFired(uint id) {
    if (!m_watch || *m_watch != id)
        return;
    // Mutter removes a user-active watch once it has fired.
    listen(false);
    m_watch.reset();
    emit inputSeen();
}
