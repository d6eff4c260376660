// The About window's links and how the main window opens it.
#include "tests/support/apprig.h"
#include "ui/frmabout.h"
#include "ui/linklabel.h"

#include <QLabel>
#include <QtTest>

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    void linksOpenVendorPages_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QUrl>("url");
        const QUrl web(u"https://www.example.com/tallyhawk"_qs);
        QTest::newRow("logo") << u"Image1"_qs << web;
        QTest::newRow("web site") << u"Label2"_qs << web;
        QTest::newRow("e-mail") << u"Label3"_qs << QUrl(u"mailto:tallyhawk@example.com"_qs);
    }
    void linksOpenVendorPages() {
        QFETCH(QString, control);
        QFETCH(QUrl, url);
        AppRig rig;
        Form1& form = rig.load();
        QTest::mouseClick(form.LblAbout, Qt::LeftButton);
        FrmAbout* about = form.aboutWindow();
        QVERIFY(about && about->isVisible());
        const QHash<QString, QWidget*> links{{u"Image1"_qs, about->Image1},
                                             {u"Label2"_qs, about->Label2},
                                             {u"Label3"_qs, about->Label3}};
        QTest::mouseClick(links.value(control), Qt::LeftButton);
        QTest::mouseClick(links.value(control), Qt::LeftButton);
        QCOMPARE(rig.desktop.opened, (QList<QUrl>{url, url}));
        QVERIFY(rig.dialogs.messages.isEmpty());
        QVERIFY(about->isVisible());
    }

    void clicksElsewhereOpenNothing() {
        AppRig rig;
        Form1& form = rig.load();
        form.LblAbout_Click();
        FrmAbout* about = form.aboutWindow();
        for (QWidget* w :
             std::initializer_list<QWidget*>{about->Label1, about->Label4, about->Picture1})
            QTest::mouseClick(w, Qt::LeftButton);
        QVERIFY(rig.desktop.opened.isEmpty());
    }

    void failedOpenIsReportedWithTheAddress_data() {
        QTest::addColumn<bool>("mail");
        QTest::addColumn<QString>("named");
        QTest::newRow("web page") << false << u"https://www.example.com/tallyhawk"_qs;
        QTest::newRow("e-mail") << true << u"tallyhawk@example.com"_qs;
    }
    void failedOpenIsReportedWithTheAddress() {
        QFETCH(bool, mail);
        QFETCH(QString, named);
        AppRig rig;
        rig.desktop.openSucceeds = false;
        Form1& form = rig.load();
        form.LblAbout_Click();
        FrmAbout* about = form.aboutWindow();
        QTest::mouseClick(mail ? about->Label3 : about->Label2, Qt::LeftButton);
        QCOMPARE(rig.dialogs.messages.size(), 1);
        QCOMPARE(rig.dialogs.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(rig.dialogs.messages[0].text.contains(named));
    }

    void openAboutWindowIsOnlyBroughtForward() {
        AppRig rig;
        Form1& form = rig.load();
        form.LblAbout_Click();
        FrmAbout* first = form.aboutWindow();
        form.LblAbout_Click();
        QCOMPARE(form.aboutWindow(), first);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form.aboutWindow());
        form.LblAbout_Click();
        QVERIFY(form.aboutWindow());
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
