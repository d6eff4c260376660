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

} // namespace

void LogPane::showLog(QByteArrayView fileBytes) {
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.insertText(QStringLiteral("\n\n"));
    // Decoded a megabyte at a time: the document keeps its own copy of the text, and a
    // decoded copy of a whole 40 MB log beside it would cost 80 MB more.
    for (qsizetype at = 0; at < fileBytes.size();) {
        const qsizetype end = pieceEnd(fileBytes, at, qsizetype(1) << 20);
        cursor.insertText(ansi::decode(fileBytes.sliced(at, end - at)));
        at = end;
    }
    if (!fileBytes.isEmpty() && fileBytes.back() != '\n' && fileBytes.back() != '\r')
        cursor.insertText(QStringLiteral("\n"));
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
}

void LogPane::resizeEvent(QResizeEvent* event) {
    // QPlainTextEdit lays the whole document out again whenever its width changes, making a
    // layout object for every line, also on the first show. Unwrapped lines do not depend on
    // the width, so on a log of 700,000 lines that is a second of work and a hundred
    // megabytes for nothing; the base class is told the width did not change.
    QResizeEvent sameWidth(event->size(), QSize(event->size().width(), event->oldSize().height()));
    QPlainTextEdit::resizeEvent(&sameWidth);
}
