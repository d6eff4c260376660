#include "artwork.h"

#include "ui/assets/assets.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A hand pointing up, outlined on pixel centres so its one-pixel edges stay crisp. Coordinates
// are relative to the fingertip's outline pixel.
QPainterPath hand() {
    QPainterPath path(QPointF(-3, 18.5));
    path.lineTo(-3, 3);
    // A flat top pixel wide on either side keeps the hot spot pixel fully inked.
    path.cubicTo(-3, 1, -2.5, 0, -1, 0);
    path.lineTo(1, 0);
    path.cubicTo(2.5, 0, 3, 1, 3, 3);
    path.lineTo(3, 10.5);
    path.cubicTo(3, 8, 7, 8, 7, 11.5);
    path.cubicTo(7, 9, 11, 9, 11, 12.5);
    path.cubicTo(11, 10, 15, 10.5, 15, 14);
    path.lineTo(15, 21);
    path.cubicTo(15, 24, 13, 26, 12, 27);
    path.lineTo(12, 29);
    path.lineTo(0, 29);
    path.lineTo(0, 27);
    path.cubicTo(-2, 25, -5, 22, -8, 18);
    path.cubicTo(-9.5, 16, -8, 14, -6, 15.5);
    path.closeSubpath();
    return path;
}

} // namespace

QImage paintLinkCursor(int scale) {
    QImage image = canvas(QSize(32, 32), scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    painter.translate(QPointF(assets::LinkCursorHotSpot) + QPointF(0.5, 0.5));

    const QPen outline(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    painter.setPen(outline);
    painter.setBrush(Qt::white);
    painter.drawPath(hand());
    painter.drawLine(QPointF(3, 10.5), QPointF(3, 15));
    painter.drawLine(QPointF(7, 11.5), QPointF(7, 15));
    painter.drawLine(QPointF(11, 12.5), QPointF(11, 16));
    painter.fillRect(QRectF(0, 27, 12, 2), Qt::black);
    return image;
}
