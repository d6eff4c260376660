#pragma once

#include <QRect>
#include <QWidget>

// Window designs are given in twips; 15 twips make one device-independent pixel.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    constexpr QRect pixels() const { return {left / 15, top / 15, width / 15, height / 15}; }
};

inline void place(QWidget* widget, const TwipsRect& rect) {
    widget->setGeometry(rect.pixels());
}
