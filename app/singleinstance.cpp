#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr QByteArrayView Request = "activate";
constexpr QByteArrayView Answer = "ok\n";
// A request is one short line; anything longer is not from Tallyhawk.
constexpr qint64 LongestRequest = 1024;
// The variable through which a Wayland desktop hands a program the right to take the focus.
constexpr char ActivationToken[] = "XDG_ACTIVATION_TOKEN";

// One name for every way of writing the folder: links resolved where it exists, "." and ".."
// removed where it does not yet.
QString canonicalFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The runtime folder is private to the user and emptied when they log out, which suits a lock
// and a socket; Qt makes one under the temporary folder when the session has none.
QString runtimeFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

// A socket path must stay short (108 bytes), so the folder is named by a hash, not spelled.
QString baseName(const QString& dataFolder) {
    const QByteArray hash = QCryptographicHash::hash(QFile::encodeName(canonicalFolder(dataFolder)),
                                                     QCryptographicHash::Sha256);
    return QDir(runtimeFolder())
        .filePath(QStringLiteral("tallyhawk-") + QString::fromLatin1(hash.toHex().left(16)));
}

// A token is printable ASCII without spaces; anything else is not passed on.
bool isToken(QByteArrayView token) {
    if (token.isEmpty() || token.size() > LongestRequest)
        return false;
    for (const char c : token) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

int remainingMs(const QDeadlineTimer& deadline) {
    return int(deadline.remainingTime());
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent)
    , m_lockPath(baseName(dataFolder) + QStringLiteral(".lock"))
    , m_serverPath(baseName(dataFolder) + QStringLiteral(".socket"))
    , m_lock(m_lockPath) {
    // The lock is held for as long as the program runs, all day; it is stale only when the
    // process that took it has gone.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    // Before the lock goes: closing removes the socket file, which by then could be the next
    // program's.
    if (m_server)
        m_server->close();
}

SingleInstance::Claim SingleInstance::claim(std::chrono::milliseconds answerTime) {
    const QDeadlineTimer deadline(answerTime);
    for (;;) {
        // A lock left by a process that was killed is found stale and taken over here.
        if (m_lock.tryLock(0)) {
            if (!listen()) {
                qWarning("Tallyhawk cannot listen at %s (%s): a second start on this data "
                         "folder will not find this one",
                         qPrintable(m_serverPath), qPrintable(m_server->errorString()));
            }
            return Claim::First;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            // Refusing to start because the runtime folder is unusable would help no one.
            qWarning("Tallyhawk cannot lock %s: a second start on this data folder will not be "
                     "noticed",
                     qPrintable(m_lockPath));
            return Claim::First;
        }
        if (askToActivate(deadline))
            return Claim::HandedOver;
        if (deadline.hasExpired())
            return Claim::Unanswered;
        // The holder has just started and does not listen yet, or has just ended.
        QThread::msleep(50);
    }
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Whoever listened here before has ended: the lock is ours.
    QLocalServer::removeServer(m_serverPath);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    return m_server->listen(m_serverPath);
}

bool SingleInstance::askToActivate(const QDeadlineTimer& deadline) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverPath);
    if (!socket.waitForConnected(remainingMs(deadline)))
        return false;
    QByteArray request = Request.toByteArray();
    // The desktop gave this start the right to take the focus; the program that stays
    // needs it to come forward.
    if (const QByteArray token = qgetenv(ActivationToken); isToken(token))
        request += ' ' + token;
    socket.write(request + '\n');
    if (!socket.waitForBytesWritten(remainingMs(deadline)))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(remainingMs(deadline)))
            return false;
    }
    return socket.readLine() == Answer;
}

void SingleInstance::onConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        // The request may have come with the connection.
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > LongestRequest)
            socket->abort();
        return;
    }
    QByteArray line = socket->readLine(LongestRequest + 1);
    if (!line.endsWith('\n')) {
        socket->abort();
        return;
    }
    line.chop(1);
    const qsizetype space = line.indexOf(' ');
    const QByteArrayView word = QByteArrayView(line).first(space < 0 ? line.size() : space);
    if (word != Request) {
        socket->abort();
        return;
    }
    if (space >= 0) {
        const QByteArrayView token = QByteArrayView(line).sliced(space + 1);
        if (isToken(token))
            qputenv(ActivationToken, token.toByteArray());
    }
    socket->write(Answer.data(), Answer.size());
    socket->disconnectFromServer();
    emit activationRequested();
}
