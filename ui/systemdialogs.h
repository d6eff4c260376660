#pragma once

#include "ui/dialogs.h"

// The dialogs a person sees: Qt's message box, input dialog and file dialog.
class SystemDialogs final : public Dialogs {
public:
    Answer messageBox(QWidget* parent, const Message& message) override;
    QString inputBox(QWidget* parent, const QString& title, const QString& prompt,
                     const QString& preset) override;
    std::optional<QString> saveFileName(QWidget* parent, const SaveOptions& options) override;
};
