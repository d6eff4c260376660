#include "tray/windowplacement.h"

#include <QWidget>

void SystemWindowPlacement::SetTopMost(QWidget* window, bool onTop) {
    const bool isOnTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (isOnTop != onTop) {
        // Changing a window's flags hides it and may let the window manager place it anew;
        // put it back where it was.
        const QRect frame = window->geometry();
        const bool wasVisible = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (wasVisible)
            window->setGeometry(frame);
    }
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->raise();
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}
