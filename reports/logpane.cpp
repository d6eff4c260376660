#include "reports/logpane.h"

#include "storage/ansitext.h"

#include <QResizeEvent>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

LogPane::LogPane(QWidget* parent)
    : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the window's buttons, as in every other window; a tab typed here would
    // also end up on the printed log.
    setTabChangesFocus(true);
    setAccessibleName(tr("Session log"));
    setAccessibleDescription(
        tr("The log as text; what is typed here changes only what is printed"));
}

namespace {

// Where a piece of the log may end: after a line end, and never between the CR and LF of one.
qsizetype pieceEnd(QByteArrayView bytes, qsizetype from, qsizetype wanted) {
    const qsizetype limit = std::min(bytes.size(), from + wanted);
    if (limit == bytes.size())
        return limit;
    for (qsizetype i = limit; i > from; --i) {
        const char c = bytes[i - 1];
        if (c == '\n' || (c == '\r' && bytes[i] != '\n'))
            return i;
    }
    return limit;
}

// Qt lays out and shapes a line of text as a whole, which takes seconds for a line of a
// megabyte, and the pane would hang on a damaged log. Longer lines are shown in pieces of this
// many characters, each on a line of its own; the file itself is not changed, and "Save Log"
// copies it as it is.
constexpr qsizetype LongestShownLine = 10000;

// Breaks the runs of text longer than LongestShownLine. The run carried in from the piece
// before is given, and the run left open at the end is handed back.
QString withLongLinesBroken(QString text, qsizetype& run) {
    qsizetype longest = run;
    qsizetype current = run;
    for (const QChar c : text) {
        current = (c == u'\n' || c == u'\r') ? 0 : current + 1;
        longest = std::max(longest, current);
    }
    if (longest <= LongestShownLine) {
        run = current;
        return text;
    }
    QString out;
    out.reserve(text.size() + text.size() / LongestShownLine + 1);
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r') {
            run = 0;
        } else if (run == LongestShownLine) {
            out += u'\n';
            run = 1;
        } else {
            ++run;
        }
        out += c;
    }
    return out;
}

} // namespace

void LogPane::showLog(QByteArrayView fileBytes) {
    m_encoding = ansi::detectEncoding(fileBytes);
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.insertText(QStringLiteral("\n\n"));
    insertLog(cursor, fileBytes.sliced(ansi::byteOrderMark(m_encoding).size()));
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
}

void LogPane::appendLog(QByteArrayView appended) {
    QTextDocument* doc = document();
    const bool modified = doc->isModified();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    insertLog(cursor, appended);
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
    doc->setModified(modified);
}

void LogPane::insertLog(QTextCursor& cursor, QByteArrayView bytes) const {
    // Decoded a megabyte at a time: the document keeps its own copy of the text, and a
    // decoded copy of a whole 40 MB log beside it would cost 80 MB more.
    qsizetype run = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype end = pieceEnd(bytes, at, qsizetype(1) << 20);
        cursor.insertText(
            withLongLinesBroken(ansi::decodeAs(bytes.sliced(at, end - at), m_encoding), run));
        at = end;
    }
    if (!bytes.isEmpty() && bytes.back() != '\n' && bytes.back() != '\r')
        cursor.insertText(QStringLiteral("\n"));
}

void LogPane::resizeEvent(QResizeEvent* event) {
    // QPlainTextEdit lays the whole document out again whenever its width changes, making a
    // layout object for every line, also on the first show. Unwrapped lines do not depend on
    // the width, so on a log of 700,000 lines that is a second of work and a hundred
    // megabytes for nothing; the base class is told the width did not change.
    QResizeEvent sameWidth(event->size(), QSize(event->size().width(), event->oldSize().height()));
    QPlainTextEdit::resizeEvent(&sameWidth);
}
