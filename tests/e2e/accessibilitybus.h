#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

class SessionBus;
class XDisplay;

// The accessibility bus of a desktop, on a display's session bus: what screen readers read
// through (AT-SPI). Programs started on the display from then on offer their windows on it.
class AccessibilityBus {
public:
    AccessibilityBus(XDisplay& display, const SessionBus& bus);
    ~AccessibilityBus();
    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;

    // Empty when the bus is up; otherwise what went wrong.
    QString error() const { return m_error; }

    // The controls of the running program that take the focus but have no name, and its
    // windows that have no title, one line each, as a screen reader finds them. Empty when
    // every one has its name; a line of its own when the program cannot be read.
    QStringList nameless() const;

private:
    const XDisplay& m_display;
    QProcess m_launcher;
    QString m_error;
};
