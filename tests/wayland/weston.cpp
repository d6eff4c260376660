#include "tests/wayland/weston.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

constexpr int StartMs = 10000;

} // namespace

Weston::Weston()
    : m_socket(QStringLiteral("tallyhawk-test-%1").arg(QCoreApplication::applicationPid())) {}

Weston::~Weston() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool Weston::start() {
    if (!m_runtime.isValid()) {
        m_error = QStringLiteral("no runtime folder: ") + m_runtime.errorString();
        return false;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("DISPLAY"));
    m_process.setProcessEnvironment(env);
    // Into a file: nobody reads a pipe while the tests run, and a full one would stop weston.
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(logPath());
    // --no-config: a weston.ini of the machine's user changes nothing here.
    m_process.start(QStringLiteral("weston"),
                    {QStringLiteral("--backend=headless-backend.so"),
                     QStringLiteral("--socket=") + m_socket, QStringLiteral("--idle-time=0"),
                     QStringLiteral("--no-config")});
    if (!m_process.waitForStarted(StartMs)) {
        m_error = QStringLiteral("weston could not be started: ") + m_process.errorString();
        return false;
    }
    const QString socket = m_runtime.filePath(m_socket);
    const QDeadlineTimer deadline(StartMs);
    while (!QFileInfo::exists(socket)) {
        if (m_process.state() == QProcess::NotRunning || deadline.hasExpired()) {
            m_error = QStringLiteral("weston did not open its socket:\n") + log();
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

QString Weston::log() const {
    QFile file(logPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

QString Weston::logPath() const {
    return m_runtime.filePath(QStringLiteral("weston.log"));
}

QProcessEnvironment Weston::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("XDG_SESSION_TYPE"));
    // Headless weston has no seat, and Qt 6.4's Wayland text input looks for the seat's text
    // input on every key without checking that there is a seat. An input method that does
    // not exist keeps Qt's Wayland text input out.
    env.insert(QStringLiteral("QT_IM_MODULE"), QStringLiteral("none"));
    return env;
}
