#!/usr/bin/env bash
# Sets up a fresh Debian 12 or Ubuntu 24.04 machine, builds Tallyhawk, and then starts it
# (./build.sh run) or runs the whole test suite (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-run}
build_dir=${BUILD_DIR:-build}

packages=(build-essential cmake ninja-build qt6-base-dev fonts-liberation fonts-dejavu-core poppler-utils)
# The windows in the user's language: lrelease with CMake's support for it, and Qt's own
# translations of its buttons and dialogs.
packages+=(qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# The Totals window draws the summary's chart, which is SVG.
packages+=(qt6-svg-dev)
# The desktop's idle time on X11 (MIT-SCREEN-SAVER).
packages+=(libxss-dev)
# The end-to-end tests run the program on a private X display and drive it with real input.
packages+=(xvfb openbox xdotool xclip wmctrl x11-utils)
# What a screen reader reads: the accessibility bus and Python's reader of it for the end-to-end
# walk, and Qt's private interface that switches accessibility on for the in-process tests.
packages+=(at-spi2-core python3-pyatspi qt6-base-private-dev)
# The install tests validate the desktop entry and metainfo and build the Debian package.
packages+=(desktop-file-utils appstream dpkg-dev file)
# A session under a real Wayland compositor: headless weston and Qt's Wayland platform.
packages+=(weston qt6-wayland)
# The tray on a private session bus: a StatusNotifierItem watcher and host, and an XEmbed tray.
packages+=(dbus-daemon haskell-status-notifier-item-utils haskell-gtk-sni-tray-utils trayer)
# The session bus interface is called with gdbus, a tool that desktops use themselves.
packages+=(libglib2.0-bin)
tools/install-packages.sh "${packages[@]}"

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" --parallel

case "$what" in
run)
    exec "$build_dir/tallyhawk"
    ;;
test)
    cd "$build_dir"
    # Four at a time on two cores: three of the end-to-end tests spend a minute waiting for the
    # X server to count the user idle, while the rest of the suite runs in the fourth slot.
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 4
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
