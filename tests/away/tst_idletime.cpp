// The desktop's idle time: the X server's count, the Wayland desktops' D-Bus services, and
// the choice among them; and the watches that tell of the user's next input.
#include "away/dbusidletime.h"
#include "away/desktopidletime.h"
#include "away/x11idletime.h"
#include "tests/support/privatebus.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <atomic>

using namespace std::chrono_literals;

namespace {

// An X server of the test's own, on a display number it picks itself.
class Xvfb {
public:
    explicit Xvfb(const QStringList& extraArguments = {}) {
        // A test that dies (Xlib ends the process on an X error) takes its server with it.
        m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_server.start(QStringLiteral("Xvfb"),
                       QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"),
                                   QStringLiteral("-nolisten"), QStringLiteral("tcp")} +
                           extraArguments);
        if (!m_server.waitForStarted(5000)) {
            m_error = QStringLiteral("Xvfb did not start (build.sh installs xvfb): ") +
                      m_server.errorString();
            return;
        }
        if (!QTest::qWaitFor([this] { return m_server.canReadLine(); }, 10000)) {
            m_error = QStringLiteral("Xvfb gave no display number: ") +
                      QString::fromLocal8Bit(m_server.readAllStandardError());
            return;
        }
        m_name = u':' + QString::fromLatin1(m_server.readLine().trimmed());
    }
    ~Xvfb() {
        m_server.terminate();
        if (!m_server.waitForFinished(3000))
            m_server.kill();
        m_server.waitForFinished(3000);
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    QString error() const { return m_error; }
    QString name() const { return m_name; }

    bool moveMouse(int x, int y) const {
        QProcess xdotool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_name);
        xdotool.setProcessEnvironment(env);
        xdotool.start(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
        return xdotool.waitForFinished(5000) && xdotool.exitStatus() == QProcess::NormalExit &&
               xdotool.exitCode() == 0;
    }

private:
    QProcess m_server;
    QString m_name;
    QString m_error;
};

enum class Behaviour { Absent, Answers, Fails, Hangs };

// The desktop's side of one idle-time service. It runs on a thread of its own, since the
// program's call blocks the thread it comes from.
class FakeService : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    std::atomic<Behaviour> behaviour = Behaviour::Absent;
    std::atomic<qulonglong> idleMs = 0;
    std::atomic<int> calls = 0;

protected:
    // The reply the service's method returns, unless it answers otherwise.
    qulonglong answer() {
        ++calls;
        if (behaviour == Behaviour::Fails)
            sendErrorReply(QDBusError::NotSupported, QStringLiteral("Not supported here"));
        else if (behaviour == Behaviour::Hangs)
            setDelayedReply(true);
        return idleMs;
    }
};

class FakeMutter : public FakeService {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Mutter.IdleMonitor")
public:
    std::atomic<int> watchesAdded = 0;
    std::atomic<uint> lastWatch = 40;
    std::atomic<uint> removedWatch = 0;

public slots:
    qulonglong GetIdletime() { return answer(); }
    uint AddUserActiveWatch() {
        ++watchesAdded;
        if (behaviour == Behaviour::Fails)
            sendErrorReply(QDBusError::NotSupported, QStringLiteral("Not supported here"));
        return ++lastWatch;
    }
    void RemoveWatch(uint id) { removedWatch = id; }
};

class FakeScreenSaver : public FakeService {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public slots:
    uint GetSessionIdleTime() { return uint(answer()); }
};

constexpr qulonglong MutterIdleMs = 7'000'000;
constexpr qulonglong ScreenSaverIdleMs = 9'000'000;

} // namespace

Q_DECLARE_METATYPE(Behaviour)

