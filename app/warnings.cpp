#include "app/warnings.h"

#include "ui/dialogs.h"

void Warnings::warn(const QString& text) {
    if (m_quiet) {
        qWarning("%s", qPrintable(text));
        return;
    }
    m_dialogs.messageBox(m_window, Dialogs::Message::warning(text));
}

void Warnings::tell(const QString& text) {
    m_dialogs.messageBox(m_window, Dialogs::Message::plain(text));
}
