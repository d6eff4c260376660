#include "ui/onscreen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace onscreen {

namespace {

// A window is placed by the window manager after it is shown, and Qt hears of the place as a
// move before the window is first painted. Every placement until then is checked.
class Keeper final : public QObject {
    Q_OBJECT
public:
    explicit Keeper(QWidget* window)
        : QObject(window)
        , m_window(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            m_placing = true;
            fitWindow();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (m_placing)
                fitWindow();
            break;
        case QEvent::Paint:
            m_placing = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    void fitWindow() {
        const QScreen* screen = m_window->screen();
        if (!screen)
            return;
        const QRect frame = m_window->frameGeometry();
        const QRect fitted = fit(frame, screen->availableGeometry());
        if (fitted == frame)
            return;
        if (fitted.size() != frame.size())
            m_window->resize(m_window->size() - (frame.size() - fitted.size()));
        if (fitted.topLeft() != frame.topLeft())
            m_window->move(fitted.topLeft());
    }

    QWidget* m_window;
    bool m_placing = false;
};

} // namespace

QRect fit(const QRect& frame, const QRect& available) {
    const QSize size = frame.size().boundedTo(available.size());
    const int x = std::clamp(frame.x(), available.left(), available.right() - size.width() + 1);
    const int y = std::clamp(frame.y(), available.top(), available.bottom() - size.height() + 1);
    return {QPoint(x, y), size};
}

void keep(QWidget* window) {
    if (!window->findChild<Keeper*>(QString(), Qt::FindDirectChildrenOnly))
        new Keeper(window);
}

} // namespace onscreen

#include "onscreen.moc"
