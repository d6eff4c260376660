#pragma once

#include "session/commandprotocol.h"

#include <QHash>
#include <QObject>

#include <chrono>
#include <functional>

class QLocalServer;
class QLocalSocket;
class QTimer;

// Answers what reaches the program's socket: one request per connection, one reply, then the
// connection closes. Nothing here waits for a client: a request is read as its bytes arrive, a
// client that has not sent a whole request in time, or sends more than a request can be, is
// answered and cut off, and past a number of open connections a new one is turned away, so
// that neither a silent client nor many at once can hold up the window. The handler runs on
// the window's thread, between events, and opens no event loop of its own; a request can never
// reach it while it runs.
class CommandServer final : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<commandprotocol::Reply(const commandprotocol::Request&)>;

    static constexpr std::chrono::milliseconds DefaultTimeLimit{3000};
    // Connections whose request has not been answered yet.
    static constexpr int MaxWaiting = 128;

    // Serves the server's connections, those already waiting included. A null server serves
    // none.
    CommandServer(QLocalServer* server, Handler handler,
                  std::chrono::milliseconds timeLimit = DefaultTimeLimit,
                  QObject* parent = nullptr);

private:
    void onConnection();
    void read(QLocalSocket* socket);
    void stopWaiting(QLocalSocket* socket);
    void answer(QLocalSocket* socket, const commandprotocol::Reply& reply);

    QLocalServer* m_server;
    Handler m_handler;
    std::chrono::milliseconds m_timeLimit;
    // Each waiting connection with the timer that cuts it off.
    QHash<QLocalSocket*, QTimer*> m_waiting;
};
