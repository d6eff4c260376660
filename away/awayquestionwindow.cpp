#include "away/awayquestionwindow.h"

#include "ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

// Laid out like the program's other windows, to the twip; the values have room for the
// longest date-time texts of the common locales.
constexpr QSize ClientSize{5400 / 15, 2040 / 15};
constexpr TwipsRect ProjectRect{120, 120, 5160, 285};
constexpr int CaptionLeft = 120;
constexpr int CaptionWidth = 1400;
constexpr int ValueLeft = 1560;
constexpr int ValueWidth = 3720;
constexpr int RowTop = 525;
constexpr int RowHeight = 285;
constexpr TwipsRect KeepRect{2145, 1530, 1455, 375};
constexpr TwipsRect StopRect{3720, 1530, 1560, 375};

QLabel* label(const QString& text, const QString& name, const TwipsRect& rect, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    place(label, rect);
    return label;
}

// A caption and its value on the row'th line under the project.
QLabel* row(int row, const QString& caption, const QString& name, QWidget* parent) {
    const int top = RowTop + row * RowHeight;
    label(caption, QString(), {CaptionLeft, top, CaptionWidth, RowHeight}, parent);
    QLabel* value = label(QString(), name, {ValueLeft, top, ValueWidth, RowHeight}, parent);
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
    setWindowTitle(QStringLiteral("Tallyhawk"));
    setFixedSize(ClientSize);

    m_project = label(QString(), QStringLiteral("LblAwayProject"), ProjectRect, this);
    m_left = row(0, QStringLiteral("You left:"), QStringLiteral("LblAwayLeft"), this);
    m_back = row(1, QStringLiteral("You came back:"), QStringLiteral("LblAwayBack"), this);
    m_length = row(2, QStringLiteral("Away for:"), QStringLiteral("LblAwayLength"), this);

    QPushButton* keepButton =
        button(QStringLiteral("Keep"), QStringLiteral("CmdKeep"), KeepRect, this);
    QPushButton* stopButton = button(QStringLiteral("Stop when I left"),
                                     QStringLiteral("CmdStopWhenLeft"), StopRect, this);
    connect(keepButton, &QPushButton::clicked, this,
            [this] { answer(&AwayQuestionWindow::keepChosen); });
    connect(stopButton, &QPushButton::clicked, this,
            [this] { answer(&AwayQuestionWindow::stopWhenLeftChosen); });
}

void AwayQuestionWindow::setQuestion(const QString& project, const QString& left,
                                     const QString& back, const QString& length) {
    m_project->setText(QStringLiteral("Project - %1 ran on while you were away.").arg(project));
    m_left->setText(left);
    m_back->setText(back);
    m_length->setText(length);
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
