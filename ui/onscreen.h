#pragma once

#include <QRect>

class QWidget;

// Windows open where the window system places a new window; on a small screen that place may
// run off its edge. These keep each window wholly on the screen's available area (the screen
// less the desktop's panels) when it opens.
namespace onscreen {

// Where a window's frame goes to lie wholly inside the area: where it is, when it fits;
// otherwise moved in no further than needed, and cut to the area's size where it is larger.
QRect fit(const QRect& frame, const QRect& available);

// From now on, each time the window is shown and placed, it is moved (and, when it is larger
// than the area, made smaller) to lie wholly on its screen. Where the user moves it later is
// left alone. Calling it again for the same window does nothing more.
void keep(QWidget* window);

} // namespace onscreen
