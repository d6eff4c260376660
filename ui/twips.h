#pragma once

#include <QLatin1StringView>
#include <QPoint>
#include <QRect>

class QWidget;

// Window designs are given in twips; 15 twips make one device-independent pixel.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    constexpr QRect pixels() const { return {left / 15, top / 15, width / 15, height / 15}; }
    // Where a click lands on the control: the middle of its rectangle.
    constexpr QPoint centre() const { return {(left + width / 2) / 15, (top + height / 2) / 15}; }
};

// One control of a window's design: its design name, which is its object name, and its place.
struct DesignedControl {
    QLatin1StringView name;
    TwipsRect rect;
};

void place(QWidget* widget, const TwipsRect& rect);
