#pragma once

#include <QObject>

// The machine's suspends, as the system announces them.
class SleepWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts listening, once; later calls give the first answer again. False where nothing
    // announces suspends, so that the caller watches the wall clock instead.
    virtual bool watch() = 0;

signals:
    // The machine is about to suspend; the signal may also come late, just after the resume.
    void aboutToSleep();
    void resumed();
};
