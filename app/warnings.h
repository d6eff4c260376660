#pragma once

#include <QString>

class Dialogs;
class QWidget;

// The main window's message boxes about failures. Once the program is being closed from
// outside, nobody may be there to answer a box, and warnings go to the error output instead.
class Warnings {
public:
    Warnings(Dialogs& dialogs, QWidget* window)
        : m_dialogs(dialogs)
        , m_window(window) {}

    void warn(const QString& text);
    // A plain box that tells, rather than warns.
    void tell(const QString& text);
    void goQuiet() { m_quiet = true; }

private:
    Dialogs& m_dialogs;
    QWidget* m_window;
    bool m_quiet = false;
};
