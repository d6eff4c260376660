#include "ui/updown.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {

// Without it a screen reader finds a nameless panel with two nameless buttons in it.
class AccessibleUpDown final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleUpDown(UpDownControl* control)
        : QAccessibleWidget(control, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return QString::number(control()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return control()->value(); }
    void setCurrentValue(const QVariant& value) override { control()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return control()->maximum(); }
    QVariant minimumValue() const override { return control()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    UpDownControl* control() const { return static_cast<UpDownControl*>(widget()); }
};

QAccessibleInterface* accessibleUpDown(const QString& className, QObject* object) {
    if (className == QLatin1StringView("UpDownControl"))
        return new AccessibleUpDown(static_cast<UpDownControl*>(object));
    return nullptr;
}

} // namespace

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this)) {
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleUpDown);
        return true;
    }();
    (void)accessible;
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAccessibleName(tr("Up"));
    m_down->setAccessibleName(tr("Down"));
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, &UpDownControl::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDownControl::stepDown);
    setFocusPolicy(Qt::TabFocus);
}

void UpDownControl::setRange(int min, int max) {
    m_min = min;
    m_max = std::max(min, max);
    setValue(m_value);
}

void UpDownControl::setValue(int value) {
    const int clamped = std::clamp(value, m_min, m_max);
    if (clamped == m_value)
        return;
    m_value = clamped;
    QAccessibleValueChangeEvent changed(this, m_value);
    QAccessible::updateAccessibility(&changed);
    emit valueChanged(m_value);
}

void UpDownControl::resizeEvent(QResizeEvent*) {
    placeArrows();
}

void UpDownControl::placeArrows() {
    // The arrows fill the control; with the focus they make room for the frame round them.
    const QRect area = hasFocus() ? rect().adjusted(1, 1, -1, -1) : rect();
    const int half = area.height() / 2;
    m_up->setGeometry(area.x(), area.y(), area.width(), half);
    m_down->setGeometry(area.x(), area.y() + half, area.width(), area.height() - half);
}

void UpDownControl::focusInEvent(QFocusEvent* event) {
    placeArrows();
    QWidget::focusInEvent(event);
}

void UpDownControl::focusOutEvent(QFocusEvent* event) {
    placeArrows();
    QWidget::focusOutEvent(event);
}

void UpDownControl::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void UpDownControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        stepUp();
        break;
    case Qt::Key_Down:
        stepDown();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
