#include "ui/updown.h"

#include <QToolButton>

#include <algorithm>

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this)) {
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
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
    emit valueChanged(m_value);
}

void UpDownControl::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
