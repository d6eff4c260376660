#pragma once

#include <QString>
#include <QWidget>

class Clock;
class DateTimeText;
class Dialogs;
class PendingLog;
class QPlainTextEdit;
class QPushButton;

// The Notes window: a note typed here is logged when the window closes, by "&Ok" or by its
// close box. One exists at a time; it is destroyed when closed.
class FrmNotes : public QWidget {
    Q_OBJECT
public:
    struct Context {
        QString appFolder;
        const Clock& clock;
        Dialogs& dialogs;
        const DateTimeText& dateText;
        PendingLog& pending;
    };

    FrmNotes(const Context& context, QWidget* owner);

    void CmdOk_Click();

    // The program is ending: the window closes without logging its note.
    void discard();

    QPlainTextEdit* Text1;
    QPushButton* CmdOk;

signals:
    // A note, and with it whatever the log still owed, has reached the log.
    void logWritten();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    QString noteText() const;

    Context m_context;
    bool m_discarded = false;
};
