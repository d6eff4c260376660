#include "app/commandserver.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

using commandprotocol::Reply;

CommandServer::CommandServer(QLocalServer* server, Handler handler,
                             std::chrono::milliseconds timeLimit, QObject* parent)
    : QObject(parent)
    , m_server(server)
    , m_handler(std::move(handler))
    , m_timeLimit(timeLimit) {
    if (!m_server)
        return;
    connect(m_server, &QLocalServer::newConnection, this, &CommandServer::onConnection);
    // Connections made before the program was ready are waiting already.
    onConnection();
}

void CommandServer::onConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            stopWaiting(socket);
            socket->deleteLater();
        });
        if (m_waiting.size() >= MaxWaiting) {
            answer(socket, {QStringLiteral("Tallyhawk has too many requests open; try again."),
                            std::nullopt});
            continue;
        }
        auto* timer = new QTimer(socket);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, socket, [this, socket] {
            answer(socket, {QStringLiteral("No whole request came in time."), std::nullopt});
        });
        timer->start(m_timeLimit);
        m_waiting.insert(socket, timer);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        // The request may have come with the connection.
        read(socket);
    }
}

void CommandServer::read(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > commandprotocol::MaxLine)
            answer(socket, {QStringLiteral("The request is longer than %1 bytes.")
                                .arg(commandprotocol::MaxLine),
                            std::nullopt});
        return;
    }
    QByteArray line = socket->readLine(commandprotocol::MaxLine + 2);
    line.chop(1);
    const auto request = commandprotocol::parseRequest(line);
    if (const QString* failure = std::get_if<QString>(&request))
        answer(socket, {*failure, std::nullopt});
    else
        answer(socket, m_handler(std::get<commandprotocol::Request>(request)));
}

void CommandServer::stopWaiting(QLocalSocket* socket) {
    if (QTimer* timer = m_waiting.take(socket))
        timer->stop();
    // One request per connection: whatever follows it is not read.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
}

void CommandServer::answer(QLocalSocket* socket, const Reply& reply) {
    stopWaiting(socket);
    socket->write(commandprotocol::replyLine(reply));
    // Closes once the reply is out, without waiting for it here.
    socket->disconnectFromServer();
}
