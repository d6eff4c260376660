// The notification-area icon: Qt's activation reasons as the program's mouse events, and
// sending a window to the tray and back.
#include "tests/support/faketray.h"
#include "tray/systemtrayicon.h"
#include "tray/traymodule.h"

#include <QPixmap>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QtTest>

namespace {

QIcon someIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkBlue);
    return QIcon(pixmap);
}

} // namespace

class TestTray : public QObject {
    Q_OBJECT
private slots:
    void activationReasonsBecomeMouseEvents_data() {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<TrayIcon::Event>("event");
        QTest::newRow("single click")
            << QSystemTrayIcon::Trigger << TrayIcon::Event::LeftButtonDown;
        QTest::newRow("double click")
            << QSystemTrayIcon::DoubleClick << TrayIcon::Event::LeftDoubleClick;
        QTest::newRow("context menu")
            << QSystemTrayIcon::Context << TrayIcon::Event::RightButtonDown;
        QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << TrayIcon::Event::Other;
        QTest::newRow("unknown") << QSystemTrayIcon::Unknown << TrayIcon::Event::Other;
    }
    void activationReasonsBecomeMouseEvents() {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(TrayIcon::Event, event);
        SystemTrayIcon tray;
        QSignalSpy spy(&tray, &TrayIcon::mouseEvent);
        tray.add(someIcon(), u"Tallyhawk 1.0"_qs);
        auto* icon = tray.findChild<QSystemTrayIcon*>();
        QVERIFY(icon);
        emit icon->activated(reason);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<TrayIcon::Event>(), event);
    }

    void iconShowsTheTipUntilRemoved() {
        SystemTrayIcon tray;
        QVERIFY(!tray.isShown());
        tray.remove();
        QVERIFY(!tray.isShown());

        tray.add(someIcon(), u"Tallyhawk 1.0"_qs);
        const auto* icon = tray.findChild<QSystemTrayIcon*>();
        QVERIFY(tray.isShown());
        QCOMPARE(icon->toolTip(), u"Tallyhawk 1.0"_qs);
        QVERIFY(!icon->icon().isNull());
        tray.remove();
        QVERIFY(!tray.isShown());

        // The same icon comes back, so its clicks still reach the program.
        tray.add(someIcon(), u"Tallyhawk 1.0"_qs);
        QCOMPARE(tray.findChildren<QSystemTrayIcon*>().size(), 1);
        QVERIFY(tray.isShown());
    }

    void addToTrayCutsTheTipAndHidesTheWindow_data() {
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("shown");
        const QString hundred = QString(60, u'a') + QString(40, u'b');
        QTest::newRow("caption") << u"Tallyhawk 1.0"_qs << u"Tallyhawk 1.0"_qs;
        QTest::newRow("63 characters") << hundred.left(63) << hundred.left(63);
        QTest::newRow("100 characters") << hundred << QString(60, u'a') + u"bbb"_qs;
    }
    void addToTrayCutsTheTipAndHidesTheWindow() {
        QFETCH(QString, tip);
        QFETCH(QString, shown);
        FakeTray tray;
        QWidget window;
        window.show();
        AddToTray(tray, someIcon(), tip, &window);
        QVERIFY(tray.shown);
        QCOMPARE(tray.tip, shown);
        QVERIFY(window.isHidden());

        RestoreFromTray(tray, &window);
        QVERIFY(!tray.shown);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
