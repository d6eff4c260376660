#pragma once

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/prctl.h>

// A D-Bus daemon of the test's own, in a temporary folder: every connection may talk to every
// other and own any name, and no service is started on request, so that nothing on it outlives
// the test. Set variable() to address() before the program's first use of that kind of bus
// (Qt connects to each kind once per process).
class PrivateBus {
public:
    enum class Type { Session, System };

    explicit PrivateBus(Type type = Type::Session)
        : m_type(type) {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
            m_error = QStringLiteral("dbus-daemon is missing: build.sh installs it");
            return;
        }
        QFile config(m_folder.filePath(QStringLiteral("bus.conf")));
        const QString text =
            QStringLiteral(
                "<busconfig><type>%1</type><listen>unix:path=%2</listen><auth>EXTERNAL</auth>"
                "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                "<allow eavesdrop=\"true\"/><allow own=\"*\"/><allow user=\"*\"/></policy>"
                "</busconfig>\n")
                .arg(type == Type::System ? QStringLiteral("system") : QStringLiteral("session"),
                     m_folder.filePath(QStringLiteral("bus")));
        if (!m_folder.isValid() || !config.open(QIODevice::WriteOnly) ||
            config.write(text.toUtf8()) < 0 || !config.flush()) {
            m_error = QStringLiteral("could not write the bus configuration");
            return;
        }
        // A test that is killed takes its daemon with it.
        m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config.fileName(),
                        QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(5000) ||
            !QTest::qWaitFor([this] { return m_daemon.canReadLine(); }, 5000)) {
            m_error = QStringLiteral("dbus-daemon did not start: ") +
                      QString::fromLocal8Bit(m_daemon.readAllStandardError());
            return;
        }
        m_address = QString::fromLocal8Bit(m_daemon.readLine().trimmed());
    }

    ~PrivateBus() {
        for (const QString& name : std::as_const(m_connections))
            QDBusConnection::disconnectFromBus(name);
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.kill();
            m_daemon.waitForFinished(3000);
        }
    }

    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the bus is up; otherwise what went wrong.
    QString error() const { return m_error; }
    QString address() const { return m_address; }
    // The environment variable through which a program finds this kind of bus.
    QString variable() const {
        return m_type == Type::System ? QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS")
                                      : QStringLiteral("DBUS_SESSION_BUS_ADDRESS");
    }
    // Makes this bus the one this process uses as its bus of that kind.
    void useInThisProcess() const { qputenv(qPrintable(variable()), m_address.toLocal8Bit()); }

    // A connection of its own, as another program on the bus would have; closed with the bus.
    QDBusConnection connect(const QString& name) {
        m_connections << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    Type m_type;
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QString m_error;
    QStringList m_connections;
};
