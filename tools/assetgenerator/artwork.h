#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class QPainterPath;

// The colours that make one colour scheme. A scheme is only its two pictures; both are drawn
// from the same few colours so that the upper and lower panels read as one piece.
struct Scheme {
    QString topPath;
    QString bottomPath;
    QColor border;
    QColor arrowTail;
    QColor arrowHead;
    QColor title;
    QColor titleShadow;
    QColor caption;
    QColor captionShadow = {}; // invalid: the captions have no shadow
    QColor topPanelTop = Qt::white;
    QColor topPanelBottom = Qt::white;
    QColor bottomPanelTop = Qt::white;
    QColor bottomPanelBottom = Qt::white;
};

// Where the two scheme pictures meet. The main window lays the upper picture over the top of
// the lower one; the lower panel hangs from the upper panel by two straps drawn in both.
namespace joint {
inline constexpr QRectF TopPanel{6.5, 6.5, 322, 161};
inline constexpr QRectF BottomPanel{6.5, 28.5, 302, 98};
inline constexpr qreal StrapLefts[] = {46, 259}; // in the lower picture
inline constexpr qreal StrapWidth = 10;
} // namespace joint

// Default, Red, Black and Orange Cream, in the Settings window's order.
QList<Scheme> schemes();

// The house face: Liberation Sans has Arial's metrics, so our pictures measure like the
// main window's "Arial" labels; DejaVu Sans stands in where it is missing.
QFont houseFont(qreal pixelSize, QFont::Weight weight = QFont::Bold);

// The main window's time labels: "Arial" 12 pt bold, which is 16 pixels at 96 dots per inch.
QFont timeLabelFont();

// A blank picture `size` device-independent pixels large, of `scale` device pixels to each of
// them: a painter on it draws in device-independent pixels, so one drawing serves every scale.
QImage canvas(QSize size, int scale, QImage::Format format);

// A painter on `image` with anti-aliased shapes and text.
void prepare(QPainter& painter);

// A soft grey shadow a little below `shape`, drawn before the shape itself.
void drawSoftShadow(QPainter& painter, const QPainterPath& shape);

// Shared colours of the program's own mark.
namespace ink {
inline const QColor Navy{0x24, 0x3b, 0x5a};
inline const QColor Amber{0xf0, 0x8a, 0x24};
inline const QColor Slate{0x6b, 0x7a, 0x8c};
} // namespace ink

// Each picture at `scale` device pixels to the device-independent pixel (1 or 2).
QImage paintTopPicture(const Scheme& scheme, int scale);
QImage paintBottomPicture(const Scheme& scheme, int scale);
QImage paintExitPicture(int scale);
QImage paintLogo(int scale);
QImage paintLinkCursor(int scale);
QImage paintIcon(int size);

// The stopwatch mark of the icon and the logo, fitted into a square.
void paintStopwatch(QPainter& painter, const QRectF& square);

// The main window's two pictures as the window shows them, with sample values in the time
// labels and outlines of the controls that sit on the upper picture: a check of the layout.
QImage paintMainWindowPreview(const QImage& top, const QImage& bottom);
