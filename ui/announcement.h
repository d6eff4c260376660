#pragma once

#include <QString>

class QWidget;

// Tells screen readers that a window has something to say, as a notification they speak at
// once, without the window taking the focus from where the user is typing.
void announce(QWidget* window, const QString& text);
