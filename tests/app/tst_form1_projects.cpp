#include "tests/support/apprig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/updown.h"

namespace {

QStringList entries(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list.append(box->itemText(i));
    return list;
}

void type(Form1& form, const QString& text) {
    form.CboProject->setEditText(text);
}

} // namespace

class TestForm1Projects : public QObject {
    Q_OBJECT
private slots:
    void loadsEveryLineSortedIgnoringCase() {
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "beta\r\n\r\nAlpha\r\nalpha\r\nAlpha\r\nCharlie");
        Form1& form = rig.load();
        QCOMPARE(entries(form.CboProject), (QStringList{QString(), u"Alpha"_qs, u"alpha"_qs,
                                                        u"Alpha"_qs, u"beta"_qs, u"Charlie"_qs}));
        QCOMPARE(form.CboProject->currentText(), QString());
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
        Form1& form = rig.load();
        type(form, name);
        form.CmdAdd->click();
        QCOMPARE(form.CboProject->count(), added ? 2 : 1);
        QCOMPARE(rig.file(u"Projects.txt"_qs),
                 added ? "Alpha\r\n" + name.toLatin1() + "\r\n" : QByteArray("Alpha\r\n"));
        QCOMPARE(form.CboProject->currentText(), name);
        QVERIFY(rig.dialogs.messages.isEmpty());
    }

    void addWithAnEmptyNameAsksForOne() {
        AppRig rig;
        Form1& form = rig.load();
        form.CmdAdd->click();
        QCOMPARE(rig.dialogs.messageTexts(), QStringList{u"Please enter a project name"_qs});
        QVERIFY(!QFile::exists(rig.path(u"Projects.txt"_qs)));
    }

    void fileKeepsArrivalOrderUntilARemovalRewritesItSorted() {
        AppRig rig;
        Form1& form = rig.load();
        for (const QString& name : {u"Charlie"_qs, u"Alpha"_qs, u"Bravo"_qs}) {
            type(form, name);
            form.CmdAdd->click();
        }
        QCOMPARE(entries(form.CboProject), (QStringList{u"Alpha"_qs, u"Bravo"_qs, u"Charlie"_qs}));
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("Charlie\r\nAlpha\r\nBravo\r\n"));

        form.CboProject->setCurrentIndex(1);
        form.CmdRemove->click();
        QCOMPARE(entries(form.CboProject), (QStringList{u"Alpha"_qs, u"Charlie"_qs}));
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("Alpha\r\nCharlie\r\n"));
        QCOMPARE(form.CboProject->currentIndex(), -1);
    }

    void removeWithoutASelectionRewritesTheSameEntries() {
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "Beta\r\n\r\nAlpha\r\n");
        Form1& form = rig.load();
        type(form, u"Typed, not chosen"_qs);
        form.CmdRemove->click();
        QCOMPARE(form.CboProject->count(), 3);
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("\r\nAlpha\r\nBeta\r\n"));
    }

    void removingTheOnlyEntryLeavesAnEmptyFile() {
        AppRig rig;
        rig.writeFile(u"Projects.txt"_qs, "Alpha\r\n");
        Form1& form = rig.load();
        form.CboProject->setCurrentIndex(0);
        form.CmdRemove->click();
        QCOMPARE(form.CboProject->count(), 0);
        QVERIFY(QFile::exists(rig.path(u"Projects.txt"_qs)));
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray());
    }

    void startingOnANewNameListsItBeforeTheStartLines() {
        AppRig rig;
        Form1& form = rig.load();
        type(form, u"Zulu"_qs);
        form.CmdStartStop->click();
        QCOMPARE(entries(form.CboProject), QStringList{u"Zulu"_qs});
        QCOMPARE(rig.file(u"Projects.txt"_qs), QByteArray("Zulu\r\n"));
        QCOMPARE(form.CboProject->currentText(), u"Zulu"_qs);
    }

    void anUnreadableListAtStartUpIsReportedAndStartUpGoesOn() {
        AppRig rig;
        QVERIFY(QDir(rig.dir.path()).mkdir(u"Projects.txt"_qs));
        rig.writeFile(u"Settings.ini"_qs, "[Textboxes]\r\nTxtAsk=15\r\n");
        Form1& form = rig.load();
        // A folder in the file's place is no file: the list starts empty, silently.
        QCOMPARE(form.CboProject->count(), 0);
        QCOMPARE(form.TxtAsk->text(), u"15"_qs);
        // Adding then cannot be saved: the entry stays for this run and the user is told.
        type(form, u"Alpha"_qs);
        form.CmdAdd->click();
        QCOMPARE(form.CboProject->count(), 1);
        QCOMPARE(rig.dialogs.messages.size(), 1);
        QCOMPARE(rig.dialogs.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(rig.dialogs.messages[0].text.contains(rig.path(u"Projects.txt"_qs)));
    }

    void firstRunClosedAtOnceWritesExactlyThreeKeys() {
        AppRig rig;
        Form1& form = rig.load();
        form.close();
        QCOMPARE(rig.file(u"Settings.ini"_qs),
                 QByteArray("[Checkboxes]\r\nChkAskMe=1\r\n[Textboxes]\r\nTxtAsk=30\r\n"
                            "[ComboBox]\r\nCboProject=\r\n"));
    }

    void settingsSurviveARestart() {
        AppRig rig;
        {
            Form1& form = rig.load();
            form.ChkAskMe->setChecked(false);
            form.UpDown->setValue(45);
            type(form, u" Alpha \"quoted\" "_qs);
            form.close();
        }
        Form1& form = rig.load();
        QVERIFY(!form.ChkAskMe->isChecked());
        QCOMPARE(form.TxtAsk->text(), u"45"_qs);
        QCOMPARE(form.UpDown->value(), 45);
        QCOMPARE(form.CboProject->currentText(), u" Alpha \"quoted\" "_qs);
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
        QTest::newRow("interval with a leading zero")
            << QByteArray("[Textboxes]\r\nTxtAsk=030\r\n") << true << u"030"_qs << 30 << QString();
    }
    void eachSavedValueIsAppliedOnItsOwn() {
        QFETCH(QByteArray, ini);
        QFETCH(bool, askMe);
        QFETCH(QString, interval);
        QFETCH(int, spin);
        QFETCH(QString, project);
        AppRig rig;
        rig.writeFile(u"Settings.ini"_qs, ini);
        Form1& form = rig.load();
        QCOMPARE(form.ChkAskMe->isChecked(), askMe);
        QCOMPARE(form.TxtAsk->text(), interval);
        QCOMPARE(form.UpDown->value(), spin);
        QCOMPARE(form.CboProject->currentText(), project);
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
        Form1& form = rig.load();
        form.show();
        if (!value.isEmpty())
            rig.writeFile(u"Settings.ini"_qs, "[Checkboxes]\r\nChkMin=" + value + "\r\n");
        type(form, u"Alpha"_qs);
        form.CmdStartStop->click();
        QCOMPARE(rig.tray.shown, minimised);
        QCOMPARE(form.isHidden(), minimised);
        QVERIFY(form.isRunning());
        QVERIFY(rig.log().contains("[Started] Alpha"));
    }
};

QTEST_MAIN(TestForm1Projects)
#include "tst_form1_projects.moc"
