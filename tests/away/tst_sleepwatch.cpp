// The machine's suspends as logind announces them on the system bus.
#include "away/logindsleepwatch.h"
#include "tests/support/privatebus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QtTest>

namespace {

const QString Login1 = QStringLiteral("org.freedesktop.login1");

QDBusMessage prepareForSleep(bool sleeping) {
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("PrepareForSleep"));
    signal << sleeping;
    return signal;
}

// Returns once the bus has passed on everything the connection sent before.
bool roundTrip(const QDBusConnection& connection) {
    return connection.interface()->serviceOwner(QStringLiteral("org.freedesktop.DBus")).isValid();
}

} // namespace

class TestSleepWatch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(m_bus.error().isEmpty(), qPrintable(m_bus.error()));
        // Before anything in this process asks for the system bus.
        m_bus.useInThisProcess();
        m_logind = m_bus.connect(QStringLiteral("logind"));
        m_intruder = m_bus.connect(QStringLiteral("intruder"));
        QVERIFY(m_logind.isConnected() && m_intruder.isConnected());
    }

    void cleanup() { m_logind.unregisterService(Login1); }

    void prepareForSleepBecomesSleepAndResume() {
        QVERIFY(m_logind.registerService(Login1));
        LogindSleepWatch watch;
        record(watch);
        QVERIFY(watch.watch());
        // Asked again, it does not hear each signal twice.
        QVERIFY(watch.watch());
        QVERIFY(m_logind.send(prepareForSleep(true)));
        QVERIFY(m_logind.send(prepareForSleep(false)));
        QTRY_VERIFY_WITH_TIMEOUT(m_events.contains(u"resume"_qs), 2000);
        QCOMPARE(m_events, (QStringList{u"sleep"_qs, u"resume"_qs}));
    }

    void othersCannotAnnounceASuspend() {
        QVERIFY(m_logind.registerService(Login1));
        LogindSleepWatch watch;
        record(watch);
        QVERIFY(watch.watch());
        QVERIFY(m_intruder.send(prepareForSleep(true)));
        QVERIFY(roundTrip(m_intruder));
        QVERIFY(m_logind.send(prepareForSleep(false)));
        QTRY_COMPARE_WITH_TIMEOUT(m_events, QStringList{u"resume"_qs}, 2000);
    }

    void withoutLogindThereIsNothingToWatch() {
        LogindSleepWatch watch;
        QVERIFY(!watch.watch());
        // The first answer stands.
        QVERIFY(m_logind.registerService(Login1));
        QVERIFY(!watch.watch());
    }

private:
    void record(LogindSleepWatch& watch) {
        m_events.clear();
        connect(&watch, &SleepWatch::aboutToSleep, this, [this] { m_events << u"sleep"_qs; });
        connect(&watch, &SleepWatch::resumed, this, [this] { m_events << u"resume"_qs; });
    }

    PrivateBus m_bus{PrivateBus::Type::System};
    QDBusConnection m_logind{QString()};
    QDBusConnection m_intruder{QString()};
    QStringList m_events;
};

QTEST_GUILESS_MAIN(TestSleepWatch)
#include "tst_sleepwatch.moc"
