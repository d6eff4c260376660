#include "ui/systemdialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace {

// Qt's form of a filter, "Description (*.pattern)", from the program's "Description|*.pattern"
// pairs. A description that already ends with its pattern in brackets, as "All Files (*.txt)"
// does, is shown as it is rather than with the pattern twice.
QString qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() % 2 != 0)
        return filter;
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString bracketed = u'(' + parts[i + 1] + u')';
        entries.append(description.endsWith(bracketed) ? description
                                                       : description + u' ' + bracketed);
    }
    return entries.join(QStringLiteral(";;"));
}

// Shows the dialog without waiting for it; it deletes itself once it has closed.
void openDialog(QDialog* dialog, Dialogs::Modality modality = Dialogs::Modality::Window) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (modality == Dialogs::Modality::System) {
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint);
        dialog->show();
        return;
    }
    dialog->open();
}

} // namespace

void SystemDialogs::messageBox(QWidget* parent, const Message& message, Answered answered) {
    auto* box = new QMessageBox(parent);
    box->setWindowTitle(message.title.isEmpty() ? ApplicationTitle.toString() : message.title);
    box->setText(message.text);
    box->setIcon(message.icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const bool question = message.buttons == Buttons::YesNo;
    if (question) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    QObject::connect(box, &QMessageBox::finished, box, [box, question, answered](int) {
        if (!answered)
            return;
        const QAbstractButton* clicked = box->clickedButton();
        if (question)
            answered(clicked == box->button(QMessageBox::Yes) ? Answer::Yes : Answer::No);
        else
            answered(Answer::Ok);
    });
    openDialog(box, message.modality);
}

Dialogs::Cancel SystemDialogs::inputBox(QWidget* parent, const Input& input,
                                        TextAnswered answered) {
    auto* box = new QInputDialog(parent);
    box->setWindowTitle(input.title);
    box->setLabelText(input.prompt);
    box->setTextValue(input.preset);
    QObject::connect(box, &QInputDialog::finished, box, [box, answered](int result) {
        answered(result == QDialog::Accepted ? std::optional(box->textValue()) : std::nullopt);
    });
    openDialog(box);
    return [box = QPointer<QInputDialog>(box)] {
        if (box && box->isVisible())
            box->reject();
    };
}

void SystemDialogs::saveFileName(QWidget* parent, const SaveOptions& options,
                                 PathAnswered answered) {
    // Qt's own dialog rather than the desktop's: the desktops' own dialogs differ in how they
    // show the file types, and some add an extension to a typed name or ask before replacing
    // a file whatever the program says. This one behaves the same on every desktop: the type
    // shown as given, a name used as typed, an existing file replaced without a question.
    auto* dialog = new QFileDialog(parent, options.title, QString(), qtNameFilters(options.filter));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, answered](int result) {
        const QStringList chosen = dialog->selectedFiles();
        if (result != QDialog::Accepted || chosen.isEmpty() || chosen.front().isEmpty())
            answered(std::nullopt);
        else
            answered(chosen.front());
    });
    openDialog(dialog);
}
