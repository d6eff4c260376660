#include "ui/windowplacement.h"

#include <QGuiApplication>
#include <QWidget>

namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1StringView("wayland"));
}

} // namespace

void SystemWindowPlacement::SetTopMost(QWidget* window, bool onTop) {
    if (onWayland()) {
        // A Wayland compositor keeps no window of a client above the others and places every
        // window itself; asking for the top band there would only make Qt recreate the window.
        // What is left is asking the compositor to activate it, which a desktop may grant or
        // answer by marking the window as wanting attention.
        window->show();
        window->raise();
        if (onTop)
            window->activateWindow();
        return;
    }
    const bool isOnTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (isOnTop != onTop) {
        // Changing a window's flags hides it and may let the window manager place it anew, and
        // Qt itself moves a window that was placed but never shown by the width of its frame;
        // put it back where it was. A window never placed is left to the window manager.
        const QRect place = window->geometry();
        const bool placed = window->isVisible() || window->testAttribute(Qt::WA_Moved);
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (placed)
            window->setGeometry(place);
    }
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->raise();
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}
