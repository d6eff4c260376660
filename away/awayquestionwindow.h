#pragma once

#include <QWidget>

class QLabel;

// The question asked when the user comes back to a session that ran while they were away:
// keep the time, or stop the session when they left. It names the project, when the user left
// and came back, and for how long. Shown without taking the focus, and with no default button,
// so that typing into another window as one comes back cannot answer it; Escape, like the
// close box, keeps the time.
class AwayQuestionWindow final : public QWidget {
    Q_OBJECT
public:
    explicit AwayQuestionWindow(QWidget* owner);

    // Shows, or updates for a further away period.
    void setQuestion(const QString& project, const QString& left, const QString& back,
                     const QString& length);

    // The question is settled elsewhere: the window closes without answering.
    void discard();

signals:
    void keepChosen();
    void stopWhenLeftChosen();

protected:
    // The close box keeps the time, as "Keep" does: it is the answer that takes nothing away.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString spokenQuestion() const;
    void answer(void (AwayQuestionWindow::*chosen)());

    QLabel* m_project;
    QLabel* m_left;
    QLabel* m_back;
    QLabel* m_length;
    bool m_answered = false;
};
