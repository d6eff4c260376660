#pragma once

#include <QDateTime>

// The time of day as the program sees it. Tests drive a session through hours of fake time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The moment without its milliseconds: the log's stamps count whole seconds.
inline QDateTime wholeSecond(const QDateTime& when) {
    return when.addMSecs(-when.time().msec());
}

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
