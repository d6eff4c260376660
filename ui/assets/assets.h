#pragma once

#include <QCursor>
#include <QIcon>
#include <QPoint>
#include <QString>

// The program's pictures, built in as Qt resources. They are drawn by the generator in
// generator/ and committed; remake them with `tallyhawk_make_assets ui/assets/images`.
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

// The hand shown over links, 32 x 32 PNG; the fingertip is the hot spot.
inline const QString LinkCursor = QStringLiteral(":/images/cursor-link.png");
inline constexpr QPoint LinkCursorHotSpot{12, 1};

// The program icon is drawn at each of these sizes, as ":/images/icon-<size>.png".
inline constexpr int IconSizes[] = {16, 24, 32, 48, 64, 72, 80, 96, 128};
inline QString iconPath(int size) {
    return QStringLiteral(":/images/icon-%1.png").arg(size);
}

// The program icon with every drawn size, for windows and the tray.
QIcon programIcon();

// The hand cursor of the link labels and the About logo.
QCursor linkCursor();

} // namespace assets
