#include "app/remotecontrol.h"

#include "session/sessioncontrol.h"

using commandprotocol::Reply;
using commandprotocol::Request;
using commandprotocol::Verb;

RemoteControl::RemoteControl(SessionControl& control, Window window)
    : m_control(control)
    , m_window(std::move(window)) {}

Reply RemoteControl::handle(const Request& request) {
    // A session started now would never be stopped.
    if (m_window.isClosing())
        return {QStringLiteral("Tallyhawk is closing."), std::nullopt};
    Refused refused;
    switch (request.verb) {
    case Verb::Activate:
        // The window's own activation request uses the right to take the focus that the
        // desktop gave the new start.
        if (!request.text.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", request.text.toLatin1());
        m_window.bringForward();
        break;
    case Verb::Start:
        refused = m_control.start(request.project, request.comment, request.at);
        break;
    case Verb::Switch:
        refused = m_control.switchTo(request.project, request.comment);
        break;
    case Verb::Stop:
        refused = m_control.stop(request.at);
        break;
    case Verb::Toggle:
        refused = m_control.toggle(m_window.shownProject());
        break;
    case Verb::Note:
        refused = m_control.note(request.text);
        break;
    case Verb::Status:
        return {{}, m_control.status()};
    }
    return {refused ? refused->reason : QString(), std::nullopt};
}
