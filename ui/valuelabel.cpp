#include "ui/valuelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AccessibleValue final : public QAccessibleWidget {
public:
    explicit AccessibleValue(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const ValueLabel*>(widget());
        if (t == QAccessible::Name)
            return label->accessibleName() + u' ' + label->text();
        if (t == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleValue(const QString& className, QObject* object) {
    if (className == QLatin1StringView("ValueLabel"))
        return new AccessibleValue(static_cast<ValueLabel*>(object));
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString& caption, const QString& value, QWidget* parent)
    : QLabel(value, parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleValue);
        return true;
    }();
    (void)accessible;
    // QLabel announces every new text as a new name, unless it has a name of its own.
    setAccessibleName(caption);
}
