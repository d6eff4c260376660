// The clock's real timer: it fires at once, then aims just past each whole second of the clock
// it is given. The waits are real but short: the fake clock is set close to a whole second.
#include "session/secondtimer.h"
#include "tests/support/fakeclock.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {

QDateTime at(int msec) {
    return QDateTime(QDate(2008, 6, 3), QTime(9, 0, 5, msec));
}

} // namespace

class TestSecondTimer : public QObject {
    Q_OBJECT
private slots:
    void firesAtOnceThenJustAfterEachWholeSecond() {
        FakeClock clock(at(0));
        WholeSecondTimer timer(clock);
        QElapsedTimer elapsed;
        QList<qint64> fired;
        // Each fire sets the clock to where the next wait is measured from.
        const QList<int> msecAfterFire{900, 600};
        connect(&timer, &SecondTimer::timeout, this, [&] {
            fired.append(elapsed.elapsed());
            if (fired.size() <= msecAfterFire.size())
                clock.set(at(msecAfterFire[fired.size() - 1]).addSecs(fired.size()));
            else
                timer.setEnabled(false);
        });
        elapsed.start();
        timer.setEnabled(true);
        QVERIFY(timer.isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(fired.size(), 3, 5000);
        QVERIFY(!timer.isEnabled());
        // Not early, or it would still see the old second; soon after, or the display lags.
        const int slack = WholeSecondTimer::SlackMs;
        QCOMPARE_LT(fired[0], 100);
        QCOMPARE_GE(fired[1] - fired[0], 100 + slack - 1);
        QCOMPARE_LT(fired[1] - fired[0], 100 + slack + 400);
        QCOMPARE_GE(fired[2] - fired[1], 400 + slack - 1);
        QCOMPARE_LT(fired[2] - fired[1], 400 + slack + 400);
    }

    void waitsForTheWholeSecondNotAFixedInterval() {
        FakeClock clock(at(0));
        WholeSecondTimer timer(clock);
        QSignalSpy spy(&timer, &SecondTimer::timeout);
        timer.setEnabled(true);
        QTRY_COMPARE(spy.count(), 1);
        // A whole second away by the clock.
        QTest::qWait(300);
        QCOMPARE(spy.count(), 1);
    }

    void disabledTimerStaysQuiet_data() {
        QTest::addColumn<bool>("fromItsOwnHandler");
        QTest::newRow("between fires") << false;
        QTest::newRow("from its own handler") << true;
    }
    void disabledTimerStaysQuiet() {
        QFETCH(bool, fromItsOwnHandler);
        // Two milliseconds before a whole second: a running timer would fire again at once.
        FakeClock clock(at(998));
        WholeSecondTimer timer(clock);
        QSignalSpy spy(&timer, &SecondTimer::timeout);
        if (fromItsOwnHandler)
            connect(&timer, &SecondTimer::timeout, this, [&] { timer.setEnabled(false); });
        timer.setEnabled(true);
        // Returns as soon as the first fire is in, before a running timer could fire again.
        QVERIFY(spy.wait(1000));
        QCOMPARE(spy.count(), 1);
        timer.setEnabled(false);
        QTest::qWait(100);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!timer.isEnabled());

        // Enabled again, it fires at once again.
        clock.set(at(0));
        timer.setEnabled(true);
        QTRY_COMPARE(spy.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSecondTimer)
#include "tst_secondtimer.moc"
