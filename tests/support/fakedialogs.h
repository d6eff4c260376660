#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QStringList>

#include <deque>

// Records every dialog the program opens and answers from queues the test fills. An empty
// queue answers OK / No / Cancel.
class FakeDialogs final : public Dialogs {
public:
    struct Input {
        QString title;
        QString prompt;
        QString preset;
    };

    QList<Message> messages;
    QList<Input> inputs;
    QList<SaveOptions> saveDialogs;

    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputAnswers; // nullopt: Cancel
    std::deque<std::optional<QString>> saveAnswers;  // nullopt: Cancel

    Answer messageBox(QWidget*, const Message& message) override {
        messages.append(message);
        if (answers.empty())
            return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    QString inputBox(QWidget*, const QString& title, const QString& prompt,
                     const QString& preset) override {
        inputs.append({title, prompt, preset});
        if (inputAnswers.empty())
            return {};
        const std::optional<QString> a = inputAnswers.front();
        inputAnswers.pop_front();
        return a.value_or(QString());
    }

    std::optional<QString> saveFileName(QWidget*, const SaveOptions& options) override {
        saveDialogs.append(options);
        if (saveAnswers.empty())
            return std::nullopt;
        const std::optional<QString> a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& m : messages)
            texts.append(m.text);
        return texts;
    }
};
