#include "ui/systemdialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

} // namespace

Dialogs::Answer SystemDialogs::messageBox(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setWindowTitle(message.title.isEmpty() ? ApplicationTitle.toString() : message.title);
    box.setText(message.text);
    box.setIcon(message.icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (message.modality == Modality::System) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

QString SystemDialogs::inputBox(QWidget* parent, const QString& title, const QString& prompt,
                                const QString& preset) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? answer : QString();
}

std::optional<QString> SystemDialogs::saveFileName(QWidget* parent, const SaveOptions& options) {
    // Qt's own dialog rather than the desktop's: the desktops' own dialogs differ in how they
    // show the file types, and some add an extension to a typed name or ask before replacing
    // a file whatever the program says. This one behaves the same on every desktop: the type
    // shown as given, a name used as typed, an existing file replaced without a question.
    const QString path = QFileDialog::getSaveFileName(
        parent, options.title, QString(), qtNameFilters(options.filter), nullptr,
        QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
