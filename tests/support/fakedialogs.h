#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>

// Records every dialog the program opens and answers it, at once, from what the test said
// beforehand. Each answer is meant for one kind of box: an answer that meets a box of another
// kind fails the running test, and so do answers that no box used. A box that comes while
// nothing is queued answers OK, No or Cancel. An answer may carry work that runs while its box
// is open, as timers and signals do while a real box waits. The program gets the box's Cancel
// only once it is answered, so it can only ever be a box already closed.
class FakeDialogs final : public Dialogs {
public:
    using WhileOpen = std::function<void()>;

    QList<Message> messages;
    QList<Input> inputs;
    QList<SaveOptions> saveDialogs;

    FakeDialogs() = default;
    FakeDialogs(const FakeDialogs&) = delete;
    FakeDialogs& operator=(const FakeDialogs&) = delete;
    ~FakeDialogs() override { verifyAllAnswered(); }

    // For the next Yes/No question.
    void answerQuestion(Answer answer, WhileOpen whileOpen = {}) {
        m_replies.push_back({Kind::Question, answer, {}, std::move(whileOpen)});
    }
    // For the next OK box; only needed to run work while it is open, or to say it must come.
    void answerOk(WhileOpen whileOpen = {}) {
        m_replies.push_back({Kind::OkBox, Answer::Ok, {}, std::move(whileOpen)});
    }
    // For the next input box: the text typed, or nullopt for Cancel.
    void answerInput(std::optional<QString> text, WhileOpen whileOpen = {}) {
        m_replies.push_back({Kind::Input, Answer::Ok, std::move(text), std::move(whileOpen)});
    }
    // For the next save dialog: the path chosen, or nullopt for Cancel.
    void answerSave(std::optional<QString> path, WhileOpen whileOpen = {}) {
        m_replies.push_back({Kind::Save, Answer::Ok, std::move(path), std::move(whileOpen)});
    }

    // Fails the running test when answers are left over, and forgets them.
    void verifyAllAnswered() {
        if (m_replies.empty())
            return;
        const QString left = QStringLiteral("%1 dialog answer(s) were never used; the first was "
                                            "for %2")
                                 .arg(m_replies.size())
                                 .arg(kindName(m_replies.front().kind));
        m_replies.clear();
        fail(left);
    }

    void messageBox(QWidget*, const Message& message, Answered answered) override {
        messages.append(message);
        const bool question = message.buttons == Buttons::YesNo;
        const std::optional<Reply> reply =
            take(question ? Kind::Question : Kind::OkBox, message.text);
        const Answer answer = reply ? reply->answer : question ? Answer::No : Answer::Ok;
        if (answered)
            answered(answer);
    }

    Cancel inputBox(QWidget*, const Input& input, TextAnswered answered) override {
        inputs.append(input);
        auto open = std::make_shared<bool>(true);
        Cancel cancel = [open, answered] {
            if (std::exchange(*open, false))
                answered(std::nullopt);
        };
        const std::optional<Reply> reply = take(Kind::Input, input.prompt);
        if (std::exchange(*open, false))
            answered(reply ? reply->text : std::nullopt);
        return cancel;
    }

    void saveFileName(QWidget*, const SaveOptions& options, PathAnswered answered) override {
        saveDialogs.append(options);
        const std::optional<Reply> reply = take(Kind::Save, options.title);
        answered(reply ? reply->text : std::nullopt);
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const Message& m : messages)
            texts.append(m.text);
        return texts;
    }

private:
    enum class Kind { OkBox, Question, Input, Save };
    struct Reply {
        Kind kind;
        Answer answer;
        std::optional<QString> text;
        WhileOpen whileOpen;
    };

    static QString kindName(Kind kind) {
        switch (kind) {
        case Kind::OkBox:
            return QStringLiteral("an OK box");
        case Kind::Question:
            return QStringLiteral("a Yes/No question");
        case Kind::Input:
            return QStringLiteral("an input box");
        case Kind::Save:
            return QStringLiteral("a save dialog");
        }
        return {};
    }

    static void fail(const QString& text) {
        // Outside a test function (a helper process driving the window) there is no test to
        // fail; there the leftover is harmless.
        if (QTest::currentTestFunction())
            QTest::qFail(qPrintable(text), __FILE__, __LINE__);
    }

    std::optional<Reply> take(Kind kind, const QString& shown) {
        if (m_replies.empty())
            return std::nullopt;
        if (m_replies.front().kind != kind) {
            fail(QStringLiteral("%1 came (\"%2\"), but the next answer was for %3")
                     .arg(kindName(kind), shown, kindName(m_replies.front().kind)));
            return std::nullopt;
        }
        Reply reply = std::move(m_replies.front());
        m_replies.pop_front();
        if (reply.whileOpen)
            reply.whileOpen();
        return reply;
    }

    std::deque<Reply> m_replies;
};
