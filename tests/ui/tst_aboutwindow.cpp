// The About window's links and how the main window opens it.
#include "tests/support/apprig.h"
#include "ui/aboutwindow.h"

#include <QLabel>
#include <QtTest>

namespace {

// Opens the About window as the user does, through the main window's "About" link.
QWidget* openAbout(const AppRig& rig) {
    QTest::mouseClick(rig.find(u"LblAbout"_qs), Qt::LeftButton);
    return rig.window->findChild<AboutWindow*>(u"FrmAbout"_qs);
}

} // namespace

class TestAboutWindow : public QObject {
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
        rig.load();
        QWidget* about = openAbout(rig);
        QVERIFY(about && about->isVisible());
        auto* link = about->findChild<QLabel*>(control);
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(rig.desktop.opened, (QList<QUrl>{url, url}));
        QVERIFY(rig.dialogs.messages.isEmpty());
        QVERIFY(about->isVisible());
    }

    void clicksElsewhereOpenNothing() {
        AppRig rig;
        rig.load();
        QWidget* about = openAbout(rig);
        for (const QString& name : {u"Label1"_qs, u"Label4"_qs, u"Picture1"_qs}) {
            auto* control = about->findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            QTest::mouseClick(control, Qt::LeftButton);
        }
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(rig.desktop.opened.isEmpty());
        QVERIFY(rig.dialogs.messages.isEmpty());
    }

    void failedOpenIsReportedWithTheAddress_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("named");
        QTest::newRow("web page") << u"Label2"_qs << u"https://www.example.com/tallyhawk"_qs;
        QTest::newRow("e-mail") << u"Label3"_qs << u"tallyhawk@example.com"_qs;
    }
    void failedOpenIsReportedWithTheAddress() {
        QFETCH(QString, control);
        QFETCH(QString, named);
        AppRig rig;
        rig.desktop.openSucceeds = false;
        rig.load();
        QWidget* about = openAbout(rig);
        QTest::mouseClick(about->findChild<QLabel*>(control), Qt::LeftButton);
        QCOMPARE(rig.dialogs.messages.size(), 1);
        QCOMPARE(rig.dialogs.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(rig.dialogs.messages[0].text.contains(named));
        QVERIFY(about->isVisible());
    }

    void openAboutWindowIsOnlyBroughtForward() {
        AppRig rig;
        rig.load();
        QPointer<QWidget> first = openAbout(rig);
        QVERIFY(first);
        QCOMPARE(openAbout(rig), first.data());
        QCOMPARE(rig.window->findChildren<AboutWindow*>().size(), 1);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(openAbout(rig));
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
