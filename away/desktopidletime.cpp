#include "away/desktopidletime.h"

#include "away/dbusidletime.h"
#include "away/x11idletime.h"

#include <cstdio>
#include <vector>

void DesktopIdleTime::sayOnStandardError(const QString& line) {
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

DesktopIdleTime::DesktopIdleTime(Desktop desktop, Say say)
    : m_desktop(std::move(desktop))
    , m_say(std::move(say)) {}

DesktopIdleTime::~DesktopIdleTime() = default;

std::optional<std::chrono::milliseconds> DesktopIdleTime::idleTime() {
    if (!m_chosen)
        return choose();
    return m_source ? m_source->idleTime() : std::nullopt;
}

bool DesktopIdleTime::watchForInput() {
    if (!m_chosen)
        choose();
    return m_source && m_source->watchForInput();
}

void DesktopIdleTime::stopWatchingForInput() {
    if (m_source)
        m_source->stopWatchingForInput();
}

std::optional<std::chrono::milliseconds> DesktopIdleTime::choose() {
    m_chosen = true;
    std::vector<std::unique_ptr<IdleSource>> candidates;
    // XWayland's MIT-SCREEN-SAVER sees only the input to X windows: on a Wayland desktop it
    // would count the user idle while they type into any other window.
    if (!m_desktop.wayland)
        candidates.push_back(std::make_unique<X11IdleTime>(m_desktop.x11Display));
    candidates.push_back(std::make_unique<DBusIdleTime>(DBusIdleTime::Service::Mutter));
    candidates.push_back(std::make_unique<DBusIdleTime>(DBusIdleTime::Service::ScreenSaver));
    for (std::unique_ptr<IdleSource>& candidate : candidates) {
        if (const std::optional<std::chrono::milliseconds> idle = candidate->idleTime()) {
            m_source = std::move(candidate);
            connect(m_source.get(), &IdleSource::inputSeen, this, &IdleSource::inputSeen);
            return idle;
        }
    }
    if (m_say)
        m_say(QStringLiteral("Tallyhawk: this desktop does not tell how long you have been idle; "
                             "away time is taken from suspends only."));
    return std::nullopt;
}
