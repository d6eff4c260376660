#include "artwork.h"

#include "app/mainwindowlayout.h"

#include <QPainter>

namespace {

void drawControl(QPainter& painter, const TwipsRect& place, const QString& caption) {
    const QRectF box = QRectF(place.pixels()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QColor(0x9a, 0xa3, 0xad));
    painter.setBrush(QColor(0xf4, 0xf5, 0xf6));
    painter.drawRoundedRect(box, 2, 2);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, caption);
}

void drawLink(QPainter& painter, const TwipsRect& place, const QString& caption) {
    QFont font = houseFont(13);
    font.setUnderline(true);
    painter.setFont(font);
    painter.setPen(QColor(0x30, 0x8c, 0xc6));
    painter.drawText(place.pixels(), Qt::AlignLeft | Qt::AlignVCenter, caption);
}

void drawValue(QPainter& painter, const TwipsRect& place, const QString& value) {
    painter.setFont(timeLabelFont());
    painter.setPen(Qt::black);
    painter.drawText(place.pixels(), Qt::AlignLeft | Qt::AlignVCenter, value);
}

} // namespace

QImage paintMainWindowPreview(const QImage& top, const QImage& bottom) {
    using namespace mainwindowlayout;
    QImage image(ClientSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    prepare(painter);
    painter.drawImage(ImgBottom.pixels().topLeft(), bottom);
    painter.drawImage(ImgTop.pixels().topLeft(), top);

    drawLink(painter, LblReports, QStringLiteral("Reports"));
    drawLink(painter, LblSettings, QStringLiteral("Settings"));
    drawLink(painter, LblAbout, QStringLiteral("About"));
    painter.setFont(houseFont(11, QFont::Normal));
    drawControl(painter, CboProject, QString());
    drawControl(painter, CmdAdd, QStringLiteral("+"));
    drawControl(painter, CmdRemove, QStringLiteral("-"));
    drawControl(painter, CmdStartStop, QStringLiteral("Start"));
    drawControl(painter, CmdNotes, QStringLiteral("Notes"));
    drawControl(painter, ChkAskMe, QStringLiteral("Ask me what I 'am doing every"));
    drawControl(painter, TxtAsk, QStringLiteral("30"));
    drawControl(painter, UpDown, QString());
    painter.drawText(Label3.pixels(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("minutes"));

    drawValue(painter, LblStartTime, QStringLiteral("6/3/2008 9:00:05 AM"));
    drawValue(painter, LblStopTime, QStringLiteral("6/3/2008 11:15:40 AM"));
    drawValue(painter, LblTotalTime, QStringLiteral("0d 2h 15m 35s"));
    return image;
}
