// The dialogs a person sees, opened for real and answered as a user would.
#include "ui/systemdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

template <typename Box> Box* openBox() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<Box*>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; combo && i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace

class TestSystemDialogs : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        // Every box a test opened has closed, and deletes itself.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void messageBoxShowsItsTextsButtonsAndIcon_data() {
        QTest::addColumn<Dialogs::Message>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QMessageBox::StandardButton>("pressed"); // NoButton: closed by Escape
        QTest::addColumn<Dialogs::Answer>("answer");
        const auto question = Dialogs::Message::question(u"Are you sure?"_qs, u"confirm"_qs);
        const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("plain box titled with the program")
            << Dialogs::Message::plain(u"Please enter a project name"_qs) << u"Tallyhawk"_qs
            << QMessageBox::StandardButtons(QMessageBox::Ok) << QMessageBox::NoIcon
            << QMessageBox::Ok << Dialogs::Answer::Ok;
        QTest::newRow("question answered Yes")
            << question << u"confirm"_qs << yesNo << QMessageBox::NoIcon << QMessageBox::Yes
            << Dialogs::Answer::Yes;
        QTest::newRow("question answered No")
            << question << u"confirm"_qs << yesNo << QMessageBox::NoIcon << QMessageBox::No
            << Dialogs::Answer::No;
        QTest::newRow("question escaped")
            << question << u"confirm"_qs << yesNo << QMessageBox::NoIcon << QMessageBox::NoButton
            << Dialogs::Answer::No;
        QTest::newRow("warning") << Dialogs::Message::warning(u"Disk full"_qs, u"5 - Tallyhawk"_qs)
                                 << u"5 - Tallyhawk"_qs
                                 << QMessageBox::StandardButtons(QMessageBox::Ok)
                                 << QMessageBox::Warning << QMessageBox::Ok << Dialogs::Answer::Ok;
    }
    // The box is open when the call returns; the answer comes when it is answered.
    void messageBoxShowsItsTextsButtonsAndIcon() {
        QFETCH(Dialogs::Message, message);
        QFETCH(QString, title);
        QFETCH(QMessageBox::StandardButtons, buttons);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QMessageBox::StandardButton, pressed);
        QFETCH(Dialogs::Answer, answer);
        SystemDialogs dialogs;
        QList<Dialogs::Answer> answers;
        dialogs.messageBox(nullptr, message, [&](Dialogs::Answer a) { answers.append(a); });
        QMessageBox* box = openBox<QMessageBox>();
        QVERIFY(box);
        QVERIFY(answers.isEmpty());
        QCOMPARE(box->windowTitle(), title);
        QCOMPARE(box->text(), message.text);
        QCOMPARE(box->standardButtons(), buttons);
        QCOMPARE(box->icon(), icon);
        if (pressed == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(pressed)->click();
        QCOMPARE(answers, QList<Dialogs::Answer>{answer});
    }

    void systemModalBoxStaysOnTop() {
        SystemDialogs dialogs;
        dialogs.messageBox(nullptr,
                           {u"Sucessfully Created...!"_qs, u"Sucess"_qs, Dialogs::Buttons::Ok,
                            Dialogs::Icon::None, Dialogs::Modality::System});
        QMessageBox* box = openBox<QMessageBox>();
        QVERIFY(box);
        QVERIFY(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        box->button(QMessageBox::Ok)->click();
    }

    void inputBoxGivesTheAnswerOrNothingOnCancel_data() {
        QTest::addColumn<std::optional<QString>>("typed"); // nullopt: Cancel
        QTest::newRow("preset kept") << std::optional<QString>(u"Project X"_qs);
        QTest::newRow("typed over") << std::optional<QString>(u"Fixing the build"_qs);
        QTest::newRow("emptied") << std::optional<QString>(QString());
        QTest::newRow("cancelled") << std::optional<QString>();
    }
    void inputBoxGivesTheAnswerOrNothingOnCancel() {
        QFETCH(std::optional<QString>, typed);
        SystemDialogs dialogs;
        QList<std::optional<QString>> answers;
        dialogs.inputBox(nullptr, {u"Project X"_qs, u"Starting comments:"_qs, u"Project X"_qs},
                         [&](const std::optional<QString>& a) { answers.append(a); });
        QInputDialog* box = openBox<QInputDialog>();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), u"Project X"_qs);
        QCOMPARE(box->labelText(), u"Starting comments:"_qs);
        QCOMPARE(box->textValue(), u"Project X"_qs);
        if (typed) {
            box->setTextValue(*typed);
            box->accept();
        } else {
            box->reject();
        }
        QCOMPARE(answers, QList<std::optional<QString>>{typed});
    }

    void inputBoxClosedByTheProgramAnswersCancelOnce() {
        SystemDialogs dialogs;
        QList<std::optional<QString>> answers;
        const Dialogs::Cancel cancel =
            dialogs.inputBox(nullptr, {u"T"_qs, u"P"_qs, u"Default"_qs},
                             [&](const std::optional<QString>& a) { answers.append(a); });
        cancel();
        QVERIFY(!openBox<QInputDialog>());
        cancel();
        QCOMPARE(answers, QList<std::optional<QString>>{std::nullopt});
    }

    void saveDialogShowsEachFileTypeOnce_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("types");
        QTest::newRow("pattern in the description")
            << u"All Files (*.txt)|*.txt"_qs << QStringList{u"All Files (*.txt)"_qs};
        QTest::newRow("bare description") << u"Text|*.txt"_qs << QStringList{u"Text (*.txt)"_qs};
        QTest::newRow("two types") << u"Logs|*.log|All Files (*.*)|*.*"_qs
                                   << QStringList{u"Logs (*.log)"_qs, u"All Files (*.*)"_qs};
    }
    void saveDialogShowsEachFileTypeOnce() {
        QFETCH(QString, filter);
        QFETCH(QStringList, types);
        SystemDialogs dialogs;
        QList<std::optional<QString>> answers;
        dialogs.saveFileName(nullptr, {u"Save As"_qs, filter},
                             [&](const std::optional<QString>& a) { answers.append(a); });
        QFileDialog* dialog = openBox<QFileDialog>();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), u"Save As"_qs);
        QCOMPARE(dialog->nameFilters(), types);
        QCOMPARE(itemsOf(dialog->findChild<QComboBox*>(u"fileTypeCombo"_qs)), types);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog->defaultSuffix().isEmpty());
        dialog->reject();
        QCOMPARE(answers, QList<std::optional<QString>>{std::nullopt});
    }

    void saveDialogTakesANameAsTypedAndReplacesWithoutAsking_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("new file") << false;
        QTest::newRow("existing file") << true;
    }
    void saveDialogTakesANameAsTypedAndReplacesWithoutAsking() {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString target = dir.filePath(u"backup"_qs);
        if (exists) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        SystemDialogs dialogs;
        QList<std::optional<QString>> answers;
        dialogs.saveFileName(nullptr, {u"Save As"_qs, u"All Files (*.txt)|*.txt"_qs},
                             [&](const std::optional<QString>& a) { answers.append(a); });
        QFileDialog* dialog = openBox<QFileDialog>();
        QVERIFY(dialog);
        dialog->setDirectory(dir.path());
        auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_qs);
        QVERIFY(name);
        QTest::keyClicks(name, u"backup"_qs);
        QTest::keyClick(name, Qt::Key_Return);
        // A question about replacing the file would be open now.
        QVERIFY(!openBox<QMessageBox>());
        QCOMPARE(answers, QList<std::optional<QString>>{target});
    }
};

QTEST_MAIN(TestSystemDialogs)
#include "tst_systemdialogs.moc"
