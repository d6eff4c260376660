#include "away/awayquestionwindow.h"

#include "away/awayquestionlayout.h"
#include "ui/announcement.h"
#include "ui/onscreen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

QLabel* label(const QString& text, const QString& name, const TwipsRect& rect, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    place(label, rect);
    return label;
}

// A caption and its value on one line under the project.
QLabel* row(const QString& caption, const TwipsRect& captionRect, const QString& name,
            const TwipsRect& valueRect, QWidget* parent) {
    label(caption, QString(), captionRect, parent);
    QLabel* value = label(QString(), name, valueRect, parent);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return value;
}

QPushButton* button(const QString& text, const QString& name, const TwipsRect& rect,
                    QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    place(button, rect);
    return button;
}

} // namespace

AwayQuestionWindow::AwayQuestionWindow(QWidget* owner)
    // A window of its own rather than a dialog of the main window, which may be hidden in the
    // tray when the question comes.
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("FrmAway"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(tr("Tallyhawk"));
    namespace L = awayquestionlayout;
    setFixedSize(L::ClientSize);
    onscreen::keep(this);

    m_project = label(QString(), QStringLiteral("LblAwayProject"), L::LblAwayProject, this);
    m_left =
        row(tr("You left:"), L::LeftCaption, QStringLiteral("LblAwayLeft"), L::LblAwayLeft, this);
    m_back = row(tr("You came back:"), L::BackCaption, QStringLiteral("LblAwayBack"),
                 L::LblAwayBack, this);
    m_length = row(tr("Away for:"), L::LengthCaption, QStringLiteral("LblAwayLength"),
                   L::LblAwayLength, this);

    QPushButton* keepButton = button(tr("Keep"), QStringLiteral("CmdKeep"), L::CmdKeep, this);
    QPushButton* stopButton =
        button(tr("Stop when I left"), QStringLiteral("CmdStopWhenLeft"), L::CmdStopWhenLeft, this);
    connect(keepButton, &QPushButton::clicked, this,
            [this] { answer(&AwayQuestionWindow::keepChosen); });
    connect(stopButton, &QPushButton::clicked, this,
            [this] { answer(&AwayQuestionWindow::stopWhenLeftChosen); });
}

void AwayQuestionWindow::setQuestion(const QString& project, const QString& left,
                                     const QString& back, const QString& length) {
    m_project->setText(tr("Project - %1 ran on while you were away.").arg(project));
    m_left->setText(left);
    m_back->setText(back);
    m_length->setText(length);
    // A further away period changes the question of a window already shown; say it again.
    if (isVisible())
        announce(this, spokenQuestion());
}

QString AwayQuestionWindow::spokenQuestion() const {
    return tr("%1 You left: %2. You came back: %3. Away for: %4. Keep the time, or "
              "stop when you left?")
        .arg(m_project->text(), m_left->text(), m_back->text(), m_length->text());
}

void AwayQuestionWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // It comes up without the focus, so that keys typed on coming back go where they were
    // meant; a screen reader is told instead.
    announce(this, spokenQuestion());
}

void AwayQuestionWindow::keyPressEvent(QKeyEvent* event) {
    // Escape is the close box, as in a dialog. Nothing else answers from the keyboard but a
    // button that the user has moved the focus to on purpose: there is no default button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AwayQuestionWindow::answer(void (AwayQuestionWindow::*chosen)()) {
    m_answered = true;
    // The answer settles the question, which usually closes this window already.
    const QPointer<AwayQuestionWindow> self(this);
    emit(this->*chosen)();
    if (self && isVisible())
        close();
}

void AwayQuestionWindow::discard() {
    m_answered = true;
    close();
}

void AwayQuestionWindow::closeEvent(QCloseEvent* event) {
    if (!m_answered) {
        m_answered = true;
        emit keepChosen();
    }
    event->accept();
}
