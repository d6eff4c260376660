#pragma once

#include "session/sessionlog.h"
#include "session/sessionmodel.h"
#include "tests/support/fakeclock.h"
#include "tests/support/files.h"
#include "tests/support/manualtimer.h"

#include <QTemporaryDir>

#include <memory>

// A session model on fake time, from 9:00:05 on 6/3/2008 unless told otherwise, writing its
// log into a temporary folder with United States stamps, and keeping lines it could not write
// in a second temporary folder.
struct SessionRig {
    explicit SessionRig(const QDateTime& start = QDateTime(QDate(2008, 6, 3), QTime(9, 0, 5)))
        : clock(start)
        , log(dir.filePath(u"Tasks.txt"_qs), recoveryDir.path())
        , session(clock, makeTimer(), QLocale(QStringLiteral("en_US")), log) {}

    void runSeconds(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advanceSecs(1);
            timer->fire();
        }
    }
    void runMinutes(int minutes) { runSeconds(60 * minutes); }
    QString logPath() const { return dir.filePath(u"Tasks.txt"_qs); }
    QByteArray logBytes() const { return readBytes(logPath()); }

    QTemporaryDir dir;
    QTemporaryDir recoveryDir;
    FakeClock clock;
    ManualTimer* timer = nullptr;
    SessionLog log;
    SessionModel session;

private:
    std::unique_ptr<SecondTimer> makeTimer() {
        auto made = std::make_unique<ManualTimer>();
        timer = made.get();
        return made;
    }
};
