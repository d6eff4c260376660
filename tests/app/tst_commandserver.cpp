// The program's socket under bad input and load: nothing reaches the handler but a whole,
// well-formed request, every client is answered or cut off, and none holds the others up.
#include "app/commandserver.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using commandprotocol::Reply;
using commandprotocol::Request;
using namespace std::chrono_literals;

class TestCommandServer : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<QLocalServer> m_server;
    std::unique_ptr<CommandServer> m_commands;
    QList<Request> m_handled;

    void serve(std::chrono::milliseconds timeLimit = 60s) {
        m_commands.reset();
        m_server = std::make_unique<QLocalServer>();
        QVERIFY(m_server->listen(m_dir.filePath(u"socket"_qs)));
        m_commands = std::make_unique<CommandServer>(
            m_server.get(),
            [this](const Request& request) {
                m_handled.append(request);
                return Reply{};
            },
            timeLimit);
    }

    std::unique_ptr<QLocalSocket> connectClient() {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(m_server->fullServerName());
        return socket;
    }

    // Sends the bytes and waits, without blocking the server, until the server closes.
    QByteArray exchange(const QByteArray& bytes) {
        std::unique_ptr<QLocalSocket> socket = connectClient();
        socket->write(bytes);
        QByteArray reply;
        connect(socket.get(), &QLocalSocket::readyRead, this, [&] { reply += socket->readAll(); });
        if (!QTest::qWaitFor([&] { return socket->state() == QLocalSocket::UnconnectedState; },
                             5000))
            return "(still connected)";
        return reply + socket->readAll();
    }

private slots:
    void init() {
        m_handled.clear();
        serve();
    }

    void aWholeRequestIsHandledAndAnswered() {
        QCOMPARE(exchange("{\"verb\":\"switch\",\"project\":\"Beta\",\"comment\":\"Next\"}\n"
                          "{\"verb\":\"stop\"}\n"),
                 QByteArray("{\"ok\":true}\n"));
        // One request per connection: the second line is not read.
        QCOMPARE(m_handled,
                 (QList<Request>{{commandprotocol::Verb::Switch, u"Beta"_qs, u"Next"_qs, {}, {}}}));
    }

    void badRequestsAreAnsweredWithTheReasonAndGoNoFurther_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("reason");
        const QString notJson = u"The request is not one JSON object of at most 65536 bytes."_qs;
        QTest::newRow("a word") << QByteArray("activate\n") << notJson;
        QTest::newRow("invalid UTF-8")
            << QByteArray("{\"verb\":\"note\",\"text\":\"\xff\"}\n") << notJson;
        QTest::newRow("no verb") << QByteArray("{\"project\":\"A\"}\n")
                                 << u"The request names no verb that Tallyhawk knows."_qs;
        QTest::newRow("missing project")
            << QByteArray("{\"verb\":\"start\"}\n") << u"start needs \"project\"."_qs;
        QTest::newRow("a key the verb does not take")
            << QByteArray("{\"verb\":\"stop\",\"project\":\"A\"}\n")
            << u"\"project\" is not a text that stop takes."_qs;
        QTest::newRow("a number for a text") << QByteArray("{\"verb\":\"note\",\"text\":5}\n")
                                             << u"\"text\" is not a text that note takes."_qs;
        QTest::newRow("a moment without a date")
            << QByteArray("{\"verb\":\"stop\",\"at\":\"9:30\"}\n")
            << u"\"9:30\" is not an ISO 8601 moment."_qs;
        QTest::newRow("a token with a space")
            << QByteArray("{\"verb\":\"activate\",\"token\":\"a b\"}\n")
            << u"The activation token is not one a desktop gives."_qs;
        QTest::newRow("endless line")
            << QByteArray(70000, 'x') << u"The request is longer than 65536 bytes."_qs;
    }
    void badRequestsAreAnsweredWithTheReasonAndGoNoFurther() {
        QFETCH(QByteArray, request);
        QFETCH(QString, reason);
        const std::optional<Reply> reply = commandprotocol::parseReply(exchange(request).trimmed());
        QVERIFY(reply);
        QCOMPARE(reply->failure, reason);
        QCOMPARE(m_handled.size(), 0);
    }

    void aRequestCutShortDoesNothing() {
        std::unique_ptr<QLocalSocket> socket = connectClient();
        socket->write("{\"verb\":\"stop\"}");
        QVERIFY(socket->waitForBytesWritten(1000));
        socket->abort();
        QTest::qWait(50);
        QCOMPARE(m_handled.size(), 0);
    }

    void aSilentClientIsCutOffWhileOthersAreServed() {
        serve(500ms);
        std::unique_ptr<QLocalSocket> silent = connectClient();
        QVERIFY(silent->waitForConnected(1000));
        QCOMPARE(exchange("{\"verb\":\"status\"}\n"), QByteArray("{\"ok\":true}\n"));
        QCOMPARE(silent->state(), QLocalSocket::ConnectedState);
        QTRY_COMPARE(silent->state(), QLocalSocket::UnconnectedState);
        QVERIFY(silent->readAll().startsWith("{\"ok\":false,\"reason\":\"No whole request"));
    }

    // Past the limit of waiting connections a client is turned away; those waiting are served.
    void manyClientsAtOnce() {
        std::vector<std::unique_ptr<QLocalSocket>> silent;
        for (int i = 0; i < CommandServer::MaxWaiting; ++i) {
            silent.push_back(connectClient());
            QVERIFY(silent.back()->waitForConnected(1000));
            // Taken in by the server one by one, as clients come.
            QTest::qWait(5);
        }
        const std::optional<Reply> turnedAway =
            commandprotocol::parseReply(exchange("{\"verb\":\"status\"}\n").trimmed());
        QVERIFY(turnedAway);
        QCOMPARE(turnedAway->failure, u"Tallyhawk has too many requests open; try again."_qs);
        for (auto& socket : silent)
            socket->write("{\"verb\":\"toggle\"}\n");
        QTRY_COMPARE(m_handled.size(), CommandServer::MaxWaiting);
        QCOMPARE(exchange("{\"verb\":\"status\"}\n"), QByteArray("{\"ok\":true}\n"));
    }
};

QTEST_GUILESS_MAIN(TestCommandServer)
#include "tst_commandserver.moc"
