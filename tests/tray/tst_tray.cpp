// The notification-area icon: Qt's activation reasons as the program's mouse events, and
// sending a window to the tray and back.
#include "tests/support/faketray.h"
#include "tests/support/privatebus.h"
#include "tray/statusnotifierhost.h"
#include "tray/systemtrayicon.h"
#include "tray/traymodule.h"

#include <QDBusConnection>
#include <QMenu>
#include <QPixmap>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QThread>
#include <QtTest>

namespace {

QIcon someIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkBlue);
    return QIcon(pixmap);
}

// The desktop's side: the watcher that hosts register with.
class FakeWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
public:
    explicit FakeWatcher(bool hostRegistered)
        : m_hostRegistered(hostRegistered) {}
    bool isHostRegistered() const { return m_hostRegistered; }

private:
    bool m_hostRegistered;
};

} // namespace

class TestTray : public QObject {
    Q_OBJECT
private slots:
    void activationReasonsBecomeMouseEvents_data() {
        QTest::addColumn<bool>("statusNotifierHost");
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<TrayIcon::Event>("event");
        QTest::newRow("XEmbed single click")
            << false << QSystemTrayIcon::Trigger << TrayIcon::Event::LeftButtonDown;
        QTest::newRow("XEmbed double click")
            << false << QSystemTrayIcon::DoubleClick << TrayIcon::Event::LeftDoubleClick;
        QTest::newRow("XEmbed context menu")
            << false << QSystemTrayIcon::Context << TrayIcon::Event::RightButtonDown;
        QTest::newRow("XEmbed middle click")
            << false << QSystemTrayIcon::MiddleClick << TrayIcon::Event::Other;
        QTest::newRow("XEmbed unknown")
            << false << QSystemTrayIcon::Unknown << TrayIcon::Event::Other;
        QTest::newRow("host's click")
            << true << QSystemTrayIcon::Trigger << TrayIcon::Event::Activate;
        QTest::newRow("host's context menu")
            << true << QSystemTrayIcon::Context << TrayIcon::Event::RightButtonDown;
        QTest::newRow("host's secondary activation")
            << true << QSystemTrayIcon::MiddleClick << TrayIcon::Event::Other;
    }
    void activationReasonsBecomeMouseEvents() {
        QFETCH(bool, statusNotifierHost);
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(TrayIcon::Event, event);
        int asked = 0;
        SystemTrayIcon tray([&] {
            ++asked;
            return statusNotifierHost;
        });
        QSignalSpy spy(&tray, &TrayIcon::mouseEvent);
        tray.add(someIcon(), u"A tip"_qs);
        auto* icon = tray.findChild<QSystemTrayIcon*>();
        QVERIFY(icon);
        emit icon->activated(reason);
        emit icon->activated(reason);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).value<TrayIcon::Event>(), event);
        // The bus is asked once, not on every click.
        QVERIFY(asked <= 1);
    }

    void theMenuIsHandedToTheIcon() {
        QMenu first;
        QMenu second;
        SystemTrayIcon tray([] { return false; });
        tray.setMenu(&first);
        tray.add(someIcon(), u"A tip"_qs);
        auto* icon = tray.findChild<QSystemTrayIcon*>();
        QCOMPARE(icon->contextMenu(), &first);
        tray.setMenu(&second);
        QCOMPARE(icon->contextMenu(), &second);
    }

    void statusNotifierHostIsFoundOnTheBus_data() {
        QTest::addColumn<bool>("watcher");
        QTest::addColumn<bool>("hostRegistered");
        QTest::newRow("no watcher") << false << false;
        QTest::newRow("watcher without a host") << true << false;
        QTest::newRow("watcher with a host") << true << true;
    }
    void statusNotifierHostIsFoundOnTheBus() {
        QFETCH(bool, watcher);
        QFETCH(bool, hostRegistered);
        PrivateBus bus;
        if (!bus.error().isEmpty())
            QSKIP(qPrintable(bus.error()));
        QDBusConnection desktop = bus.connect(u"desktop"_qs);
        QDBusConnection program = bus.connect(u"program"_qs);
        QVERIFY(desktop.isConnected() && program.isConnected());
        // The program's call blocks its thread, as it should: the watcher answers from another.
        FakeWatcher fake(hostRegistered);
        QThread desktopThread;
        fake.moveToThread(&desktopThread);
        desktopThread.start();
        const auto stop = qScopeGuard([&] {
            desktopThread.quit();
            desktopThread.wait();
        });
        if (watcher) {
            QVERIFY(desktop.registerObject(u"/StatusNotifierWatcher"_qs, &fake,
                                           QDBusConnection::ExportAllProperties));
            QVERIFY(desktop.registerService(u"org.kde.StatusNotifierWatcher"_qs));
        }
        QCOMPARE(hasStatusNotifierHost(program), watcher && hostRegistered);
    }

    void noBusMeansNoStatusNotifierHost() {
        const QDBusConnection none =
            QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_qs, u"none"_qs);
        QVERIFY(!hasStatusNotifierHost(none));
        QDBusConnection::disconnectFromBus(u"none"_qs);
    }

    void iconShowsTheTipUntilRemoved() {
        SystemTrayIcon tray;
        QVERIFY(!tray.isShown());
        tray.remove();
        QVERIFY(!tray.isShown());

        tray.add(someIcon(), u"A tip"_qs);
        const auto* icon = tray.findChild<QSystemTrayIcon*>();
        QVERIFY(tray.isShown());
        QCOMPARE(icon->toolTip(), u"A tip"_qs);
        QVERIFY(!icon->icon().isNull());
        tray.remove();
        QVERIFY(!tray.isShown());

        // The same icon comes back, so its clicks still reach the program.
        tray.add(someIcon(), u"A tip"_qs);
        QCOMPARE(tray.findChildren<QSystemTrayIcon*>().size(), 1);
        QVERIFY(tray.isShown());
    }

    void addToTrayCutsTheTipAndHidesTheWindow_data() {
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("shown");
        const QString hundred = QString(60, u'a') + QString(40, u'b');
        QTest::newRow("caption") << u"A tip"_qs << u"A tip"_qs;
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
