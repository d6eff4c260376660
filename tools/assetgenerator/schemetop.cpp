#include "artwork.h"

#include "app/mainwindowlayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QSize Size{335, 176};
constexpr qreal TitleRight = 318;
constexpr qreal TitleBaseline = 42;

// Where the main window puts the lower picture, measured from the upper one.
QPointF lowerPictureOffset() {
    return QPointF(mainwindowlayout::ImgBottom.pixels().topLeft() -
                   mainwindowlayout::ImgTop.pixels().topLeft());
}

// A tapered swoosh rising from the panel's left edge, ending in an arrowhead at `tipX`. It stays
// above the link labels and the project row, which start 52 pixels down.
QPainterPath swoosh(qreal tipX) {
    const qreal headBase = tipX - 28;
    QPainterPath path(QPointF(15, 49));
    path.quadTo(QPointF(62, 15), QPointF(headBase, 17.5));
    path.lineTo(QPointF(headBase - 3, 10));
    path.lineTo(QPointF(tipX, 23));
    path.lineTo(QPointF(headBase - 1, 37));
    path.lineTo(QPointF(headBase + 1, 28.5));
    path.quadTo(QPointF(70, 27), QPointF(15, 49));
    return path;
}

void drawStraps(QPainter& painter, const Scheme& scheme) {
    const qreal offsetX = lowerPictureOffset().x();
    painter.setPen(Qt::NoPen);
    painter.setBrush(scheme.border);
    for (const qreal left : joint::StrapLefts) {
        painter.drawRect(
            QRectF(left + offsetX, joint::TopPanel.bottom() - 4, joint::StrapWidth, Size.height()));
    }
}

void drawPanel(QPainter& painter, const Scheme& scheme) {
    QPainterPath panel;
    panel.addRoundedRect(joint::TopPanel, 14, 14);
    drawSoftShadow(painter, panel);
    QLinearGradient fill(joint::TopPanel.topLeft(), joint::TopPanel.bottomLeft());
    fill.setColorAt(0, scheme.topPanelTop);
    fill.setColorAt(1, scheme.topPanelBottom);
    painter.setBrush(fill);
    painter.setPen(QPen(scheme.border, 2.5));
    painter.drawPath(panel);
}

} // namespace

QImage paintTopPicture(const Scheme& scheme, int scale) {
    QImage image = canvas(Size, scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    prepare(painter);

    drawStraps(painter, scheme);
    drawPanel(painter, scheme);

    const QFont titleFont = houseFont(23);
    const QString title = QStringLiteral("The Project");
    const qreal titleLeft = TitleRight - QFontMetricsF(titleFont).horizontalAdvance(title);

    QLinearGradient arrowFill(QPointF(15, 0), QPointF(titleLeft - 10, 0));
    arrowFill.setColorAt(0, scheme.arrowTail);
    arrowFill.setColorAt(1, scheme.arrowHead);
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrowFill);
    painter.drawPath(swoosh(titleLeft - 10));

    painter.setFont(titleFont);
    painter.setPen(scheme.titleShadow);
    painter.drawText(QPointF(titleLeft + 2, TitleBaseline + 2), title);
    painter.setPen(scheme.title);
    painter.drawText(QPointF(titleLeft, TitleBaseline), title);
    return image;
}
