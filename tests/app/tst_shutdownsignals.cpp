// SIGTERM and SIGINT raised in this very process become one request on the event loop.
#include "app/shutdownsignals.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>

namespace {

int openFiles() {
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

bool handledByDefault(int signal) {
    struct sigaction current = {};
    ::sigaction(signal, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

} // namespace

class TestShutdownSignals : public QObject {
    Q_OBJECT
private slots:
    void signalIsRequestedOnceThroughTheEventLoop_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void signalIsRequestedOnceThroughTheEventLoop() {
        QFETCH(int, signal);
        ShutdownSignals shutdown;
        QSignalSpy spy(&shutdown, &ShutdownSignals::requested);
        QCOMPARE(::raise(signal), 0);
        // Not from inside the signal handler, where almost nothing is safe to do.
        QCOMPARE(spy.count(), 0);
        QTRY_COMPARE(spy.count(), 1);
        QTest::qWait(50);
        QCOMPARE(spy.count(), 1);
    }

    void destroyedItLeavesNothingBehind() {
        const int before = openFiles();
        {
            ShutdownSignals shutdown;
            QVERIFY(!handledByDefault(SIGTERM));
            QVERIFY(!handledByDefault(SIGINT));
        }
        QCOMPARE(openFiles(), before);
        QVERIFY(handledByDefault(SIGTERM));
        QVERIFY(handledByDefault(SIGINT));
    }
};

QTEST_GUILESS_MAIN(TestShutdownSignals)
#include "tst_shutdownsignals.moc"
