#pragma once

#include "session/logcorrections.h"
#include "session/sessionlog.h"
#include "session/sessionmodel.h"
#include "tests/support/fakeclock.h"
#include "tests/support/files.h"
#include "tests/support/manualtimer.h"

#include <QTemporaryDir>

#include <memory>

// A session model on fake time, from 9:00:05 on 6/3/2008 unless told otherwise, writing its
// log into a temporary folder (or the log named) with United States stamps, keeping lines it
// could not write and its last change in a second temporary folder.
struct SessionRig {
    explicit SessionRig(const QDateTime& start = QDateTime(QDate(2008, 6, 3), QTime(9, 0, 5)),
                        const QString& logFile = {})
        : clock(start)
        , log(logFile.isEmpty() ? dir.filePath(u"Tasks.txt"_qs) : logFile, recoveryDir.path())
        , session(clock, makeTimer(), QLocale(QStringLiteral("en_US")), log)
        , corrections(log, session, clock) {}

    void runSeconds(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advanceSecs(1);
            timer->fire();
        }
    }
    void runMinutes(int minutes) { runSeconds(60 * minutes); }
    QString logPath() const { return log.path(); }
    QByteArray logBytes() const { return readBytes(logPath()); }

    QTemporaryDir dir;
    QTemporaryDir recoveryDir;
    FakeClock clock;
    ManualTimer* timer = nullptr;
    SessionLog log;
    SessionModel session;
    LogCorrections corrections;

private:
    std::unique_ptr<SecondTimer> makeTimer() {
        auto made = std::make_unique<ManualTimer>();
        timer = made.get();
        return made;
    }
};
