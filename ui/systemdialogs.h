#pragma once

#include "ui/dialogs.h"

// The dialogs a person sees: Qt's message box, input dialog and file dialog, each opened
// without an event loop of its own and deleted once answered.
class SystemDialogs final : public Dialogs {
public:
    void messageBox(QWidget* parent, const Message& message, Answered answered = {}) override;
    Cancel inputBox(QWidget* parent, const Input& input, TextAnswered answered) override;
    void saveFileName(QWidget* parent, const SaveOptions& options, PathAnswered answered) override;
};
