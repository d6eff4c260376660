#include "tests/e2e/xinput.h"

#include "tests/e2e/xdisplay.h"

#include <QtTest>

namespace {

constexpr int ClipboardTimeoutMs = 5000;

} // namespace

XInput::XInput(const XDisplay& display)
    : m_display(display) {}

XInput::~XInput() {
    for (const auto& owner : m_clipboardOwners) {
        owner->kill();
        owner->waitForFinished(3000);
    }
}

bool XInput::click(XWindows::Id window, QPoint at) const {
    return press(window, at, 1, 1);
}

bool XInput::doubleClick(XWindows::Id window, QPoint at) const {
    return press(window, at, 1, 2);
}

bool XInput::rightClick(XWindows::Id window, QPoint at) const {
    return press(window, at, 3, 1);
}

bool XInput::press(XWindows::Id window, QPoint at, int button, int times) const {
    // Two presses 80 ms apart: well inside any double-click interval.
    return m_display
        .run(QStringLiteral("xdotool"),
             {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window),
              QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
              QStringLiteral("--repeat"), QString::number(times), QStringLiteral("--delay"),
              QStringLiteral("80"), QString::number(button)})
        .ok;
}

bool XInput::moveMouse(QPoint onScreen) const {
    return m_display
        .run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(onScreen.x()),
                                         QString::number(onScreen.y())})
        .ok;
}

bool XInput::type(const QString& text) const {
    return m_display
        .run(QStringLiteral("xdotool"),
             {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text})
        .ok;
}

bool XInput::key(const QString& keys) const {
    return m_display
        .run(QStringLiteral("xdotool"),
             QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                         QStringLiteral("--delay"), QStringLiteral("40")} +
                 keys.split(u' ', Qt::SkipEmptyParts))
        .ok;
}

bool XInput::setClipboard(const QByteArray& text) {
    // xclip stays in the foreground (-quiet) so that it remains our child, serving every
    // request until the test ends.
    auto owner = std::make_unique<QProcess>();
    owner->setProcessEnvironment(m_display.environment());
    owner->setStandardOutputFile(QProcess::nullDevice());
    owner->start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                           QStringLiteral("clipboard"), QStringLiteral("-i")});
    if (!owner->waitForStarted(ClipboardTimeoutMs))
        return false;
    owner->write(text);
    owner->closeWriteChannel();
    m_clipboardOwners.push_back(std::move(owner));
    return QTest::qWaitFor(
        [this, &text] {
            return m_display
                       .run(QStringLiteral("xclip"),
                            {QStringLiteral("-o"), QStringLiteral("-selection"),
                             QStringLiteral("clipboard")})
                       .out == text;
        },
        ClipboardTimeoutMs);
}
