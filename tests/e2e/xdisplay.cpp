#include "tests/e2e/xdisplay.h"

#include <QDeadlineTimer>
#include <QtTest>

namespace {

constexpr int ToolTimeoutMs = 10000;

} // namespace

void stopProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

XDisplay::XDisplay(QSize screen) {
    if (startServer(screen))
        startWindowManager();
}

XDisplay::~XDisplay() {
    stopProcess(m_windowManager);
    stopProcess(m_server);
}

bool XDisplay::startServer(QSize screen) {
    // -displayfd: the server chooses a free number and writes it once it accepts clients.
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start(
        QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
         QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
         QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_server.waitForStarted(StartTimeoutMs)) {
        m_error = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
        return false;
    }
    QByteArray number;
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!number.contains('\n') && !deadline.hasExpired() &&
           m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(100);
        number += m_server.readAllStandardOutput();
    }
    number = number.trimmed();
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb gave no display number: ") +
                  QString::fromLocal8Bit(m_server.readAllStandardError());
        return false;
    }
    m_name = u':' + QString::fromLatin1(number);
    return true;
}

bool XDisplay::startWindowManager() {
    m_windowManager.setProcessEnvironment(environment());
    m_windowManager.setStandardOutputFile(QProcess::nullDevice());
    m_windowManager.setStandardErrorFile(QProcess::nullDevice());
    m_windowManager.start(QStringLiteral("openbox"), {});
    if (!m_windowManager.waitForStarted(StartTimeoutMs)) {
        m_error = QStringLiteral("openbox did not start: ") + m_windowManager.errorString();
        return false;
    }
    // wmctrl answers only once a window manager has taken the screen.
    const bool managed =
        QTest::qWaitFor([this] { return run(QStringLiteral("wmctrl"), {QStringLiteral("-m")}).ok; },
                        StartTimeoutMs);
    if (!managed) {
        m_error = QStringLiteral("openbox did not take the display ") + m_name;
        return false;
    }
    // Taking the screen is openbox's first step, not its last: it goes on to read its settings
    // and load its theme and fonts (seconds on a loaded machine, or while fontconfig rebuilds a
    // stale cache), and openbox 3.6 reads the X events that come in meanwhile into a queue of
    // its own, which its event loop does not look at until the next event reaches it. A window
    // mapped in that time stays unmapped and unmanaged, its map request unanswered, for as long
    // as nothing else happens on the display. So the display is ready only once openbox has
    // answered a request from its event loop: "show the desktop" and back, asked again at each
    // try, since each request also wakes up a waiting openbox.
    const bool answering =
        QTest::qWaitFor([this] { return askShowingDesktop(true); }, StartTimeoutMs) &&
        QTest::qWaitFor([this] { return askShowingDesktop(false); }, StartTimeoutMs);
    if (!answering)
        m_error = QStringLiteral("openbox did not answer on the display ") + m_name;
    return answering;
}

bool XDisplay::askShowingDesktop(bool showing) const {
    run(QStringLiteral("wmctrl"),
        {QStringLiteral("-k"), showing ? QStringLiteral("on") : QStringLiteral("off")});
    const Result state = run(QStringLiteral("xprop"),
                             {QStringLiteral("-root"), QStringLiteral("_NET_SHOWING_DESKTOP")});
    return state.ok && state.out.trimmed().endsWith(showing ? "= 1" : "= 0");
}

QProcessEnvironment XDisplay::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_name);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("XDG_SESSION_TYPE"));
    env.remove(QStringLiteral("XAUTHORITY"));
    // The caller's own scaling stays out; a scaling set for the display, as a desktop sets it,
    // comes in with the rest of its variables.
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    env.insert(m_variables);
    return env;
}

void XDisplay::setVariable(const QString& name, const QString& value) {
    m_variables.insert(name, value);
}

XDisplay::Result XDisplay::run(const QString& program, const QStringList& arguments,
                               const QByteArray& input) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    Result result;
    if (!process.waitForStarted(ToolTimeoutMs)) {
        result.err = program.toLocal8Bit() + " did not start";
        return result;
    }
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(ToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.err = program.toLocal8Bit() + " did not finish";
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return result;
}
