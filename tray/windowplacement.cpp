#include "tray/windowplacement.h"

#include <QWidget>

void SystemWindowPlacement::SetTopMost(QWidget* window, bool onTop) {
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
