#pragma once

#include "session/commandprotocol.h"

#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>

class QDeadlineTimer;
class QLocalServer;

// One Tallyhawk per data folder. Two programs on one folder would both append to its log and
// the last to close would overwrite the other's settings. The first start on a folder holds a
// lock and listens; a later start on the same folder asks that one to bring its window forward
// and ends, touching no file, and a command line asks it to carry out its command. The lock
// and the socket live in the user's runtime folder, named by a hash of the data folder, so that
// the data folder holds only the user's own files and copies in different folders run side by
// side. The socket lets only the user in.
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

    enum class Hold {
        // Nobody held the folder; this one does now, without listening, until release().
        Taken,
        // Another program holds it.
        Elsewhere,
        // The lock cannot be made: nobody can be found holding the folder.
        Unusable,
    };

    struct Asked {
        enum class Outcome : quint8 {
            // Nothing listens for the folder.
            NotListening,
            // Something listens, but gave no reply in time, or none that reads.
            NoAnswer,
            Answered,
        };
        Outcome outcome = Outcome::NotListening;
        commandprotocol::Reply reply;
    };

    static constexpr std::chrono::milliseconds DefaultAnswerTime{5000};

    // The folder need not exist yet.
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the folder and listens, or hands this start over to the program that has it.
    // Waits at most the given time for that program to answer. Needs a QCoreApplication.
    Claim claim(std::chrono::milliseconds answerTime = DefaultAnswerTime);
    // Where the program that holds the folder hears requests, once claim() found it First;
    // null when it could not listen.
    QLocalServer* server() const { return m_server; }

    // For a command line, which only asks: takes the folder if nobody holds it, so that the
    // files can be read while no program starts on them.
    Hold hold();
    void release();
    // Sends the request to the program that holds the folder and waits for its reply.
    Asked ask(const commandprotocol::Request& request, const QDeadlineTimer& deadline) const;

    QString lockPath() const { return m_lockPath; }
    QString serverPath() const { return m_serverPath; }

private:
    bool listen();

    QString m_lockPath;
    QString m_serverPath;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