class TestIdleTime : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(m_bus.error().isEmpty(), qPrintable(m_bus.error()));
        // Before anything in this process asks for the session bus.
        m_bus.useInThisProcess();
        m_desktop = m_bus.connect(QStringLiteral("desktop"));
        QVERIFY(m_desktop.isConnected());
        m_intruder = m_bus.connect(QStringLiteral("intruder"));
        QVERIFY(m_intruder.isConnected());
        m_mutter.moveToThread(&m_desktopThread);
        m_screenSaver.moveToThread(&m_desktopThread);
        m_desktopThread.start();
        QVERIFY2(m_x.error().isEmpty(), qPrintable(m_x.error()));
        QVERIFY2(m_xWithoutExtension.error().isEmpty(), qPrintable(m_xWithoutExtension.error()));
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
                 "xdotool is missing: build.sh installs it");
        cleanup();
    }

    void cleanupTestCase() {
        m_desktopThread.quit();
        m_desktopThread.wait();
    }

    void cleanup() {
        setUp(m_mutter, Behaviour::Absent);
        setUp(m_screenSaver, Behaviour::Absent);
    }

    void x11IdleGrowsUntilTheMouseMoves() {
        X11IdleTime idle(m_x.name());
        QVERIFY(idle.available());
        QVERIFY(idle.idleTime());
        const std::chrono::milliseconds first = *idle.idleTime();
        QTRY_VERIFY_WITH_TIMEOUT(*idle.idleTime() >= first + 200ms, 2000);
        const std::chrono::milliseconds before = *idle.idleTime();
        QVERIFY(m_x.moveMouse(100, 100));
        QTRY_VERIFY_WITH_TIMEOUT(*idle.idleTime() < before, 2000);
    }

    void x11WithoutTheExtensionTellsNothing_data() {
        QTest::addColumn<QString>("display");
        QTest::newRow("display without MIT-SCREEN-SAVER") << m_xWithoutExtension.name();
        QTest::newRow("no such display") << QStringLiteral(":4093");
    }
    void x11WithoutTheExtensionTellsNothing() {
        QFETCH(QString, display);
        X11IdleTime idle(display);
        QVERIFY(!idle.available());
        QVERIFY(!idle.idleTime());
        QVERIFY(!idle.idleTime());
        QVERIFY(!idle.available());
        QVERIFY(!idle.watchForInput());
    }

    void x11WatchTellsOfTheNextInputOnce() {
        X11IdleTime idle(m_x.name());
        QSignalSpy seen(&idle, &IdleSource::inputSeen);
        QVERIFY(waitForQuiet(idle));
        QVERIFY(idle.watchForInput());
        // Asked again, it keeps the watch it has.
        QVERIFY(idle.watchForInput());
        QTest::qWait(1500);
        QCOMPARE(seen.count(), 0);

        QVERIFY(moveMouse());
        // The tracker asks the idle time as the user comes back, before the event loop has
        // run: Xlib then reads the alarm into its queue with the answer, and the socket has
        // nothing more to wake the notifier with.
        QElapsedTimer asking;
        asking.start();
        while (asking.elapsed() < 300)
            QVERIFY(idle.idleTime());
        QCOMPARE(seen.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(seen.count(), 1, 3000);

        // The watch ended with the input it told of.
        QVERIFY(waitForQuiet(idle));
        QVERIFY(moveMouse());
        QTest::qWait(500);
        QCOMPARE(seen.count(), 1);
    }

    void x11StoppedWatchTellsNothing() {
        X11IdleTime idle(m_x.name());
        QSignalSpy seen(&idle, &IdleSource::inputSeen);
        QVERIFY(waitForQuiet(idle));
        QVERIFY(idle.watchForInput());
        idle.stopWatchingForInput();
        QVERIFY(moveMouse());
        QTest::qWait(500);
        QCOMPARE(seen.count(), 0);

        // A new watch after a stopped one.
        QVERIFY(waitForQuiet(idle));
        QVERIFY(idle.watchForInput());
        QVERIFY(moveMouse());
        QTRY_COMPARE_WITH_TIMEOUT(seen.count(), 1, 3000);
    }

    void dbusServicesAnswer_data() {
        QTest::addColumn<DBusIdleTime::Service>("service");
        QTest::addColumn<Behaviour>("behaviour");
        QTest::addColumn<qint64>("expected"); // -1: no answer

        QTest::newRow("Mutter answers")
            << DBusIdleTime::Service::Mutter << Behaviour::Answers << qint64(MutterIdleMs);
        QTest::newRow("Mutter fails")
            << DBusIdleTime::Service::Mutter << Behaviour::Fails << qint64(-1);
        QTest::newRow("Mutter absent")
            << DBusIdleTime::Service::Mutter << Behaviour::Absent << qint64(-1);
        QTest::newRow("ScreenSaver answers") << DBusIdleTime::Service::ScreenSaver
                                             << Behaviour::Answers << qint64(ScreenSaverIdleMs);
        // KDE on Wayland.
        QTest::newRow("ScreenSaver fails")
            << DBusIdleTime::Service::ScreenSaver << Behaviour::Fails << qint64(-1);
        QTest::newRow("ScreenSaver absent")
            << DBusIdleTime::Service::ScreenSaver << Behaviour::Absent << qint64(-1);
    }
    void dbusServicesAnswer() {
        QFETCH(DBusIdleTime::Service, service);
        QFETCH(Behaviour, behaviour);
        QFETCH(qint64, expected);
        const bool mutter = service == DBusIdleTime::Service::Mutter;
        setUp(mutter ? static_cast<FakeService&>(m_mutter) : m_screenSaver, behaviour);
        // The other service answers, to show that each asks only its own.
        setUp(mutter ? static_cast<FakeService&>(m_screenSaver) : m_mutter, Behaviour::Answers);
        DBusIdleTime idle(service);
        const std::optional<std::chrono::milliseconds> answer = idle.idleTime();
        QCOMPARE(answer ? answer->count() : -1, expected);
    }

    void mutterTellsOfInputOnTheWatchItAdded_data() {
        QTest::addColumn<bool>("fromOwner");
        QTest::addColumn<uint>("idOffset"); // from the id of the watch the program added
        QTest::addColumn<int>("expected");

        QTest::newRow("our watch fired") << true << 0u << 1;
        QTest::newRow("another client's watch fired") << true << 1u << 0;
        QTest::newRow("our watch's id, from a connection not owning the name") << false << 0u << 0;
    }
    void mutterTellsOfInputOnTheWatchItAdded() {
        QFETCH(bool, fromOwner);
        QFETCH(uint, idOffset);
        QFETCH(int, expected);
        setUp(m_mutter, Behaviour::Answers);
        DBusIdleTime idle(DBusIdleTime::Service::Mutter);
        QSignalSpy seen(&idle, &IdleSource::inputSeen);
        QVERIFY(idle.watchForInput());
        QVERIFY(idle.watchForInput());
        QCOMPARE(m_mutter.watchesAdded.load(), 1);

        QVERIFY(fireWatch(fromOwner ? m_desktop : m_intruder, m_mutter.lastWatch + idOffset));
        if (expected) {
            QTRY_COMPARE(seen.count(), 1);
            // Mutter has removed a watch that fired: the next one is a new one.
            QVERIFY(idle.watchForInput());
            QCOMPARE(m_mutter.watchesAdded.load(), 2);
        } else {
            QTest::qWait(300);
            QCOMPARE(seen.count(), 0);
            QCOMPARE(m_mutter.watchesAdded.load(), 1);
        }
    }

    void mutterWatchIsRemovedWhenNoLongerWanted() {
        setUp(m_mutter, Behaviour::Answers);
        {
            DBusIdleTime idle(DBusIdleTime::Service::Mutter);
            QSignalSpy seen(&idle, &IdleSource::inputSeen);
            QVERIFY(idle.watchForInput());
            const uint id = m_mutter.lastWatch;
            idle.stopWatchingForInput();
            QTRY_COMPARE(m_mutter.removedWatch.load(), id);
            // Fired just as it was removed.
            QVERIFY(fireWatch(m_desktop, id));
            QTest::qWait(300);
            QCOMPARE(seen.count(), 0);
            QVERIFY(idle.watchForInput());
        }
        // Nor is a watch left behind with a program that has gone.
        QTRY_COMPARE(m_mutter.removedWatch.load(), m_mutter.lastWatch.load());
    }

    void watchIsRefusedWhereNothingTellsOfInput_data() {
        QTest::addColumn<DBusIdleTime::Service>("service");
        QTest::addColumn<Behaviour>("behaviour");

        QTest::newRow("Mutter absent") << DBusIdleTime::Service::Mutter << Behaviour::Absent;
        QTest::newRow("Mutter fails") << DBusIdleTime::Service::Mutter << Behaviour::Fails;
        QTest::newRow("ScreenSaver") << DBusIdleTime::Service::ScreenSaver << Behaviour::Answers;
    }
    void watchIsRefusedWhereNothingTellsOfInput() {
        QFETCH(DBusIdleTime::Service, service);
        QFETCH(Behaviour, behaviour);
        setUp(service == DBusIdleTime::Service::Mutter ? static_cast<FakeService&>(m_mutter)
                                                       : m_screenSaver,
              behaviour);
        DBusIdleTime idle(service);
        QVERIFY(!idle.watchForInput());
        // Refused, not kept: a second ask asks again.
        QVERIFY(!idle.watchForInput());
    }

    void aHungServiceIsNotWaitedForLong() {
        setUp(m_mutter, Behaviour::Hangs);
        DBusIdleTime idle(DBusIdleTime::Service::Mutter);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!idle.idleTime());
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(m_mutter.calls.load(), 1);
    }

    void desktopAsksTheSourcesInOrder_data() {
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("xExtension");
        QTest::addColumn<Behaviour>("mutter");
        QTest::addColumn<Behaviour>("screenSaver");
        QTest::addColumn<QString>("chosen");

        const bool wayland = true;
        const bool x11 = false;
        const auto absent = Behaviour::Absent;
        const auto answers = Behaviour::Answers;
        const auto fails = Behaviour::Fails;
        // XWayland's count is never taken on a Wayland desktop, even where it would answer.
        QTest::newRow("Wayland: Mutter first") << wayland << true << answers << answers << "mutter";
        QTest::newRow("Wayland: ScreenSaver without Mutter")
            << wayland << true << absent << answers << "screensaver";
        QTest::newRow("Wayland: ScreenSaver when Mutter fails")
            << wayland << true << fails << answers << "screensaver";
        QTest::newRow("Wayland: KDE's failing ScreenSaver")
            << wayland << true << absent << fails << "none";
        QTest::newRow("Wayland: nothing") << wayland << true << absent << absent << "none";
        QTest::newRow("X11: the X server first") << x11 << true << answers << answers << "x11";
        QTest::newRow("X11 without the extension: Mutter")
            << x11 << false << answers << answers << "mutter";
        QTest::newRow("X11 without the extension: ScreenSaver")
            << x11 << false << absent << answers << "screensaver";
        QTest::newRow("X11 without the extension: nothing")
            << x11 << false << fails << fails << "none";
    }
    void desktopAsksTheSourcesInOrder() {
        QFETCH(bool, wayland);
        QFETCH(bool, xExtension);
        QFETCH(Behaviour, mutter);
        QFETCH(Behaviour, screenSaver);
        QFETCH(QString, chosen);
        QStringList said;
        DesktopIdleTime idle({wayland, xExtension ? m_x.name() : m_xWithoutExtension.name()},
                             [&](const QString& line) { said << line; });
        // Nothing is asked before the first call.
        setUp(m_mutter, mutter);
        setUp(m_screenSaver, screenSaver);

        for (int call = 0; call < 2; ++call) {
            const int mutterCalls = m_mutter.calls;
            const int screenSaverCalls = m_screenSaver.calls;
            const std::optional<std::chrono::milliseconds> answer = idle.idleTime();
            if (chosen == u"none") {
                QVERIFY(!answer);
            } else {
                QVERIFY(answer);
                if (chosen == u"mutter")
                    QCOMPARE(qulonglong(answer->count()), MutterIdleMs);
                else if (chosen == u"screensaver")
                    QCOMPARE(qulonglong(answer->count()), ScreenSaverIdleMs);
                else
                    QVERIFY(*answer < 1000s);
            }
            if (call == 1) {
                // The choice is made once; only the chosen source is asked again.
                QCOMPARE(m_mutter.calls - mutterCalls, chosen == u"mutter" ? 1 : 0);
                QCOMPARE(m_screenSaver.calls - screenSaverCalls, chosen == u"screensaver" ? 1 : 0);
            }
        }
        if (chosen == u"none") {
            QCOMPARE(said.size(), 1);
            QVERIFY2(said.first().contains(u"does not tell how long you have been idle"),
                     qPrintable(said.first()));
        } else {
            QCOMPARE(said, QStringList());
        }
    }

    void desktopKeepsToItsChoice() {
        QStringList said;
        DesktopIdleTime idle({true, {}}, [&](const QString& line) { said << line; });
        setUp(m_mutter, Behaviour::Answers);
        QCOMPARE(qulonglong(idle.idleTime()->count()), MutterIdleMs);
        // GNOME busy for a moment: no answer now, and no other source in its place.
        setUp(m_mutter, Behaviour::Fails);
        setUp(m_screenSaver, Behaviour::Answers);
        QVERIFY(!idle.idleTime());
        m_mutter.idleMs = 5000;
        setUp(m_mutter, Behaviour::Answers);
        QCOMPARE(idle.idleTime().value_or(-1ms).count(), 5000);
        QCOMPARE(m_screenSaver.calls.load(), 0);
        QCOMPARE(said, QStringList());
    }

    void desktopWatchesItsChosenSource() {
        QStringList said;
        const auto say = [&](const QString& line) { said << line; };
        DesktopIdleTime idle({false, m_x.name()}, say);
        QSignalSpy seen(&idle, &IdleSource::inputSeen);
        X11IdleTime x(m_x.name());
        QVERIFY(waitForQuiet(x));
        // Chosen by the watch, the first ask.
        QVERIFY(idle.watchForInput());
        QVERIFY(moveMouse());
        QTRY_COMPARE_WITH_TIMEOUT(seen.count(), 1, 3000);

        DesktopIdleTime nothing({true, {}}, say);
        QVERIFY(!nothing.watchForInput());
        QVERIFY(!nothing.idleTime());
        QVERIFY(!nothing.watchForInput());
        QCOMPARE(said.size(), 1);
    }

