// The activity prompt, the Notes window, and the notification-area icon and its menu.
#include "app/form1.h"

#include "app/frmnotes.h"
#include "tray/traymodule.h"
#include "tray/windowplacement.h"
#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/updown.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void Form1::ChkAskMe_Click() {
    // Grayed comes only from the settings file; a click leaves it for good.
    if (ChkAskMe->checkState() != Qt::PartiallyChecked)
        ChkAskMe->setTristate(false);
    if (ChkAskMe->checkState() == Qt::Checked)
        TxtMin->setText(QStringLiteral("0"));
}

void Form1::TxtAsk_Change() {
    TxtMin->setText(QStringLiteral("0"));
}

void Form1::UpDown_Change() {
    TxtAsk->setText(QString::number(UpDown->value()));
}

void Form1::TxtMin_Change() {
    if (ChkAskMe->checkState() != Qt::Checked)
        return;
    // Compared as text: an interval of "030" never matches the counter, by design.
    if (TxtMin->text() != TxtAsk->text())
        return;
    m_services.desktop.beep();
    FrmNotes* notes = showNotesWindow();
    notes->setWindowTitle(QStringLiteral("What are you doing now?"));
    m_services.placement.SetTopMost(notes, true);
    TxtMin->setText(QStringLiteral("0"));
}

FrmNotes* Form1::showNotesWindow() {
    if (!m_notes) {
        m_notes = new FrmNotes(
            {m_services.appFolder, m_services.clock, m_services.dialogs, m_dateText, m_pending},
            this);
        connect(m_notes, &FrmNotes::logWritten, this, &Form1::forgetRecoveredLinesOnceWritten);
    }
    m_notes->show();
    return m_notes;
}

void Form1::CmdNotes_Click() {
    FrmNotes* notes = showNotesWindow();
    notes->raise();
    notes->activateWindow();
}

void Form1::MnuNotes_Click() {
    if (CmdNotes->isEnabled()) {
        CmdNotes->click();
        return;
    }
    const QString question = QStringLiteral("Project - ") + projectName() +
                             QStringLiteral(" is not running. Would you like to start the "
                                            "project?");
    const Dialogs::Answer answer =
        m_services.dialogs.messageBox(this, Dialogs::Message::question(question));
    if (answer == Dialogs::Answer::Yes)
        CmdStartStop->click();
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void Form1::Form_Resize() {
    if (!(windowState() & Qt::WindowMinimized))
        return;
    // Without a notification area, hiding the window would leave no way back to it: it then
    // stays an ordinary minimised window.
    if (!m_services.tray.isAvailable())
        return;
    AddToTray(m_services.tray, windowIcon(), windowTitle(), this);
    hide();
    update();
}

int Form1::RespondToTray(TrayIcon::Event event) {
    switch (event) {
    case TrayIcon::Event::LeftButtonDown:
        return 0;
    case TrayIcon::Event::LeftDoubleClick:
        return 1;
    case TrayIcon::Event::RightButtonDown:
        MnuElapsed->setText(QStringLiteral("Elapsed Time: ") + LblTotalTime->text());
        MnuFile->popup(QCursor::pos());
        return 0;
    case TrayIcon::Event::Other:
        break;
    }
    return 0;
}

void Form1::onTrayEvent(TrayIcon::Event event) {
    if (RespondToTray(event) != 0)
        restoreFromTray();
}

void Form1::MnuOpen_Click() {
    restoreFromTray();
}

void Form1::restoreFromTray() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    RestoreFromTray(m_services.tray, this);
    update();
}

FrmNotes* Form1::notesWindow() const {
    return m_notes;
}
