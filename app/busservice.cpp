#include "app/busservice.h"

#include "app/remotecontrol.h"
#include "session/sessioncontrol.h"
#include "session/sessionmodel.h"
#include "tallyhawkadaptor.h"

#include <QDBusMessage>
#include <QVariantMap>

using commandprotocol::Request;
using commandprotocol::Verb;

BusService::BusService(RemoteControl& remote, SessionModel& session, QObject* parent)
    : QObject(parent)
    , m_remote(remote) {
    new TallyhawkAdaptor(this);
    // Panels follow the session without asking every second: a start is announced once its
    // comment is given, as the window shows it then.
    connect(&session, &SessionModel::startFinished, this, &BusService::announceChange);
    connect(&session, &SessionModel::stopped, this, &BusService::announceChange);
}

bool BusService::publish(QDBusConnection connection) {
    if (!connection.isConnected() ||
        !connection.registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    if (!connection.registerService(ServiceName)) {
        connection.unregisterObject(ObjectPath);
        return false;
    }
    m_connection = connection;
    return true;
}

bool BusService::running() const {
    return m_remote.control().status().running;
}

QString BusService::project() const {
    return m_remote.control().status().project;
}

QString BusService::startedAt() const {
    const QDateTime started = m_remote.control().status().started;
    return started.isValid() ? isoWithOffset(started) : QString();
}

QString BusService::startingComment() const {
    return m_remote.control().status().comment;
}

void BusService::Start(const QString& project, const QString& comment) {
    carryOut({Verb::Start, project, comment, {}, {}});
}

void BusService::Switch(const QString& project, const QString& comment) {
    carryOut({Verb::Switch, project, comment, {}, {}});
}

void BusService::Stop() {
    carryOut({Verb::Stop, {}, {}, {}, {}});
}

void BusService::Toggle() {
    carryOut({Verb::Toggle, {}, {}, {}, {}});
}

void BusService::AddNote(const QString& text) {
    carryOut({Verb::Note, {}, {}, text, {}});
}

void BusService::carryOut(const Request& request) {
    const commandprotocol::Reply reply = m_remote.handle(request);
    if (!reply.done() && calledFromDBus())
        sendErrorReply(RefusedError, reply.failure);
}

void BusService::announceChange() {
    if (!m_connection.isConnected())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    const QVariantMap changed = {
        {QStringLiteral("Running"), running()},
        {QStringLiteral("Project"), project()},
        {QStringLiteral("StartedAt"), startedAt()},
        {QStringLiteral("StartingComment"), startingComment()},
    };
    signal << InterfaceName << changed << QStringList();
    m_connection.send(signal);
}
