#pragma once

#include <QString>

#include <functional>

class Dialogs;
class QWidget;

// The main window's message boxes about failures. Once the program is being closed from
// outside, nobody may be there to answer a box, and warnings go to the error output instead.
// The program ends only once every box it opened has been answered, so that what a box says
// at the end is read before the program is gone.
class Warnings {
public:
    Warnings(Dialogs& dialogs, QWidget* window)
        : m_dialogs(dialogs)
        , m_window(window) {}

    void warn(const QString& text);
    // A plain box that tells, rather than warns.
    void tell(const QString& text);
    void goQuiet() { m_quiet = true; }

    // Runs `then` once no box of these is open: at once, or when the last one is answered.
    void whenAnswered(std::function<void()> then);

private:
    void show(const QString& text, bool warning);
    void closed();

    Dialogs& m_dialogs;
    QWidget* m_window;
    bool m_quiet = false;
    int m_open = 0;
    std::function<void()> m_whenAnswered;
};
