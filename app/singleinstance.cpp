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
    commandprotocol::Request activate{commandprotocol::Verb::Activate, {}, {}, {}, {}};
    // The desktop gave this start the right to take the focus; the program that stays needs it
    // to come forward.
    if (const QString token = qEnvironmentVariable(ActivationToken);
        commandprotocol::isActivationToken(token))
        activate.text = token;
    for (;;) {
        switch (hold()) {
        case Hold::Taken:
            if (!listen()) {
                qWarning("Tallyhawk cannot listen at %s (%s): a second start on this data "
                         "folder will not find this one",
                         qPrintable(m_serverPath), qPrintable(m_server->errorString()));
            }
            return Claim::First;
        case Hold::Unusable:
            // Refusing to start because the runtime folder is unusable would help no one.
            qWarning("Tallyhawk cannot lock %s: a second start on this data folder will not be "
                     "noticed",
                     qPrintable(m_lockPath));
            return Claim::First;
        case Hold::Elsewhere:
            break;
        }
        const Asked asked = ask(activate, deadline);
        if (asked.outcome == Asked::Outcome::Answered && asked.reply.done())
            return Claim::HandedOver;
        if (deadline.hasExpired())
            return Claim::Unanswered;
        // The holder has just started and does not listen yet, or has just ended.
        QThread::msleep(50);
    }
}

SingleInstance::Hold SingleInstance::hold() {
    // A lock left by a process that was killed is found stale and taken over here.
    if (m_lock.tryLock(0))
        return Hold::Taken;
    return m_lock.error() == QLockFile::LockFailedError ? Hold::Elsewhere : Hold::Unusable;
}

void SingleInstance::release() {
    m_lock.unlock();
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Room for a hundred clients that come at once, before the window's thread takes them in;
    // beyond the queue a client is refused at once.
    m_server->setListenBacklogSize(256);
    // Whoever listened here before has ended: the lock is ours.
    QLocalServer::removeServer(m_serverPath);
    return m_server->listen(m_serverPath);
}

SingleInstance::Asked SingleInstance::ask(const commandprotocol::Request& request,
                                          const QDeadlineTimer& deadline) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverPath);
    if (!socket.waitForConnected(remainingMs(deadline)))
        return {};
    Asked asked{Asked::Outcome::NoAnswer, {}};
    socket.write(commandprotocol::requestLine(request));
    if (!socket.waitForBytesWritten(remainingMs(deadline)))
        return asked;
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > commandprotocol::MaxLine ||
            !socket.waitForReadyRead(remainingMs(deadline)))
            return asked;
    }
    QByteArray line = socket.readLine(commandprotocol::MaxLine + 1);
    line.chop(1);
    if (const std::optional<commandprotocol::Reply> reply = commandprotocol::parseReply(line)) {
        asked.outcome = Asked::Outcome::Answered;
        asked.reply = *reply;
    }
    return asked;
}
