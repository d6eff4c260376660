#include "storage/inifile.h"
#include "tests/support/apprig.h"
#include "ui/updown.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList entries(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

// The main window shown and active, so that clicks move the focus as they do for the user.
QComboBox* showForTyping(AppRig& rig) {
    rig.window->show();
    QApplication::setActiveWindow(rig.window.get());
    if (!QTest::qWaitForWindowActive(rig.window.get()))
        qWarning("The main window did not become active");
    return rig.find<QComboBox>(u"CboProject"_qs);
}

// Clicks into the project box's text and types there, as the user does.
void typeByKeys(QComboBox* box, const QString& text) {
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    box->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void clickOn(AppRig& rig, const QString& name) {
    QTest::mouseClick(rig.find(name), Qt::LeftButton);
}

} // namespace

class TestMainWindowProjects : public QObject {
    Q_OBJECT
private slots:
    void loadsEveryLineSortedIgnoringCase() {
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "beta\r\n\r\nAlpha\r\nalpha\r\nAlpha\r\nCharlie");
        rig.load();
        QCOMPARE(entries(rig.find<QComboBox>(u"CboProject"_qs)),
                 (QStringList{QString(), u"Alpha"_qs, u"alpha"_qs, u"Alpha"_qs, u"beta"_qs,
                              u"Charlie"_qs}));
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->currentText(), QString());
    }

    void addAppendsOnlyNewNamesAndKeepsTheText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("added");
        QTest::newRow("listed") << u"Alpha"_qs << false;
        QTest::newRow("other case") << u"alpha"_qs << true;
        QTest::newRow("leading space") << u" Alpha"_qs << true;
        QTest::newRow("spaces only") << u"  "_qs << true;
    }
    void addAppendsOnlyNewNamesAndKeepsTheText() {
        QFETCH(QString, name);
        QFETCH(bool, added);
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "Alpha\r\n");
        rig.load();
        rig.typeProject(name);
        rig.click(u"CmdAdd"_qs);
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->count(), added ? 2 : 1);
        QCOMPARE(rig.file(u"Projects.txt"_qs),
                 added ? "Alpha\r\n" + name.toLatin1() + "\r\n" : QByteArray("Alpha\r\n"));
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->currentText(), name);
        QVERIFY(rig.dialogs.messages.isEmpty());
    }

    // Nothing completes, corrects or replaces what was typed: not the typing, not Enter, not
    // the focus leaving the box for the "+" button.
    void typedNameIsUsedExactlyAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::newRow("other case") << u"alpha"_qs << false;
        QTest::newRow("other case, Enter") << u"alpha"_qs << true;
        QTest::newRow("start of a listed name") << u"Al"_qs << false;
        QTest::newRow("start of a listed name, Enter") << u"Al"_qs << true;
        QTest::newRow("start in other case") << u"alph"_qs << false;
    }
    void typedNameIsUsedExactlyAsTyped() {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "Alpha\r\nBeta\r\n");
        rig.load();
        QComboBox* box = showForTyping(rig);
        typeByKeys(box, typed);
        QCOMPARE(box->currentText(), typed);
        if (enter) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(box->currentText(), typed);
        }
        clickOn(rig, u"CmdAdd"_qs);
        QCOMPARE(box->currentText(), typed);
        QCOMPARE(entries(box).count(typed), 1);
        QCOMPARE(rig.file(u"Projects.txt"_qs), "Alpha\r\nBeta\r\n" + typed.toLatin1() + "\r\n");

        rig.dialogs.answerInput(std::nullopt);
        clickOn(rig, u"CmdStartStop"_qs);
        QVERIFY(rig.log().endsWith("[Started] " + typed.toLatin1() + "\r\n"));
    }

    // An entry chosen from the list and then typed over is no longer chosen.
    void removeLeavesAnEntryWhoseTextWasTypedOver() {
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "Alpha\r\nBeta\r\n");
        rig.load();
        QComboBox* box = showForTyping(rig);
        box->setCurrentIndex(0);
        typeByKeys(box, u"Other"_qs);
        clickOn(rig, u"CmdRemove"_qs);
        QCOMPARE(entries(box), (QStringList{u"Alpha"_qs, u"Beta"_qs}));
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("Alpha\r\nBeta\r\n"));
        QCOMPARE(box->currentText(), u"Other"_qs);

        // Chosen and left as it is, it goes; the text stays for the user to see.
        box->setCurrentIndex(1);
        clickOn(rig, u"CmdRemove"_qs);
        QCOMPARE(entries(box), QStringList{u"Alpha"_qs});
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), u"Beta"_qs);
    }

    void addWithAnEmptyNameAsksForOne() {
        AppRig rig;
        rig.load();
        rig.click(u"CmdAdd"_qs);
        QCOMPARE(rig.dialogs.messageTexts(), QStringList{u"Please enter a project name"_qs});
        QVERIFY(!QFile::exists(rig.path(u"Projects.txt"_qs)));
    }

    void fileKeepsArrivalOrderUntilARemovalRewritesItSorted() {
        AppRig rig;
        rig.load();
        for (const QString& name : {u"Charlie"_qs, u"Alpha"_qs, u"Bravo"_qs}) {
            rig.typeProject(name);
            rig.click(u"CmdAdd"_qs);
        }
        QCOMPARE(entries(rig.find<QComboBox>(u"CboProject"_qs)),
                 (QStringList{u"Alpha"_qs, u"Bravo"_qs, u"Charlie"_qs}));
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("Charlie\r\nAlpha\r\nBravo\r\n"));

        rig.find<QComboBox>(u"CboProject"_qs)->setCurrentIndex(1);
        rig.click(u"CmdRemove"_qs);
        QCOMPARE(entries(rig.find<QComboBox>(u"CboProject"_qs)),
                 (QStringList{u"Alpha"_qs, u"Charlie"_qs}));
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("Alpha\r\nCharlie\r\n"));
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->currentIndex(), -1);
    }

    void removeWithoutASelectionRewritesTheSameEntries() {
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "Beta\r\n\r\nAlpha\r\n");
        rig.load();
        rig.typeProject(u"Typed, not chosen"_qs);
        rig.click(u"CmdRemove"_qs);
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->count(), 3);
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("\r\nAlpha\r\nBeta\r\n"));
    }

    void removingTheOnlyEntryLeavesAnEmptyFile() {
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "Alpha\r\n");
        rig.load();
        rig.find<QComboBox>(u"CboProject"_qs)->setCurrentIndex(0);
        rig.click(u"CmdRemove"_qs);
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->count(), 0);
        QVERIFY(QFile::exists(rig.path(u"Projects.txt"_qs)));
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray());
    }

    void startingOnANewNameListsItBeforeTheStartLines() {
        AppRig rig;
        rig.load();
        rig.typeProject(u"Zulu"_qs);
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(entries(rig.find<QComboBox>(u"CboProject"_qs)), QStringList{u"Zulu"_qs});
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("Zulu\r\n"));
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->currentText(), u"Zulu"_qs);
    }

    void anUnreadableListAtStartUpIsReportedAndStartUpGoesOn() {
        AppRig rig;
        QVERIFY(QDir(rig.dir.path()).mkdir(u"Projects.txt"_qs));
        rig.writeFile(u"Settings.ini"_qs, "[Textboxes]\r\nTxtAsk=15\r\n");
        rig.load();
        // A folder in the file's place is no file: the list starts empty, silently.
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->count(), 0);
        QCOMPARE(rig.find<QLineEdit>(u"TxtAsk"_qs)->text(), u"15"_qs);
        // Adding then cannot be saved: the entry stays for this run and the user is told.
        rig.typeProject(u"Alpha"_qs);
        rig.click(u"CmdAdd"_qs);
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->count(), 1);
        QCOMPARE(rig.dialogs.messages.size(), 1);
        QCOMPARE(rig.dialogs.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(rig.dialogs.messages[0].text.contains(rig.path(u"Projects.txt"_qs)));
    }

    void firstRunClosedAtOnceWritesExactlyThreeKeys() {
        AppRig rig;
        MainWindow& window = rig.load();
        window.close();
        QCOMPARE(rig.file(u"Settings.ini"_qs),
                 QByteArray("[Checkboxes]\r\nChkAskMe=1\r\n[Textboxes]\r\nTxtAsk=30\r\n"
                            "[ComboBox]\r\nCboProject=\r\n"));
    }

    void settingsSurviveARestart() {
        AppRig rig;
        {
            MainWindow& window = rig.load();
            rig.find<QCheckBox>(u"ChkAskMe"_qs)->setChecked(false);
            rig.find<UpDownControl>(u"UpDown"_qs)->setValue(45);
            rig.typeProject(u" Alpha \"quoted\" "_qs);
            window.close();
        }
        rig.load();
        QVERIFY(!rig.find<QCheckBox>(u"ChkAskMe"_qs)->isChecked());
        QCOMPARE(rig.find<QLineEdit>(u"TxtAsk"_qs)->text(), u"45"_qs);
        QCOMPARE(rig.find<UpDownControl>(u"UpDown"_qs)->value(), 45);
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->currentText(), u" Alpha \"quoted\" "_qs);
    }

    void eachSavedValueIsAppliedOnItsOwn_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("askMe");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<int>("spin");
        QTest::addColumn<QString>("project");
        QTest::newRow("empty file empties the texts")
            << QByteArray() << true << QString() << 30 << QString();
        QTest::newRow("not a number keeps the box")
            << QByteArray("[checkboxes]\nchkaskme=yes\n[Textboxes]\nTxtAsk=12\n") << true
            << u"12"_qs << 12 << QString();
        QTest::newRow("unchecked")
            << QByteArray("[Checkboxes]\r\nChkAskMe=0\r\n[ComboBox]\r\nCboProject=Not listed\r\n")
            << false << QString() << 30 << u"Not listed"_qs;
        QTest::newRow("interval past the spin range")
            << QByteArray("[Textboxes]\r\nTxtAsk=99999\r\n") << true << u"99999"_qs << 30
            << QString();
        QTest::newRow("a name longer than a read takes")
            << QByteArray("[ComboBox]\r\nCboProject=" + QByteArray(300, 'x') + "\r\n") << true
            << QString() << 30 << QString(254, u'x');
        QTest::newRow("interval with a leading zero")
            << QByteArray("[Textboxes]\r\nTxtAsk=030\r\n") << true << u"030"_qs << 30 << QString();
    }
    // A check box also holds 2, grayed: it is not checked, so the prompt stays off, and the
    // value is kept until the user clicks the box.
    void savedAskMeOfTwoIsGrayedAndAsksNothing() {
        AppRig rig;
        rig.writeFile(u"Settings.ini"_qs, "[Checkboxes]\r\nChkAskMe=2\r\n");
        MainWindow& window = rig.load();
        auto* askMe = rig.find<QCheckBox>(u"ChkAskMe"_qs);
        QCOMPARE(askMe->checkState(), Qt::PartiallyChecked);
        rig.typeProject(u"Alpha"_qs);
        rig.dialogs.answerInput(std::nullopt);
        rig.click(u"CmdStartStop"_qs);
        rig.runMinutes(31);
        QCOMPARE(rig.desktop.beeps, 0);
        window.close();
        QVERIFY(rig.file(u"Settings.ini"_qs).contains("ChkAskMe=2\r\n"));

        MainWindow& next = rig.load();
        askMe = rig.find<QCheckBox>(u"ChkAskMe"_qs);
        next.show();
        QTest::mouseClick(askMe, Qt::LeftButton);
        QCOMPARE(askMe->checkState(), Qt::Checked);
        QTest::mouseClick(askMe, Qt::LeftButton);
        QCOMPARE(askMe->checkState(), Qt::Unchecked);
        next.close();
        QVERIFY(rig.file(u"Settings.ini"_qs).contains("ChkAskMe=0\r\n"));
    }

    void eachSavedValueIsAppliedOnItsOwn() {
        QFETCH(QByteArray, ini);
        QFETCH(bool, askMe);
        QFETCH(QString, interval);
        QFETCH(int, spin);
        QFETCH(QString, project);
        AppRig rig;
        rig.writeFile(u"Settings.ini"_qs, ini);
        rig.load();
        QCOMPARE(rig.find<QCheckBox>(u"ChkAskMe"_qs)->isChecked(), askMe);
        QCOMPARE(rig.find<QLineEdit>(u"TxtAsk"_qs)->text(), interval);
        QCOMPARE(rig.find<UpDownControl>(u"UpDown"_qs)->value(), spin);
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->currentText(), project);
    }

    void startMinimisesOnlyForChkMinOfExactlyOne_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("minimised");
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("01") << QByteArray("01") << false;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("missing") << QByteArray() << false;
    }
    void startMinimisesOnlyForChkMinOfExactlyOne() {
        QFETCH(QByteArray, value);
        QFETCH(bool, minimised);
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        if (!value.isEmpty())
            rig.writeFile(u"Settings.ini"_qs, "[Checkboxes]\r\nChkMin=" + value + "\r\n");
        rig.typeProject(u"Alpha"_qs);
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(rig.tray.shown, minimised);
        QCOMPARE(window.isHidden(), minimised);
        QVERIFY(rig.session().isRunning());
        QVERIFY(rig.log().contains("[Started] Alpha"));
    }
};

QTEST_MAIN(TestMainWindowProjects)
#include "tst_mainwindow_projects.moc"
