#include "ui/twips.h"

#include <QWidget>

void place(QWidget* widget, const TwipsRect& rect) {
    widget->setGeometry(rect.pixels());
}
