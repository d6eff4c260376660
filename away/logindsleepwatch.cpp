#include "away/logindsleepwatch.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

bool LogindSleepWatch::watch() {
    if (m_watching)
        return *m_watching;
    m_watching = false;
    const QString login1 = QStringLiteral("org.freedesktop.login1");
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    const QDBusConnectionInterface* daemon = bus.interface();
    if (!daemon || !daemon->isServiceRegistered(login1).value())
        return false;
    // Named by its service, the signal is taken only from the owner of that name: anybody
    // else on the bus may send a signal of the same name from the same path.
    m_watching = bus.connect(login1, QStringLiteral("/org/freedesktop/login1"),
                             QStringLiteral("org.freedesktop.login1.Manager"),
                             QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    return *m_watching;
}

void LogindSleepWatch::prepareForSleep(bool sleeping) {
    if (sleeping)
        emit aboutToSleep();
    else
        emit resumed();
}
