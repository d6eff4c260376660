#pragma once

#include <QByteArray>
#include <QString>

// Which windowing platform the program asks Qt for. The prompt must come up above every other
// window, and windows open where they were designed to be. An X11 window manager honours both;
// a Wayland compositor lets a client neither keep a window on top nor place it. So on a Wayland
// desktop that also runs XWayland the program runs as an X11 client, and only a Wayland desktop
// without XWayland gets a native Wayland window. A platform the user names always wins.
namespace platformchoice {

enum class Platform {
    // Left to Qt: the user named a platform, or the desktop is not a Wayland one.
    QtDefault,
    Xcb,
    Wayland,
};

// The parts of the environment and of the command line that the choice depends on.
struct Environment {
    // QT_QPA_PLATFORM
    QString qpaPlatform;
    // A -platform (or --platform) argument is on the command line.
    bool platformArgument = false;
    QString waylandDisplay;
    QString xdgSessionType;
    // DISPLAY: an X server, XWayland on a Wayland desktop.
    QString display;

    // Whether the desktop is a Wayland one, whatever platform the program itself runs on.
    bool isWaylandDesktop() const;
};

Platform choose(const Environment& environment);

// The plugin name to put into QT_QPA_PLATFORM before the application object is made; empty to
// leave the choice to Qt.
QByteArray pluginName(Platform platform);

Environment current(int argc, char** argv);

} // namespace platformchoice
