#pragma once

#include <QString>

#include <optional>

class QWidget;

// Every modal question the program asks goes through here, so that tests can answer them.
class Dialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Warning };
    enum class Modality { Application, System };
    enum class Answer { Ok, Yes, No };

    struct Message {
        QString text;
        QString title; // empty: the application title
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        Modality modality = Modality::Application;

        // An OK box without an icon.
        static Message plain(QString text, QString title = {}) {
            return {std::move(text), std::move(title), Buttons::Ok, Icon::None,
                    Modality::Application};
        }
        // A Yes/No question without an icon.
        static Message question(QString text, QString title = {}) {
            return {std::move(text), std::move(title), Buttons::YesNo, Icon::None,
                    Modality::Application};
        }
        // An OK box with the warning icon.
        static Message warning(QString text, QString title = {}) {
            return {std::move(text), std::move(title), Buttons::Ok, Icon::Warning,
                    Modality::Application};
        }
    };

    struct SaveOptions {
        QString title;
        QString filter; // "Description|*.pattern"
    };

    virtual ~Dialogs() = default;

    virtual Answer messageBox(QWidget* parent, const Message& message) = 0;

    // OK gives the answer field's text, Cancel gives empty text.
    virtual QString inputBox(QWidget* parent, const QString& title, const QString& prompt,
                             const QString& preset) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> saveFileName(QWidget* parent, const SaveOptions& options) = 0;
};

// The application title that a message box without a title of its own shows.
inline constexpr QStringView ApplicationTitle = u"Tallyhawk";
