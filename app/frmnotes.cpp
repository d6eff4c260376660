#include "app/frmnotes.h"

#include "storage/clock.h"
#include "storage/datafiles.h"
#include "storage/datetimetext.h"
#include "storage/logwriter.h"
#include "storage/sessionlog.h"
#include "ui/dialogs.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr QSize ClientSize{6270 / 15, 1470 / 15};
constexpr TwipsRect CmdOkRect{4680, 120, 1455, 1215};
constexpr TwipsRect Text1Rect{120, 120, 4455, 1215};

} // namespace

FrmNotes::FrmNotes(const Context& context, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , m_context(context) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Notes"));
    resize(ClientSize);

    Text1 = new QPlainTextEdit(this);
    Text1->setTabChangesFocus(true);
    place(Text1, Text1Rect);
    CmdOk = new QPushButton(QStringLiteral("&Ok"), this);
    place(CmdOk, CmdOkRect);
    setTabOrder(Text1, CmdOk);
    connect(CmdOk, &QPushButton::clicked, this, &FrmNotes::CmdOk_Click);
}

void FrmNotes::CmdOk_Click() {
    close();
}

void FrmNotes::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void FrmNotes::Form_Unload() {
    const QString note = Text1->toPlainText();
    if (note.isEmpty())
        return;
    const QString stamp = m_context.dateText.format(m_context.clock.now());
    m_context.pending.append(sessionlog::noteLine(stamp, note));
    const QString logPath = datafiles::path(m_context.appFolder, datafiles::Tasks);
    const FileResult result = FlushLog(m_context.pending, logPath);
    if (result.ok())
        return;
    // The note is kept for the next write, but say so, and let the user copy it meanwhile.
    const QString text =
        QStringLiteral("Your note could not be written to the session log.\n\n%1\n\nIt is kept "
                       "and will be written with the next entry once the log can be written "
                       "again. Your note:\n\n%2")
            .arg(result.message(), note);
    m_context.dialogs.messageBox(parentWidget(), Dialogs::Message::warning(text));
}
