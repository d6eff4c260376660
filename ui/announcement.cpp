#include "ui/announcement.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace {

// A notification that belongs to a window: screen readers speak a notification as it shows,
// wherever the focus is. (The accessibility bridge of Qt 6.4 passes on no other event that is
// spoken without the focus.)
class Notice final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    QString text;
};

class AccessibleNotice final : public QAccessibleObject {
public:
    explicit AccessibleNotice(Notice* notice)
        : QAccessibleObject(notice) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Notice*>(object())->text : QString();
    }
};

QAccessibleInterface* accessibleNotice(const QString& className, QObject* object) {
    if (className == QLatin1StringView("Notice"))
        return new AccessibleNotice(static_cast<Notice*>(object));
    return nullptr;
}

} // namespace

void announce(QWidget* window, const QString& text) {
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleNotice);
        return true;
    }();
    (void)accessible;
    auto* notice = window->findChild<Notice*>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new Notice(window);
    notice->text = text;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#include "announcement.moc"
