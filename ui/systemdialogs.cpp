#include "ui/systemdialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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
    // "Description|*.pattern" becomes Qt's "Description (*.pattern)".
    const QStringList parts = options.filter.split(u'|');
    const QString filter =
        parts.size() == 2 ? QStringLiteral("%1 (%2)").arg(parts[0], parts[1]) : options.filter;
    const QString path = QFileDialog::getSaveFileName(parent, options.title, QString(), filter,
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
