#pragma once

#include "session/commandprotocol.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>

class RemoteControl;
class SessionModel;

// The program on the session bus, for desktop shortcuts and panels: the verbs of the command
// line, carried out by the same code, and the session's state as properties. The interface is
// described in app/org.tallyhawk.Tallyhawk.xml, from which its adaptor is made.
class BusService final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(bool Running READ running)
    Q_PROPERTY(QString Project READ project)
    Q_PROPERTY(QString StartedAt READ startedAt)
    Q_PROPERTY(QString StartingComment READ startingComment)
public:
    static inline const QString ServiceName = QStringLiteral("org.tallyhawk.Tallyhawk");
    static inline const QString InterfaceName = QStringLiteral("org.tallyhawk.Tallyhawk");
    static inline const QString ObjectPath = QStringLiteral("/org/tallyhawk/Tallyhawk");
    static inline const QString RefusedError = QStringLiteral("org.tallyhawk.Tallyhawk.Refused");

    BusService(RemoteControl& remote, SessionModel& session, QObject* parent = nullptr);

    // Offers the interface on the connection's bus under its name. The bus is a convenience:
    // false where there is none, or where a copy of Tallyhawk on another data folder has the
    // name; the command line still reaches this program.
    bool publish(QDBusConnection connection);

    bool running() const;
    QString project() const;
    QString startedAt() const;
    QString startingComment() const;

public slots:
    void Start(const QString& project, const QString& comment);
    void Switch(const QString& project, const QString& comment);
    void Stop();
    void Toggle();
    void AddNote(const QString& text);

private:
    void carryOut(const commandprotocol::Request& request);
    void announceChange();

    RemoteControl& m_remote;
    QDBusConnection m_connection{QString()};
};
