#pragma once

#include <QByteArrayView>
#include <QPlainTextEdit>

// The Reports window's raw log pane: editable, lines never wrapped, both scroll bars; Tab
// moves the focus instead of typing a tab.
class LogPane final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogPane(QWidget* parent = nullptr);

    // Shows the log file's bytes as the window's text: two empty lines, then the log with its
    // last line ended too. A line of more than 10,000 characters is shown in pieces. The undo
    // history does not record it.
    void showLog(QByteArrayView fileBytes);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
