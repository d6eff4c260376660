#include "ui/linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

// Qt shows a label to screen readers as static text, which cannot be pressed.
class AccessibleLink final : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = static_cast<const LinkLabel*>(widget())->text();
        return text;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<LinkLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* accessibleLink(const QString& className, QObject* object) {
    if (className == QLatin1StringView("LinkLabel"))
        return new AccessibleLink(static_cast<LinkLabel*>(object));
    return nullptr;
}

void installAccessibleLink() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleLink);
        return true;
    }();
    (void)installed;
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent) {
    installAccessibleLink();
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    installAccessibleLink();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn in the link's own colour, which was chosen to read on what lies beneath; a style's
    // focus frame takes the desktop's colours, which may not.
    const QRect shown = text().isEmpty() ? contentsRect()
                                         : style()->itemTextRect(fontMetrics(), contentsRect(),
                                                                 alignment(), isEnabled(), text());
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(shown.adjusted(-1, 0, 0, -1) & rect().adjusted(0, 0, -1, -1));
}
