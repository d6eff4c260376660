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
#include <QTextDocument>

namespace {

constexpr QSize ClientSize{6270 / 15, 1470 / 15};
constexpr TwipsRect CmdOkRect{4680, 120, 1455, 1215};
constexpr TwipsRect Text1Rect{120, 120, 4455, 1215};

} // namespace

FrmNotes::FrmNotes(const Context& context, QWidget* owner)
    // A sizable border, a close box and no maximise box; a bare window would get one.
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_context(context) {
    setObjectName(QStringLiteral("FrmNotes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Notes"));
    resize(ClientSize);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setTabChangesFocus(true);
    place(Text1, Text1Rect);
    CmdOk = new QPushButton(QStringLiteral("&Ok"), this);
    CmdOk->setObjectName(QStringLiteral("CmdOk"));
    place(CmdOk, CmdOkRect);
    setTabOrder(Text1, CmdOk);
    connect(CmdOk, &QPushButton::clicked, this, &FrmNotes::CmdOk_Click);
}

void FrmNotes::CmdOk_Click() {
    close();
}

void FrmNotes::discard() {
    m_discarded = true;
    close();
}

void FrmNotes::closeEvent(QCloseEvent* event) {
    if (!m_discarded)
        Form_Unload();
    event->accept();
}

QString FrmNotes::noteText() const {
    // toPlainText() would turn a no-break space into a plain one; the note is logged as typed.
    // Only the document's own separators become line breaks, as toPlainText() makes them.
    constexpr char16_t FrameStart = 0xfdd0;
    constexpr char16_t FrameEnd = 0xfdd1;
    QString text = Text1->document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == FrameStart ||
            c == FrameEnd)
            c = u'\n';
    }
    return text;
}

void FrmNotes::Form_Unload() {
    const QString note = noteText();
    if (note.isEmpty())
        return;
    const QString stamp = m_context.dateText.format(m_context.clock.now());
    m_context.pending.append(sessionlog::noteLine(stamp, note));
    const QString logPath = datafiles::path(m_context.appFolder, datafiles::Tasks);
    const FileResult result = FlushLog(m_context.pending, logPath);
    if (result.ok()) {
        emit logWritten();
        return;
    }
    // The note is kept for the next write, but say so, and let the user copy it meanwhile.
    const QString text =
        QStringLiteral("Your note could not be written to the session log.\n\n%1\n\nIt is kept "
                       "and will be written with the next entry once the log can be written "
                       "again. Your note:\n\n%2")
            .arg(result.message(), note);
    m_context.dialogs.messageBox(parentWidget(), Dialogs::Message::warning(text));
}
