#include "reports/frmlog.h"
#include "reports/logpane.h"
#include "tests/support/apprig.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

class TestForm1Reports : public QObject {
    Q_OBJECT
private slots:
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
