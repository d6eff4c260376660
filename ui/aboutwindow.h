#pragma once

#include <QWidget>

class Desktop;
class Dialogs;
class QUrl;

// The About window: the credit line, the edition, the logo and two links to the vendor, which
// open with the desktop's own handlers. It keeps no state and deletes itself when closed.
class AboutWindow final : public QWidget {
    Q_OBJECT
public:
    AboutWindow(Desktop& desktop, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    void openWebPage();
    void startEmail();
    // action: what the user asked for, as the warning names it when the desktop cannot do it.
    void open(const QUrl& url, const QString& action);

    Desktop& m_desktop;
    Dialogs& m_dialogs;
};
