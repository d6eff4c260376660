#include "reports/frmlog.h"
#include "reports/logpane.h"
#include "tests/support/apprig.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TestForm1Reports : public QObject {
    Q_OBJECT
private slots:
    // A link shows its window, and brings it back as a normal window when it was minimised.
    void linksBringBackAMinimisedWindow_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("window");
        QTest::newRow("Reports") << u"LblReports"_qs << u"FrmLog"_qs;
        QTest::newRow("Settings") << u"LblSettings"_qs << u"FrmSettings"_qs;
        QTest::newRow("About") << u"LblAbout"_qs << u"FrmAbout"_qs;
    }
    void linksBringBackAMinimisedWindow() {
        QFETCH(QString, link);
        QFETCH(QString, window);
        AppRig rig;
        Form1& form = rig.load();
        form.show();
        QTest::mouseClick(rig.find(link), Qt::LeftButton);
        QPointer<QWidget> shown = rig.find(window);
        QVERIFY(shown && shown->isVisible());
        shown->showMinimized();
        QVERIFY(shown->isMinimized());
        QTest::mouseClick(rig.find(link), Qt::LeftButton);
        QCOMPARE(rig.find(window), shown.data());
        QVERIFY(shown->isVisible());
        QVERIFY(!shown->isMinimized());
    }

    void everyControlHasItsDesignName() {
        AppRig rig;
        Form1& form = rig.load();
        QCOMPARE(form.objectName(), u"Form1"_qs);
        for (const char* name :
             {"CmdStartStop", "CboProject", "CmdNotes",    "CmdAdd",       "CmdRemove",
              "ChkAskMe",     "TxtAsk",     "UpDown",      "LblStartTime", "LblStopTime",
              "LblTotalTime", "LblReports", "LblSettings", "LblAbout",     "ImgTop",
              "ImgBottom",    "Label3",     "Text1",       "TxtMin",       "Timer1",
              "MnuFile",      "MnuElapsed", "MnuExit",     "MnuOpen",      "MnuStartStop",
              "MnuNotes",     "MnuOk"}) {
            QVERIFY2(form.findChild<QObject*>(QLatin1StringView(name)), name);
        }
        form.CboProject->setEditText(u"Alpha"_qs);
        form.CmdStartStop->click();
        form.CmdNotes->click();
        auto* notes = rig.find(u"FrmNotes"_qs);
        QVERIFY(notes);
        QVERIFY(notes->findChild<QPlainTextEdit*>(u"Text1"_qs));
        QVERIFY(notes->findChild<QPushButton*>(u"CmdOk"_qs));
    }

    void reportsLinkReadsTheLogOncePerOpening() {
        AppRig rig;
        Form1& form = rig.load();
        form.CboProject->setEditText(u"Alpha"_qs);
        form.CmdStartStop->click();
        rig.runSeconds(2);
        form.CmdStartStop->click();

        form.LblReports_Click();
        QPointer<FrmLog> reports = form.reportsWindow();
        QVERIFY(reports && reports->isVisible());
        const QString firstText = reports->Text1->toPlainText();
        QVERIFY(firstText.contains(u"[Stopped] Alpha"_qs));

        // A session logged meanwhile shows only after the window is closed and opened again.
        form.CmdStartStop->click();
        form.CmdStartStop->click();
        form.LblReports_Click();
        QCOMPARE(form.reportsWindow(), reports.data());
        QCOMPARE(reports->Text1->toPlainText(), firstText);

        reports->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!reports);
        form.LblReports_Click();
        QVERIFY(form.reportsWindow()->Text1->toPlainText().size() > firstText.size());
    }
};

QTEST_MAIN(TestForm1Reports)
#include "tst_form1_reports.moc"
