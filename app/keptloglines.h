#pragma once

#include <QObject>
#include <QString>

class SessionModel;
class Warnings;

// Log lines that the session log could not take by the time the program ended are kept in the
// user's data folder, and go back into the log at the next start, ahead of anything new. The
// file is deleted once they are in the log.
class KeptLogLines final : public QObject {
    Q_OBJECT
public:
    KeptLogLines(SessionModel& session, QString dataFolder, Warnings& warnings,
                 QObject* parent = nullptr);

    // At start-up: puts the lines kept last time back into the log.
    void restore();
    // At the end: one more try at the log, then the data folder, then the user's own eyes.
    void keep();

private:
    QString path() const;
    void forgetOnceWritten();

    SessionModel& m_session;
    QString m_dataFolder;
    Warnings& m_warnings;
    // Lines read back at start-up that have not reached the log yet.
    bool m_restoredPending = false;
};
