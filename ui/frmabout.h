#pragma once

#include <QWidget>

class Desktop;
class Dialogs;
class LinkLabel;
class QLabel;
class QUrl;

// The About window: the credit line, the edition, the logo and two links to the vendor, which
// open with the desktop's own handlers. It keeps no state and deletes itself when closed.
class FrmAbout final : public QWidget {
    Q_OBJECT
public:
    FrmAbout(Desktop& desktop, Dialogs& dialogs, QWidget* parent = nullptr);

    void Image1_Click();
    void Label2_Click();
    void Label3_Click();

    // The controls, named as in the window's design.
    QWidget* Picture1;
    QLabel* Label4;
    LinkLabel* Label3;
    LinkLabel* Label2;
    LinkLabel* Image1;
    QLabel* Label1;

private:
    void openWebPage();
    // action: what the user asked for, as the warning names it when the desktop cannot do it.
    void open(const QUrl& url, const QString& action);

    Desktop& m_desktop;
    Dialogs& m_dialogs;
};
