#pragma once

#include <QWidget>

class Dialogs;
class QPlainTextEdit;
class SessionModel;

// The Notes window: a note typed here is logged when the window closes, by "&Ok" or by its
// close box. One exists at a time; it is destroyed when closed.
class NotesWindow final : public QWidget {
    Q_OBJECT
public:
    NotesWindow(SessionModel& session, Dialogs& dialogs, QWidget* owner);

    // The program is ending: the window closes without logging its note.
    void discard();

signals:
    // A note the session log cannot keep as it is written now; `why` names the characters.
    void noteRefused(const QString& note, const QString& why);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void logNote();
    QString noteText() const;

    SessionModel& m_session;
    Dialogs& m_dialogs;
    QPlainTextEdit* m_noteBox;
    bool m_discarded = false;
};
