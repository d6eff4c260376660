#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A headless Weston compositor for one test program, with a runtime folder and a socket of its
// own, so that it meets no desktop the machine may run.
class Weston {
public:
    Weston();
    ~Weston();
    Weston(const Weston&) = delete;
    Weston& operator=(const Weston&) = delete;

    // Starts it and waits until it takes clients. On failure, error() says why.
    bool start();
    QString error() const { return m_error; }

    // The environment for a Qt program that is to show its windows on this compositor, and on
    // nothing else.
    QProcessEnvironment environment() const;
    // What weston has printed.
    QString log() const;

private:
    QString logPath() const;

    QTemporaryDir m_runtime;
    QProcess m_process;
    QString m_socket;
    QString m_error;
};
