#include "app/platformchoice.h"

#include <QtGlobal>

#include <cstring>

namespace platformchoice {

bool Environment::isWaylandDesktop() const {
    return !waylandDisplay.isEmpty() || xdgSessionType == QLatin1StringView("wayland");
}

Platform choose(const Environment& environment) {
    if (!environment.qpaPlatform.isEmpty() || environment.platformArgument)
        return Platform::QtDefault;
    if (!environment.isWaylandDesktop())
        return Platform::QtDefault;
    return environment.display.isEmpty() ? Platform::Wayland : Platform::Xcb;
}

QByteArray pluginName(Platform platform) {
    switch (platform) {
    case Platform::Xcb:
        return QByteArrayLiteral("xcb");
    case Platform::Wayland:
        return QByteArrayLiteral("wayland");
    case Platform::QtDefault:
        break;
    }
    return {};
}

Environment current(int argc, char** argv) {
    Environment environment;
    environment.qpaPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    environment.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    environment.xdgSessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    environment.display = qEnvironmentVariable("DISPLAY");
    // Qt reads its own options with one dash or two.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            environment.platformArgument = true;
    }
    return environment;
}

} // namespace platformchoice
