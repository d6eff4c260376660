#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A door frame with an arrow leaving it, in the style of the text beside it.
void drawLeavingArrow(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath frame(box.topLeft() + QPointF(0.55 * w, 0.2 * h));
    frame.lineTo(box.topLeft() + QPointF(0.55 * w, 0));
    frame.lineTo(box.topLeft());
    frame.lineTo(box.bottomLeft());
    frame.lineTo(box.topLeft() + QPointF(0.55 * w, h));
    frame.lineTo(box.topLeft() + QPointF(0.55 * w, 0.8 * h));
    painter.drawPath(frame);

    const QPointF from = box.topLeft() + QPointF(0.3 * w, 0.5 * h);
    const QPointF tip = box.topLeft() + QPointF(w, 0.5 * h);
    painter.drawLine(from, tip);
    painter.drawPolyline(QList<QPointF>{tip + QPointF(-0.28 * w, -0.22 * h), tip,
                                        tip + QPointF(-0.28 * w, 0.22 * h)});
    painter.restore();
}

} // namespace

QImage paintExitPicture(int scale) {
    QImage image = canvas(QSize(300, 95), scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    prepare(painter);

    const QRectF button(8.5, 7.5, 283, 78);
    QPainterPath shape;
    shape.addRoundedRect(button, 16, 16);
    drawSoftShadow(painter, shape);
    QLinearGradient face(button.topLeft(), button.bottomLeft());
    face.setColorAt(0, QColor(0xfd, 0xfe, 0xff));
    face.setColorAt(0.5, QColor(0xf0, 0xf4, 0xf8));
    face.setColorAt(1, QColor(0xdc, 0xe4, 0xec));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(0x95, 0xa7, 0xba), 1.5));
    painter.drawPath(shape);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    painter.drawRoundedRect(button.adjusted(2, 2, -2, -2), 14, 14);

    const QFont font = houseFont(40);
    const QString word = QStringLiteral("Exit");
    const qreal wordWidth = QFontMetricsF(font).horizontalAdvance(word);
    const qreal iconWidth = 34;
    const qreal gap = 16;
    const qreal left = button.center().x() - (iconWidth + gap + wordWidth) / 2;
    const QColor textColour(0x2a, 0x3a, 0x4c);

    drawLeavingArrow(painter, QRectF(left, button.center().y() - 16, iconWidth, 32), textColour);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 220));
    painter.drawText(QPointF(left + iconWidth + gap, button.center().y() + 15), word);
    painter.setPen(textColour);
    painter.drawText(QPointF(left + iconWidth + gap, button.center().y() + 14), word);
    return image;
}
