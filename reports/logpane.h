#pragma once

#include "storage/ansitext.h"

#include <QByteArrayView>
#include <QPlainTextEdit>

// The Reports window's raw log pane: editable, lines never wrapped, both scroll bars; Tab
// moves the focus instead of typing a tab.
class QTextCursor;

class LogPane final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogPane(QWidget* parent = nullptr);

    // Shows the log file's bytes as the window's text: two empty lines, then the log with its
    // last line ended too. A line of more than 10,000 characters is shown in pieces. The undo
    // history does not record it.
    void showLog(QByteArrayView fileBytes);
    // Adds bytes appended to the log since, after the text the pane shows.
    void appendLog(QByteArrayView appended);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void insertLog(QTextCursor& cursor, QByteArrayView bytes) const;

    ansi::Encoding m_encoding = ansi::Encoding::Windows1252;
};
