// The dialogs a person sees, opened for real and answered from a timer while they wait.
#include "ui/systemdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

template <typename Box> Box* openBox() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<Box*>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Runs `act` on the visible box of the given kind once it is open, trying for a second, and
// never after `scope` is gone.
template <typename Box>
void whileOpen(QObject* scope, std::function<void(Box*)> act, int triesLeft = 100) {
    QTimer::singleShot(triesLeft == 100 ? 0 : 10, scope, [scope, act = std::move(act), triesLeft] {
        if (Box* box = openBox<Box>())
            act(box);
        else if (triesLeft > 0)
            whileOpen<Box>(scope, act, triesLeft - 1);
    });
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
    void messageBoxShowsItsTextsButtonsAndIcon() {
        QObject scope;
        QFETCH(Dialogs::Message, message);
        QFETCH(QString, title);
        QFETCH(QMessageBox::StandardButtons, buttons);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QMessageBox::StandardButton, pressed);
        QFETCH(Dialogs::Answer, answer);
        QString shownTitle, shownText;
        QMessageBox::StandardButtons shownButtons;
        QMessageBox::Icon shownIcon = QMessageBox::Question;
        whileOpen<QMessageBox>(&scope, [&](QMessageBox* box) {
            shownTitle = box->windowTitle();
            shownText = box->text();
            shownButtons = box->standardButtons();
            shownIcon = box->icon();
            if (pressed == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(pressed)->click();
        });
        SystemDialogs dialogs;
        QCOMPARE(dialogs.messageBox(nullptr, message), answer);
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownText, message.text);
        QCOMPARE(shownButtons, buttons);
        QCOMPARE(shownIcon, icon);
    }

    void systemModalBoxStaysOnTop() {
        QObject scope;
        bool onTop = false;
        Qt::WindowModality modality = Qt::NonModal;
        whileOpen<QMessageBox>(&scope, [&](QMessageBox* box) {
            onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            modality = box->windowModality();
            box->button(QMessageBox::Ok)->click();
        });
        SystemDialogs dialogs;
        QCOMPARE(dialogs.messageBox(nullptr, {u"Sucessfully Created...!"_qs, u"Sucess"_qs,
                                              Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                              Dialogs::Modality::System}),
                 Dialogs::Answer::Ok);
        QVERIFY(onTop);
        QCOMPARE(modality, Qt::ApplicationModal);
    }

    void inputBoxGivesTheAnswerOrEmptyTextOnCancel_data() {
        QTest::addColumn<std::optional<QString>>("typed"); // nullopt: Cancel
        QTest::addColumn<QString>("answer");
        QTest::newRow("preset kept") << std::optional<QString>(u"Project X"_qs) << u"Project X"_qs;
        QTest::newRow("typed over")
            << std::optional<QString>(u"Fixing the build"_qs) << u"Fixing the build"_qs;
        QTest::newRow("cancelled") << std::optional<QString>() << QString();
    }
    void inputBoxGivesTheAnswerOrEmptyTextOnCancel() {
        QObject scope;
        QFETCH(std::optional<QString>, typed);
        QFETCH(QString, answer);
        QString title, prompt, preset;
        whileOpen<QInputDialog>(&scope, [&](QInputDialog* box) {
            title = box->windowTitle();
            prompt = box->labelText();
            preset = box->textValue();
            if (!typed) {
                box->reject();
                return;
            }
            box->setTextValue(*typed);
            box->accept();
        });
        SystemDialogs dialogs;
        const QString got =
            dialogs.inputBox(nullptr, u"Project X"_qs, u"Starting comments:"_qs, u"Project X"_qs);
        QCOMPARE(got, answer);
        QCOMPARE(title, u"Project X"_qs);
        QCOMPARE(prompt, u"Starting comments:"_qs);
        QCOMPARE(preset, u"Project X"_qs);
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
        QObject scope;
        QFETCH(QString, filter);
        QFETCH(QStringList, types);
        QString title;
        QStringList nameFilters, shownTypes;
        bool savesWithoutQuestionOrExtension = false;
        whileOpen<QFileDialog>(&scope, [&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            nameFilters = dialog->nameFilters();
            shownTypes = itemsOf(dialog->findChild<QComboBox*>(u"fileTypeCombo"_qs));
            savesWithoutQuestionOrExtension =
                dialog->acceptMode() == QFileDialog::AcceptSave &&
                dialog->testOption(QFileDialog::DontConfirmOverwrite) &&
                dialog->defaultSuffix().isEmpty();
            dialog->reject();
        });
        SystemDialogs dialogs;
        QCOMPARE(dialogs.saveFileName(nullptr, {u"Save As"_qs, filter}), std::nullopt);
        QCOMPARE(title, u"Save As"_qs);
        QCOMPARE(nameFilters, types);
        QCOMPARE(shownTypes, types);
        QVERIFY(savesWithoutQuestionOrExtension);
    }

    void saveDialogTakesANameAsTypedAndReplacesWithoutAsking_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("new file") << false;
        QTest::newRow("existing file") << true;
    }
    void saveDialogTakesANameAsTypedAndReplacesWithoutAsking() {
        QObject scope;
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString target = dir.filePath(u"backup"_qs);
        if (exists) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList questions;
        whileOpen<QFileDialog>(&scope, [&](QFileDialog* dialog) {
            // A question about replacing the file would open inside accept(); this answers it.
            QTimer::singleShot(0, &scope, [&] {
                if (QMessageBox* box = openBox<QMessageBox>()) {
                    questions.append(box->text());
                    box->reject();
                }
            });
            dialog->setDirectory(dir.path());
            auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_qs);
            if (name) {
                QTest::keyClicks(name, u"backup"_qs);
                QTest::keyClick(name, Qt::Key_Return);
            }
            if (dialog->isVisible())
                dialog->reject();
        });
        SystemDialogs dialogs;
        const std::optional<QString> chosen =
            dialogs.saveFileName(nullptr, {u"Save As"_qs, u"All Files (*.txt)|*.txt"_qs});
        QCOMPARE(questions, QStringList());
        QCOMPARE(chosen, std::optional<QString>(target));
    }
};

QTEST_MAIN(TestSystemDialogs)
#include "tst_systemdialogs.moc"
