#include "artwork.h"

#include "ui/assets/assets.h"

#include <QPainter>
#include <QPainterPath>

QList<Scheme> schemes() {
    return {
        {.topPath = assets::TopDefault,
         .bottomPath = assets::BottomDefault,
         .border = QColor(0x5f, 0x7b, 0x98),
         .arrowTail = QColor(0xb4, 0xc5, 0xd6),
         .arrowHead = QColor(0x4a, 0x66, 0x85),
         .title = QColor(0x1f, 0x2a, 0x38),
         .titleShadow = QColor(0xb9, 0xc8, 0xd8),
         .caption = QColor(0x1c, 0x36, 0x66)},
        {.topPath = assets::TopRed,
         .bottomPath = assets::BottomRed,
         .border = QColor(0xb8, 0x22, 0x2b),
         .arrowTail = QColor(0xf0, 0xa0, 0xa3),
         .arrowHead = QColor(0xb0, 0x1b, 0x24),
         .title = QColor(0xb3, 0x1a, 0x22),
         .titleShadow = QColor(0xe8, 0xc4, 0xc6),
         .caption = QColor(0x2b, 0x16, 0x18),
         .captionShadow = QColor(0xf0, 0xa4, 0xa7)},
        {.topPath = assets::TopBlack,
         .bottomPath = assets::BottomBlack,
         .border = QColor(0x1c, 0x1c, 0x1c),
         .arrowTail = QColor(0xa8, 0xa8, 0xa8),
         .arrowHead = QColor(0x26, 0x26, 0x26),
         .title = QColor(0x10, 0x10, 0x10),
         .titleShadow = QColor(0xc8, 0xc8, 0xc8),
         .caption = QColor(0x10, 0x10, 0x10)},
        {.topPath = assets::TopOrange,
         .bottomPath = assets::BottomOrange,
         .border = QColor(0xe0, 0x78, 0x1c),
         .arrowTail = QColor(0xf7, 0xb8, 0x78),
         .arrowHead = QColor(0xd8, 0x5f, 0x0a),
         .title = QColor(0xcf, 0x5a, 0x06),
         .titleShadow = QColor(0x8a, 0x3c, 0x05, 0x70),
         .caption = QColor(0x14, 0x10, 0x0c),
         .topPanelTop = QColor(0xff, 0xd4, 0x9e),
         .topPanelBottom = QColor(0xff, 0xf8, 0xe8),
         .bottomPanelTop = QColor(0xff, 0xf8, 0xe8),
         .bottomPanelBottom = QColor(0xff, 0xcd, 0x90)},
    };
}

QFont houseFont(qreal pixelSize, QFont::Weight weight) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    return font;
}

QFont timeLabelFont() {
    return houseFont(16);
}

QImage canvas(QSize size, int scale, QImage::Format format) {
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

void drawSoftShadow(QPainter& painter, const QPainterPath& shape) {
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int spread = 4; spread >= 1; --spread) {
        QPainterPathStroker stroker;
        stroker.setWidth(2 * spread);
        stroker.setJoinStyle(Qt::RoundJoin);
        const QPainterPath halo = stroker.createStroke(shape).united(shape);
        painter.fillPath(halo.translated(0, 1.5), QColor(20, 30, 45, 9));
    }
    painter.restore();
}
