#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QString>

// The program's pictures, built in as Qt resources. They are drawn by the generator in
// generator/ and committed; remake them with `tallyhawk_make_assets ui/assets/images`.
//
// Every picture but the program icon is drawn twice: at its size below, and at twice that size
// for high-density screens, under the same name with "@2x" before the suffix. Show them through
// pixmap() and linkCursor(), which pick the drawing that suits the screen.
namespace assets {

// The colour schemes: an upper picture for ImgTop (335 x 176) and a lower one for ImgBottom
// (315 x 133), both JPEG.
inline const QString TopDefault = QStringLiteral(":/images/top-default.jpg");
inline const QString BottomDefault = QStringLiteral(":/images/bottom-default.jpg");
inline const QString TopRed = QStringLiteral(":/images/top-red.jpg");
inline const QString BottomRed = QStringLiteral(":/images/bottom-red.jpg");
inline const QString TopBlack = QStringLiteral(":/images/top-black.jpg");
inline const QString BottomBlack = QStringLiteral(":/images/bottom-black.jpg");
inline const QString TopOrange = QStringLiteral(":/images/top-orange.jpg");
inline const QString BottomOrange = QStringLiteral(":/images/bottom-orange.jpg");

// The Settings window's "Exit" picture, 300 x 95 JPEG.
inline const QString Exit = QStringLiteral(":/images/exit.jpg");

// The About window's logo, 234 x 60 GIF.
inline const QString Logo = QStringLiteral(":/images/logo.gif");

// The hand shown over links, 32 x 32 PNG; the fingertip is the hot spot, in device-independent
// pixels at either drawing.
inline const QString LinkCursor = QStringLiteral(":/images/cursor-link.png");
inline constexpr QPoint LinkCursorHotSpot{12, 1};

// The program icon is drawn at each of these sizes, as ":/images/icon-<size>.png".
inline constexpr int IconSizes[] = {16, 24, 32, 48, 64, 72, 80, 96, 128};
inline QString iconPath(int size) {
    return QStringLiteral(":/images/icon-%1.png").arg(size);
}

// The name of a picture's drawing at twice its size: ":/images/exit.jpg" gives
// ":/images/exit@2x.jpg".
inline QString at2x(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot <= path.lastIndexOf(QLatin1Char('/'))
               ? path + QStringLiteral("@2x")
               : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

// The picture at `path` for a screen of `ratio` device pixels per device-independent pixel,
// with that ratio set on it, so that it shows at its own size on any screen. Up to 1 it is the
// picture itself; above 1 it is drawn from the picture's twice-size drawing, smoothly resized
// when the ratio is not 2.
QPixmap pixmap(const QString& path, qreal ratio);

// The picture at `path` for the application's highest screen ratio, chosen when it is called:
// on a screen of a lower ratio Qt reduces it to its size rather than stretching a smaller one.
QPixmap pixmap(const QString& path);

// The program icon with every drawn size, for windows and the tray.
QIcon programIcon();

// The hand cursor of the link labels and the About logo, for the application's highest screen
// ratio, or for `ratio`.
QCursor linkCursor();
QCursor linkCursor(qreal ratio);

// The hot spot to hand to QCursor with the hand drawn for `pixmapRatio`, under the Qt platform
// plugin named `platform`.
QPoint linkCursorHotSpot(qreal pixmapRatio, QStringView platform);

} // namespace assets
