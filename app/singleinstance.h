#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>

class QDeadlineTimer;
class QLocalServer;
class QLocalSocket;

// One Tallyhawk per data folder. Two programs on one folder would both append to its log and
// the last to close would overwrite the other's settings. The first start on a folder holds a
// lock and listens; a later start on the same folder asks that one to bring its window forward
// and ends, touching no file. The lock and the socket live in the user's runtime folder, named
// by a hash of the data folder, so that the data folder holds only the user's own files and
// copies in different folders run side by side.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        // No other Tallyhawk runs on the folder; this one now holds it until it ends.
        First,
        // Another Tallyhawk runs on the folder and has been asked to come forward: end now.
        HandedOver,
        // Another Tallyhawk holds the folder but did not answer: end, leaving the files to it.
        Unanswered,
    };

    static constexpr std::chrono::milliseconds DefaultAnswerTime{5000};

    // The folder need not exist yet.
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the folder, or hands this start over to the program that has it. Waits at most
    // the given time for that program to answer. Needs a QCoreApplication.
    Claim claim(std::chrono::milliseconds answerTime = DefaultAnswerTime);

    QString lockPath() const { return m_lockPath; }
    QString serverPath() const { return m_serverPath; }

signals:
    // Another start on the same folder asks this program to bring its window forward. When the
    // desktop gave that start a Wayland activation token, XDG_ACTIVATION_TOKEN holds it by
    // now, for the window's own activation request to use.
    void activationRequested();

private:
    bool listen();
    bool askToActivate(const QDeadlineTimer& deadline) const;
    void onConnection();
    void readRequest(QLocalSocket* socket);

    QString m_lockPath;
    QString m_serverPath;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
