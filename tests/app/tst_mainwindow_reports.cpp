#include "tests/support/apprig.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

namespace {

void clickOn(const AppRig& rig, const QString& link) {
    QTest::mouseClick(rig.find(link), Qt::LeftButton);
}

// The log as the Reports window's pane shows it.
QString logText(const QWidget* reports) {
    return reports->findChild<QPlainTextEdit*>(u"Text1"_qs)->toPlainText();
}

} // namespace

class TestMainWindowReports : public QObject {
    Q_OBJECT
private slots:
    // A link shows its window, and brings it back as a normal window when it was minimised.
    void linksBringBackAMinimisedWindow_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened");
        QTest::newRow("Reports") << u"LblReports"_qs << u"FrmLog"_qs;
        QTest::newRow("Settings") << u"LblSettings"_qs << u"FrmSettings"_qs;
        QTest::newRow("About") << u"LblAbout"_qs << u"FrmAbout"_qs;
    }
    void linksBringBackAMinimisedWindow() {
        QFETCH(QString, link);
        QFETCH(QString, opened);
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        QTest::mouseClick(rig.find(link), Qt::LeftButton);
        QPointer<QWidget> shown = rig.find(opened);
        QVERIFY(shown && shown->isVisible());
        shown->showMinimized();
        QVERIFY(shown->isMinimized());
        QTest::mouseClick(rig.find(link), Qt::LeftButton);
        QCOMPARE(rig.find(opened), shown.data());
        QVERIFY(shown->isVisible());
        QVERIFY(!shown->isMinimized());
    }

    void everyControlHasItsDesignName() {
        AppRig rig;
        MainWindow& window = rig.load();
        QCOMPARE(window.objectName(), u"Form1"_qs);
        for (const char* name :
             {"CmdStartStop", "CboProject", "CmdNotes",     "CmdAdd",       "CmdRemove",
              "ChkAskMe",     "TxtAsk",     "UpDown",       "LblStartTime", "LblStopTime",
              "LblTotalTime", "LblReports", "LblSettings",  "LblAbout",     "ImgTop",
              "ImgBottom",    "Label3",     "Timer1",       "MnuFile",      "MnuElapsed",
              "MnuExit",      "MnuOpen",    "MnuStartStop", "MnuNotes",     "MnuOk"}) {
            QVERIFY2(window.findChild<QObject*>(QLatin1StringView(name)), name);
        }
        rig.typeProject(u"Alpha"_qs);
        rig.click(u"CmdStartStop"_qs);
        rig.click(u"CmdNotes"_qs);
        auto* notes = rig.find(u"FrmNotes"_qs);
        QVERIFY(notes);
        QVERIFY(notes->findChild<QPlainTextEdit*>(u"Text1"_qs));
        QVERIFY(notes->findChild<QPushButton*>(u"CmdOk"_qs));
    }

    // The window follows the log: a session logged while it is open shows at once, in the
    // pane and in the tree, and the sessions the user opened stay open.
    void reportsWindowFollowsTheLog() {
        AppRig rig;
        rig.load();
        rig.typeProject(u"Alpha"_qs);
        rig.click(u"CmdStartStop"_qs);
        rig.runSeconds(2);
        rig.click(u"CmdStartStop"_qs);

        clickOn(rig, u"LblReports"_qs);
        QPointer<QWidget> reports = rig.find(u"FrmLog"_qs);
        QVERIFY(reports && reports->isVisible());
        auto* tree = reports->findChild<QTreeView*>(u"TV1"_qs);
        const QModelIndex first = tree->model()->index(0, 0, tree->model()->index(0, 0));
        tree->expand(first);
        auto* pane = reports->findChild<QPlainTextEdit*>(u"Text1"_qs);
        pane->appendPlainText(u"typed by hand"_qs);

        rig.typeProject(u"Beta"_qs);
        rig.click(u"CmdStartStop"_qs);
        rig.click(u"CmdStartStop"_qs);
        QCOMPARE(rig.find(u"FrmLog"_qs), reports.data());
        QVERIFY(logText(reports).contains(u"typed by hand"_qs));
        QVERIFY(logText(reports).contains(u"[Stopped] Beta"_qs));
        const QModelIndex root = tree->model()->index(0, 0);
        QCOMPARE(tree->model()->rowCount(root), 2);
        QVERIFY(tree->isExpanded(tree->model()->index(0, 0, root)));
        QVERIFY(!tree->isExpanded(tree->model()->index(1, 0, root)));
    }
};

QTEST_MAIN(TestMainWindowReports)
#include "tst_mainwindow_reports.moc"
