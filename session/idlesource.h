#pragma once

#include <QObject>

#include <chrono>
#include <optional>

// How long the user has left the keyboard and mouse alone, as the desktop counts it.
class IdleSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The time since the last input; nothing where the desktop does not tell, or not now.
    virtual std::optional<std::chrono::milliseconds> idleTime() = 0;

    // Asks to be told of the next input by inputSeen(), once, at no cost meanwhile. False
    // where this desktop cannot tell; the caller then asks idleTime() now and then instead.
    // Asked again while a watch is on, it keeps that one.
    virtual bool watchForInput() { return false; }
    // The watch is no longer wanted.
    virtual void stopWatchingForInput() {}

signals:
    // Input came after watchForInput(); the watch is over.
    void inputSeen();
};
