#pragma once

#include <QWidget>

class QToolButton;

// A pair of up and down arrows that steps a whole number within a range. It is not attached
// to a text box: the owner copies the value where it is wanted. With the focus, the Up and Down
// keys step it as the arrows do, and a dotted frame shows round the arrows; screen readers see a
// spin box with its value.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    explicit UpDownControl(QWidget* parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    void setRange(int min, int max);

public slots:
    // Clamped to the range; emits valueChanged() only on a real change.
    void setValue(int value);
    void stepUp() { setValue(m_value + 1); }
    void stepDown() { setValue(m_value - 1); }

signals:
    void valueChanged(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeArrows();

    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 50000;
    int m_value = 0;
};
