#include "tests/e2e/xwindows.h"

#include "tests/e2e/xdisplay.h"

#include <QtTest>

namespace {

// xdotool matches titles as POSIX extended regular expressions, ignoring case.
QString exactTitlePattern(const QString& title) {
    QString pattern = QStringLiteral("^");
    for (const QChar c : title) {
        if (QStringView(u".[]{}()\\*+?^$|").contains(c))
            pattern += u'\\';
        pattern += c;
    }
    return pattern + u'$';
}

QString hexId(XWindows::Id window) {
    return QStringLiteral("0x") + QString::number(window, 16);
}

} // namespace

XWindows::XWindows(const XDisplay& display)
    : m_display(display) {}

QList<XWindows::Id> XWindows::visible(const QString& title) const {
    return search(
        {QStringLiteral("--onlyvisible"), QStringLiteral("--name"), exactTitlePattern(title)});
}

QList<XWindows::Id> XWindows::visibleOfClass(const QString& instance) const {
    return search({QStringLiteral("--onlyvisible"), QStringLiteral("--classname"),
                   exactTitlePattern(instance)});
}

QList<XWindows::Id> XWindows::search(const QStringList& criteria) const {
    const XDisplay::Result found =
        m_display.run(QStringLiteral("xdotool"), QStringList{QStringLiteral("search")} + criteria);
    QList<Id> windows;
    for (const QByteArray& line : found.out.split('\n')) {
        bool ok = false;
        const Id id = line.trimmed().toULongLong(&ok);
        if (ok)
            windows.append(id);
    }
    return windows;
}

XWindows::Id XWindows::waitFor(const QString& title, int timeoutMs) const {
    Id window = 0;
    const bool found = QTest::qWaitFor(
        [&] {
            const QList<Id> windows = visible(title);
            window = windows.size() == 1 ? windows.first() : 0;
            return window != 0;
        },
        timeoutMs);
    return found ? window : 0;
}

bool XWindows::waitUntilGone(const QString& title, int timeoutMs) const {
    return QTest::qWaitFor([&] { return visible(title).isEmpty(); }, timeoutMs);
}

bool XWindows::waitForActive(Id window, int timeoutMs) const {
    return QTest::qWaitFor(
        [&] {
            const XDisplay::Result active =
                m_display.run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
            return active.out.trimmed().toULongLong() == window;
        },
        timeoutMs);
}

QByteArray XWindows::property(Id window, const QString& name) const {
    const XDisplay::Result prop =
        m_display.run(QStringLiteral("xprop"), {QStringLiteral("-id"), hexId(window), name});
    const qsizetype equals = prop.out.indexOf(" = ");
    return equals < 0 ? QByteArray() : prop.out.mid(equals + 3).trimmed();
}

bool XWindows::isShown(Id window) const {
    const XDisplay::Result info =
        m_display.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), hexId(window)});
    return info.out.contains("Map State: IsViewable") &&
           !property(window, QStringLiteral("_NET_WM_STATE")).contains("_NET_WM_STATE_HIDDEN");
}

QRect XWindows::geometry(Id window) const {
    const XDisplay::Result info =
        m_display.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), hexId(window)});
    bool known = info.ok;
    const auto value = [&info, &known](const QByteArray& label) {
        const qsizetype at = info.out.indexOf(label);
        const qsizetype end = info.out.indexOf('\n', at);
        bool ok = false;
        const int number =
            info.out.mid(at + label.size(), end - at - label.size()).trimmed().toInt(&ok);
        known = known && at >= 0 && ok;
        return number;
    };
    const QRect place(value("Absolute upper-left X:"), value("Absolute upper-left Y:"),
                      value("Width:"), value("Height:"));
    return known ? place : QRect();
}

bool XWindows::close(Id window) const {
    return m_display
        .run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), hexId(window)})
        .ok;
}

bool XWindows::minimize(Id window) const {
    return m_display
        .run(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), hexId(window)})
        .ok;
}

QString XWindows::list() const {
    const XDisplay::Result windows =
        m_display.run(QStringLiteral("xdotool"),
                      {QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral(".")});
    QString text;
    for (const QByteArray& line : windows.out.split('\n')) {
        bool ok = false;
        const Id id = line.trimmed().toULongLong(&ok);
        if (!ok)
            continue;
        text += QStringLiteral("  %1 %2 %3 state=[%4]\n")
                    .arg(hexId(id), QString::fromUtf8(property(id, QStringLiteral("_NET_WM_NAME"))),
                         isShown(id) ? QStringLiteral("shown") : QStringLiteral("not shown"),
                         QString::fromLatin1(property(id, QStringLiteral("_NET_WM_STATE"))));
    }
    return text.isEmpty() ? QStringLiteral("  (no windows)\n") : text;
}
