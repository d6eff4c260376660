#include "ui/assets/assets.h"

#include <QPixmap>

namespace assets {

QIcon programIcon() {
    QIcon icon;
    for (const int size : IconSizes) {
        icon.addFile(iconPath(size), QSize(size, size));
    }
    return icon;
}

QCursor linkCursor() {
    return QCursor(QPixmap(LinkCursor), LinkCursorHotSpot.x(), LinkCursorHotSpot.y());
}

} // namespace assets
