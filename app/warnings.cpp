#include "app/warnings.h"

#include "ui/dialogs.h"

void Warnings::warn(const QString& text) {
    show(text, true);
}

void Warnings::tell(const QString& text) {
    show(text, false);
}

void Warnings::show(const QString& text, bool warning) {
    if (m_quiet) {
        qWarning("%s", qPrintable(text));
        return;
    }
    ++m_open;
    m_dialogs.messageBox(m_window,
                         warning ? Dialogs::Message::warning(text) : Dialogs::Message::plain(text),
                         [this](Dialogs::Answer) { closed(); });
}

void Warnings::closed() {
    if (--m_open > 0 || !m_whenAnswered)
        return;
    std::exchange(m_whenAnswered, nullptr)();
}

void Warnings::whenAnswered(std::function<void()> then) {
    if (m_open == 0) {
        then();
        return;
    }
    m_whenAnswered = std::move(then);
}
