#pragma once

#include "session/idlesource.h"

#include <QString>

#include <functional>
#include <memory>

// The idle time from whichever source this desktop answers on. The sources are asked in order
// on the first call only, which comes long after the program has started; the first that
// answers is the only one asked from then on, and the only one watched for input. Where none
// answers, that is said once and the answer is nothing from then on, at no cost.
class DesktopIdleTime final : public IdleSource {
    Q_OBJECT
public:
    // What the choice depends on.
    struct Desktop {
        // A Wayland desktop, as platformchoice decides it, whatever the program itself runs on.
        bool wayland = false;
        // DISPLAY: an X server, or XWayland on a Wayland desktop.
        QString x11Display;
    };

    // Where the one line goes that says the desktop does not tell the idle time.
    using Say = std::function<void(const QString& line)>;
    static void sayOnStandardError(const QString& line);

    explicit DesktopIdleTime(Desktop desktop, Say say = sayOnStandardError);
    ~DesktopIdleTime() override;
    DesktopIdleTime(const DesktopIdleTime&) = delete;
    DesktopIdleTime& operator=(const DesktopIdleTime&) = delete;

    std::optional<std::chrono::milliseconds> idleTime() override;
    bool watchForInput() override;
    void stopWatchingForInput() override;

private:
    // The first answer, from the source that gave it.
    std::optional<std::chrono::milliseconds> choose();

    Desktop m_desktop;
    Say m_say;
    bool m_chosen = false;
    // Empty once chosen when no source answered.
    std::unique_ptr<IdleSource> m_source;
};
