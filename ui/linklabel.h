#pragma once

#include <QLabel>

// A label that acts as a link: it reports a click of the left button. Given a focus policy, Tab
// reaches it and Enter or Space opens it, as a click does; while it has the focus a dotted frame
// shows round its text. The mouse gives it no focus, so a mouse user sees the label as ever.
// Screen readers see a link that can be pressed.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
