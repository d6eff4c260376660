#include "tests/e2e/accessibilitybus.h"

#include "tests/e2e/traydesktops.h"
#include "tests/e2e/xdisplay.h"

#include <QFileInfo>
#include <QtTest>

namespace {

const QString Launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
// Debian's own Python, which has the AT-SPI module (package python3-pyatspi).
const QString Python = QStringLiteral("/usr/bin/python3");

} // namespace

AccessibilityBus::AccessibilityBus(XDisplay& display, const SessionBus& bus)
    : m_display(display) {
    if (!bus.error().isEmpty()) {
        m_error = bus.error();
        return;
    }
    if (!QFileInfo::exists(Launcher)) {
        m_error = QStringLiteral("at-spi-bus-launcher is missing: build.sh installs at-spi2-core");
        return;
    }
    if (!m_display.run(Python, {QStringLiteral("-c"), QStringLiteral("import pyatspi")}).ok) {
        m_error = QStringLiteral("Python's pyatspi is missing: build.sh installs python3-pyatspi");
        return;
    }
    // Qt offers its windows on the bus only when a screen reader runs, unless told to.
    display.setVariable(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_launcher.setProcessEnvironment(display.environment());
    m_launcher.setStandardOutputFile(QProcess::nullDevice());
    m_launcher.setStandardErrorFile(QProcess::nullDevice());
    m_launcher.start(Launcher, {QStringLiteral("--launch-immediately")});
    if (!m_launcher.waitForStarted(10000)) {
        m_error = QStringLiteral("at-spi-bus-launcher did not start");
        return;
    }
    const bool registered = QTest::qWaitFor(
        [this] {
            return m_display
                .run(QStringLiteral("dbus-send"),
                     {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                      QStringLiteral("--dest=org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                      QStringLiteral("org.a11y.Bus.GetAddress")})
                .ok;
        },
        10000);
    if (!registered)
        m_error = QStringLiteral("the accessibility bus did not come up");
}

AccessibilityBus::~AccessibilityBus() {
    // It ends the bus daemon and the registry it started as it goes.
    m_launcher.terminate();
    if (!m_launcher.waitForFinished(3000)) {
        m_launcher.kill();
        m_launcher.waitForFinished(3000);
    }
}

QStringList AccessibilityBus::nameless() const {
    const XDisplay::Result listed = m_display.run(
        Python, {QStringLiteral(TALLYHAWK_ATSPI_NAMELESS), QStringLiteral("Tallyhawk")});
    QStringList lines = QString::fromUtf8(listed.out).split(u'\n', Qt::SkipEmptyParts);
    if (!listed.ok)
        lines << QStringLiteral("the check could not run: ") + QString::fromUtf8(listed.err);
    return lines;
}