private:
    // The alarm trips on input only after a second without any. A failure says what the
    // server last answered.
    static bool waitForQuiet(X11IdleTime& idle) {
        std::optional<std::chrono::milliseconds> last;
        if (QTest::qWaitFor(
                [&] {
                    last = idle.idleTime();
                    return last.value_or(0ms) >= 1100ms;
                },
                5000))
            return true;
        qWarning("still not quiet after 5 s: the idle time is %s",
                 last ? qPrintable(QString::number(last->count()) + u" ms"_qs) : "not told");
        return false;
    }

    // Each move goes somewhere else: a move to where the pointer is is no input.
    bool moveMouse() {
        m_moves = (m_moves + 1) % 100;
        return m_x.moveMouse(200 + m_moves, 200 + m_moves);
    }

    static bool fireWatch(QDBusConnection& from, uint id) {
        QDBusMessage fired = QDBusMessage::createSignal(
            QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
            QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("WatchFired"));
        fired << id;
        return from.send(fired);
    }

    void setUp(FakeService& service, Behaviour behaviour) {
        const bool mutter = &service == &m_mutter;
        const QString name = mutter ? QStringLiteral("org.gnome.Mutter.IdleMonitor")
                                    : QStringLiteral("org.freedesktop.ScreenSaver");
        const QString path = mutter ? QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core")
                                    : QStringLiteral("/org/freedesktop/ScreenSaver");
        const bool wasThere = service.behaviour != Behaviour::Absent;
        service.behaviour = behaviour;
        if (behaviour == Behaviour::Absent) {
            m_desktop.unregisterObject(path);
            m_desktop.unregisterService(name);
            service.calls = 0;
            service.idleMs = mutter ? MutterIdleMs : ScreenSaverIdleMs;
            m_mutter.watchesAdded = 0;
            m_mutter.removedWatch = 0;
        } else if (!wasThere) {
            QVERIFY(m_desktop.registerObject(path, &service, QDBusConnection::ExportAllSlots));
            QVERIFY(m_desktop.registerService(name));
        }
    }

    PrivateBus m_bus;
    QDBusConnection m_desktop{QString()};
    // Another program on the bus, which owns none of the desktop's names.
    QDBusConnection m_intruder{QString()};
    QThread m_desktopThread;
    FakeMutter m_mutter;
    FakeScreenSaver m_screenSaver;
    Xvfb m_x;
    Xvfb m_xWithoutExtension{{QStringLiteral("-extension"), QStringLiteral("MIT-SCREEN-SAVER")}};
    int m_moves = 0;
};

QTEST_GUILESS_MAIN(TestIdleTime)
#include "tst_idletime.moc"
