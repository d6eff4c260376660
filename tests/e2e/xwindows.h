#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class XDisplay;

// Top-level windows of a display as the window manager and the X server see them. Windows are
// named by their X id.
class XWindows {
public:
    using Id = quint64;
    // Generous, since a loaded machine can take seconds to start the program and map a
    // window; a passing test never waits this long.
    static constexpr int DefaultWaitMs = 20000;

    explicit XWindows(const XDisplay& display);

    // Mapped windows with this title (compared ignoring case, as xdotool compares).
    QList<Id> visible(const QString& title) const;
    // Mapped windows whose WM_CLASS instance name is this, whatever their title.
    QList<Id> visibleOfClass(const QString& instance) const;
    // The one mapped window with this title, once there is one; 0 when the time runs out.
    Id waitFor(const QString& title, int timeoutMs = DefaultWaitMs) const;
    bool waitUntilGone(const QString& title, int timeoutMs = DefaultWaitMs) const;
    // Waits until the window manager has given the window the focus.
    bool waitForActive(Id window, int timeoutMs = DefaultWaitMs) const;

    // The property's value as xprop prints it after " = "; empty when it is not set.
    QByteArray property(Id window, const QString& name) const;
    // Mapped, and not hidden (minimised) for the window manager.
    bool isShown(Id window) const;
    // Where the window is on the screen, frame not included; empty when it is unknown.
    QRect geometry(Id window) const;

    // Presses the window's close box, through the window manager.
    bool close(Id window) const;
    bool minimize(Id window) const;

    // One line per mapped window with a title, for failure messages.
    QString list() const;

private:
    QList<Id> search(const QStringList& criteria) const;

    const XDisplay& m_display;
};
