#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Every box the program shows goes through here, so that tests can answer them. Boxes are
// opened and the caller goes on; the answer comes to the function given, once the user has
// answered. No box runs an event loop of its own, so nothing that happens while one is open
// can come back into the code that opened it.
class Dialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Warning };
    enum class Modality { Window, System };
    enum class Answer { Ok, Yes, No };

    struct Message {
        QString text;
        QString title; // empty: the application title
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        Modality modality = Modality::Window;

        // An OK box without an icon.
        static Message plain(QString text, QString title = {}) {
            return {std::move(text), std::move(title), Buttons::Ok, Icon::None, Modality::Window};
        }
        // A Yes/No question without an icon.
        static Message question(QString text, QString title = {}) {
            return {std::move(text), std::move(title), Buttons::YesNo, Icon::None,
                    Modality::Window};
        }
        // An OK box with the warning icon.
        static Message warning(QString text, QString title = {}) {
            return {std::move(text), std::move(title), Buttons::Ok, Icon::Warning,
                    Modality::Window};
        }
    };

    struct Input {
        QString title;
        QString prompt;
        QString preset;
    };

    struct SaveOptions {
        QString title;
        QString filter; // "Description|*.pattern"
    };

    using Answered = std::function<void(Answer)>;
    // The text given with OK, or nothing for Cancel.
    using TextAnswered = std::function<void(std::optional<QString>)>;
    // The chosen path, or nothing when the user cancelled.
    using PathAnswered = std::function<void(std::optional<QString>)>;
    // Closes a box that is still open as if the user had cancelled it; harmless once it is
    // answered.
    using Cancel = std::function<void()>;

    virtual ~Dialogs() = default;

    // The box closes with Enter on its default button (Yes for a question); its close box
    // answers No or OK.
    virtual void messageBox(QWidget* parent, const Message& message, Answered answered = {}) = 0;

    virtual Cancel inputBox(QWidget* parent, const Input& input, TextAnswered answered) = 0;

    virtual void saveFileName(QWidget* parent, const SaveOptions& options,
                              PathAnswered answered) = 0;
};

// The application title that a message box without a title of its own shows.
inline constexpr QStringView ApplicationTitle = u"Tallyhawk";
