#include "app/noteswindow.h"

#include "app/noteswindowlayout.h"
#include "session/sessionlog.h"
#include "session/sessionmodel.h"
#include "ui/dialogs.h"
#include "ui/onscreen.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

NotesWindow::NotesWindow(SessionModel& session, Dialogs& dialogs, QWidget* owner)
    // A sizable border, a close box and no maximise box; a bare window would get one.
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_session(session)
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FrmNotes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Notes"));
    resize(noteswindowlayout::ClientSize);
    onscreen::keep(this);

    m_noteBox = new QPlainTextEdit(this);
    m_noteBox->setObjectName(QStringLiteral("Text1"));
    m_noteBox->setTabChangesFocus(true);
    m_noteBox->setAccessibleName(tr("Note"));
    m_noteBox->setAccessibleDescription(
        tr("What you are doing; it goes into the session log when the window closes"));
    place(m_noteBox, noteswindowlayout::Text1);
    auto* okButton = new QPushButton(tr("&Ok"), this);
    okButton->setObjectName(QStringLiteral("CmdOk"));
    place(okButton, noteswindowlayout::CmdOk);
    setTabOrder(m_noteBox, okButton);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);
}

void NotesWindow::discard() {
    m_discarded = true;
    close();
}

void NotesWindow::closeEvent(QCloseEvent* event) {
    if (!m_discarded)
        logNote();
    event->accept();
}

QString NotesWindow::noteText() const {
    // toPlainText() would turn a no-break space into a plain one; the note is logged as typed.
    // Only the document's own separators become line breaks, as toPlainText() makes them.
    constexpr char16_t FrameStart = 0xfdd0;
    constexpr char16_t FrameEnd = 0xfdd1;
    QString text = m_noteBox->document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == FrameStart ||
            c == FrameEnd)
            c = u'\n';
    }
    return text;
}

void NotesWindow::logNote() {
    const QString note = noteText();
    if (note.isEmpty())
        return;
    if (const std::optional<QString> lost = m_session.log().cannotHold(note)) {
        emit noteRefused(note, tr("The note holds characters that the session log "
                                  "cannot keep: %1.")
                                   .arg(*lost));
        return;
    }
    const FileResult result = m_session.logNote(note);
    if (result.ok())
        return;
    // The note is kept for the next write, but say so, and let the user copy it meanwhile.
    const QString text =
        tr("Your note could not be written to the session log.\n\n%1\n\nIt is kept "
           "and will be written with the next entry once the log can be written "
           "again. Your note:\n\n%2")
            .arg(result.message(), note);
    m_dialogs.messageBox(parentWidget(), Dialogs::Message::warning(text));
}
