#include "tests/support/apprig.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
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

    void reportsLinkReadsTheLogOncePerOpening() {
        AppRig rig;
        rig.load();
        rig.typeProject(u"Alpha"_qs);
        rig.click(u"CmdStartStop"_qs);
        rig.runSeconds(2);
        rig.click(u"CmdStartStop"_qs);

        clickOn(rig, u"LblReports"_qs);
        QPointer<QWidget> reports = rig.find(u"FrmLog"_qs);
        QVERIFY(reports && reports->isVisible());
        const QString firstText = logText(reports);
        QVERIFY(firstText.contains(u"[Stopped] Alpha"_qs));

        // A session logged meanwhile shows only after the window is closed and opened again.
        rig.click(u"CmdStartStop"_qs);
        rig.click(u"CmdStartStop"_qs);
        clickOn(rig, u"LblReports"_qs);
        QCOMPARE(rig.find(u"FrmLog"_qs), reports.data());
        QCOMPARE(logText(reports), firstText);

        reports->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!reports);
        clickOn(rig, u"LblReports"_qs);
        QVERIFY(logText(rig.find(u"FrmLog"_qs)).size() > firstText.size());
    }
};

QTEST_MAIN(TestMainWindowReports)
#include "tst_mainwindow_reports.moc"
