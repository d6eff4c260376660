#pragma once

#include "tests/e2e/xwindows.h"

#include <QPoint>
#include <QProcess>
#include <QString>

#include <memory>
#include <vector>

class XDisplay;

// Real input on a display, as a user gives it: the mouse, the keyboard and the clipboard.
class XInput {
public:
    explicit XInput(const XDisplay& display);
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    // Clicks at a point given from the top left corner of the window's client area.
    bool click(XWindows::Id window, QPoint at) const;
    bool doubleClick(XWindows::Id window, QPoint at) const;
    bool rightClick(XWindows::Id window, QPoint at) const;
    // Moves the mouse to a point of the screen, pressing nothing.
    bool moveMouse(QPoint onScreen) const;
    // Types the text into the window that has the focus.
    bool type(const QString& text) const;
    // Presses keys, one after another, named as xdotool names them ("ctrl+a ctrl+v Return").
    bool key(const QString& keys) const;
    // Puts the text on the clipboard, offered by a separate program for as long as the test
    // runs, as if copied from another application.
    bool setClipboard(const QByteArray& text);

private:
    bool press(XWindows::Id window, QPoint at, int button, int times) const;

    const XDisplay& m_display;
    std::vector<std::unique_ptr<QProcess>> m_clipboardOwners;
};
