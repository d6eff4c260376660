#pragma once

#include "session/commandprotocol.h"

#include <QString>

#include <functional>

class SessionControl;

// The requests of the command line and the session bus, carried out in the running program
// through the same verbs as the window's buttons. Toggle starts the project that the window's
// project box shows, as Start would.
class RemoteControl {
public:
    // What it needs of the main window.
    struct Window {
        std::function<QString()> shownProject;
        std::function<void()> bringForward;
        // The window is closing: its session has been stopped for good.
        std::function<bool()> isClosing;
    };

    RemoteControl(SessionControl& control, Window window);

    commandprotocol::Reply handle(const commandprotocol::Request& request);
    SessionControl& control() const { return m_control; }

private:
    SessionControl& m_control;
    Window m_window;
};
