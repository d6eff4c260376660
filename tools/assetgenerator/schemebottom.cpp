#include "artwork.h"

#include "app/mainwindowlayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QSize Size{315, 133};

// The captions end this far left of the time labels, which show their values from their own
// left edge.
constexpr qreal CaptionGap = 6;

// A time label's rectangle within the lower picture.
QRect labelInPicture(const TwipsRect& label) {
    return label.pixels().translated(-mainwindowlayout::ImgBottom.pixels().topLeft());
}

// The baseline on which a label of the main window's time font, centred vertically as the
// labels are, writes its value.
qreal valueBaseline(const QRect& label) {
    const QFontMetricsF metrics(timeLabelFont());
    return label.top() + (label.height() - metrics.height()) / 2 + metrics.ascent();
}

void drawHangerTabs(QPainter& painter, const Scheme& scheme) {
    painter.setPen(Qt::NoPen);
    for (const qreal left : joint::StrapLefts) {
        const QRectF tab(left, 8, joint::StrapWidth, joint::BottomPanel.top() - 8 + 6);
        painter.setBrush(scheme.border);
        painter.drawRoundedRect(tab, 4, 4);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(tab.center().x(), 14), 2, 2);
    }
}

void drawPanel(QPainter& painter, const Scheme& scheme) {
    QPainterPath panel;
    panel.addRoundedRect(joint::BottomPanel, 12, 12);
    drawSoftShadow(painter, panel);
    QLinearGradient fill(joint::BottomPanel.topLeft(), joint::BottomPanel.bottomLeft());
    fill.setColorAt(0, scheme.bottomPanelTop);
    fill.setColorAt(1, scheme.bottomPanelBottom);
    painter.setBrush(fill);
    painter.setPen(QPen(scheme.border, 2.5));
    painter.drawPath(panel);
}

void drawCaption(QPainter& painter, const Scheme& scheme, const QString& text,
                 const TwipsRect& label) {
    const QRect rect = labelInPicture(label);
    const qreal width = QFontMetricsF(painter.font()).horizontalAdvance(text);
    const QPointF origin(rect.left() - CaptionGap - width, valueBaseline(rect));
    if (scheme.captionShadow.isValid()) {
        painter.setPen(scheme.captionShadow);
        painter.drawText(origin + QPointF(1, 1), text);
    }
    painter.setPen(scheme.caption);
    painter.drawText(origin, text);
}

} // namespace

QImage paintBottomPicture(const Scheme& scheme, int scale) {
    QImage image = canvas(Size, scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    prepare(painter);

    drawHangerTabs(painter, scheme);
    drawPanel(painter, scheme);

    painter.setFont(houseFont(15));
    drawCaption(painter, scheme, QStringLiteral("Start Time:"), mainwindowlayout::LblStartTime);
    drawCaption(painter, scheme, QStringLiteral("Stop Time:"), mainwindowlayout::LblStopTime);
    drawCaption(painter, scheme, QStringLiteral("Total Time:"), mainwindowlayout::LblTotalTime);
    return image;
}
