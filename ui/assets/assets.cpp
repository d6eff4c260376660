#include "ui/assets/assets.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>

#include <iterator>

namespace assets {

QPixmap pixmap(const QString& path, qreal ratio) {
    if (ratio <= 1)
        return QPixmap(path);
    QImage image(at2x(path));
    if (image.isNull())
        return QPixmap(path);
    image.setDevicePixelRatio(2);
    if (!qFuzzyCompare(ratio, qreal(2))) {
        const QSizeF logical = image.deviceIndependentSize();
        image = image.scaled(qRound(logical.width() * ratio), qRound(logical.height() * ratio),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    return QPixmap::fromImage(std::move(image));
}

QPixmap pixmap(const QString& path) {
    return pixmap(path, qGuiApp ? qGuiApp->devicePixelRatio() : 1);
}

namespace {

// The program icon's drawings, each read from its file only when its size is asked for. The
// window system takes its copies when the window is shown, so none is kept here.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1);
    }

    // The smallest drawing that covers the size, which QIcon gives in device pixels, or the
    // largest there is; QIcon sets the screen's ratio on it.
    QPixmap scaledPixmap(const QSize& wanted, QIcon::Mode, QIcon::State, qreal) override {
        int drawn = LargestIcon;
        for (const int each : IconSizes) {
            if (each >= wanted.width() && each >= wanted.height()) {
                drawn = each;
                break;
            }
        }
        const QPixmap loaded(iconPath(drawn));
        return loaded.size() == wanted || loaded.isNull()
                   ? loaded
                   : loaded.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return size.boundedTo(QSize(LargestIcon, LargestIcon));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int each : IconSizes)
            sizes.append(QSize(each, each));
        return sizes;
    }

    QString key() const override { return QStringLiteral("tallyhawk-program-icon"); }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

private:
    static constexpr int LargestIcon = IconSizes[std::size(IconSizes) - 1];
};

} // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

QCursor linkCursor() {
    return linkCursor(qGuiApp ? qGuiApp->devicePixelRatio() : 1);
}

QCursor linkCursor(qreal ratio) {
    const QPixmap hand = pixmap(LinkCursor, ratio);
    const QPoint hotSpot =
        linkCursorHotSpot(hand.devicePixelRatio(), QGuiApplication::platformName());
    return QCursor(hand, hotSpot.x(), hotSpot.y());
}

QPoint linkCursorHotSpot(qreal pixmapRatio, QStringView platform) {
    // QCursor takes the hot spot in device-independent pixels, and Wayland's cursors do too,
    // but Qt's X11 plugin hands the pixmap's own pixels to the server with the hot spot
    // unscaled, which would put the click a finger's width left of the fingertip.
    if (platform == u"xcb")
        return (QPointF(LinkCursorHotSpot) * pixmapRatio).toPoint();
    return LinkCursorHotSpot;
}

} // namespace assets
