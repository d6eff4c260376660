#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// The running part of the dial: from twelve o'clock round to about twenty past.
constexpr qreal SweepDegrees = 125;

QPointF onCircle(const QPointF& centre, qreal radius, qreal clockDegrees) {
    const qreal radians = qDegreesToRadians(clockDegrees - 90);
    return centre + QPointF(radius * qCos(radians), radius * qSin(radians));
}

} // namespace

// Drawn in fractions of the square so one drawing serves from 16 to 128 pixels; below 32
// pixels the tick marks would only blur the face, so they are left out.
void paintStopwatch(QPainter& painter, const QRectF& square) {
    const qreal s = square.width();
    const QPointF centre = square.topLeft() + QPointF(0.5 * s, 0.56 * s);
    const qreal body = 0.42 * s;
    const qreal face = 0.30 * s;

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::Navy);
    painter.drawRoundedRect(
        QRectF(centre.x() - 0.06 * s, square.top() + 0.07 * s, 0.12 * s, 0.12 * s), 0.02 * s,
        0.02 * s);
    painter.drawRoundedRect(QRectF(centre.x() - 0.13 * s, square.top(), 0.26 * s, 0.1 * s),
                            0.035 * s, 0.035 * s);
    painter.save();
    painter.translate(onCircle(centre, body + 0.02 * s, 45));
    painter.rotate(45);
    painter.drawRoundedRect(QRectF(-0.06 * s, -0.05 * s, 0.12 * s, 0.1 * s), 0.02 * s, 0.02 * s);
    painter.restore();

    painter.drawEllipse(centre, body, body);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, face, face);

    QPainterPath sweep(centre);
    sweep.arcTo(QRectF(centre.x() - face, centre.y() - face, 2 * face, 2 * face), 90,
                -SweepDegrees);
    sweep.closeSubpath();
    painter.setBrush(ink::Amber);
    painter.drawPath(sweep);

    if (s >= 32) {
        painter.setPen(QPen(ink::Navy, qMax(1.0, 0.025 * s), Qt::SolidLine, Qt::RoundCap));
        for (int hour = 0; hour < 12; hour += 3) {
            painter.drawLine(onCircle(centre, face * 0.78, hour * 30.0),
                             onCircle(centre, face * 0.95, hour * 30.0));
        }
    }

    painter.setPen(QPen(ink::Navy, qMax(1.5, 0.06 * s), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, onCircle(centre, face * 0.92, SweepDegrees));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::Navy);
    painter.drawEllipse(centre, qMax(1.2, 0.06 * s), qMax(1.2, 0.06 * s));
    painter.restore();
}

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    paintStopwatch(painter, QRectF(0, 0, size, size));
    return image;
}
