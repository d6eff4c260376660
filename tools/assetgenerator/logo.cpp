#include "artwork.h"

#include <QPainter>

QImage paintLogo(int scale) {
    constexpr QSize Size{234, 60};
    QImage image = canvas(Size, scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    prepare(painter);

    const QFont word = houseFont(31);
    const QString tally = QStringLiteral("Tally");
    const qreal markSize = 52;
    const qreal gap = 8;
    const qreal wordWidth = QFontMetricsF(word).horizontalAdvance(tally + QStringLiteral("hawk"));
    const qreal left = (Size.width() - markSize - gap - wordWidth) / 2;

    paintStopwatch(painter, QRectF(left, 4, markSize, markSize));
    const QPointF origin(left + markSize + gap, 37);
    painter.setFont(word);
    painter.setPen(ink::Navy);
    painter.drawText(origin, tally);
    painter.setPen(ink::Amber);
    painter.drawText(origin + QPointF(QFontMetricsF(word).horizontalAdvance(tally), 0),
                     QStringLiteral("hawk"));

    QFont tagline = houseFont(11, QFont::Normal);
    tagline.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    painter.setFont(tagline);
    painter.setPen(ink::Slate);
    painter.drawText(origin + QPointF(2, 16), QStringLiteral("TIME TRACKER"));
    return image;
}
