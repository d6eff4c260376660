// Where a window goes so that it opens wholly on the screen's available area.
#include "ui/onscreen.h"

#include <QtTest>

class TestOnScreen : public QObject {
    Q_OBJECT
private slots:
    void aWindowMovesInNoFurtherThanNeeded_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("fitted");
        // A 1280 x 900 screen with a 30-pixel panel along its top.
        QTest::newRow("fits: stays") << QRect(100, 200, 620, 550) << QRect(100, 200, 620, 550);
        QTest::newRow("runs off the bottom")
            << QRect(100, 390, 620, 550) << QRect(100, 350, 620, 550);
        QTest::newRow("runs off the right")
            << QRect(1000, 100, 620, 550) << QRect(660, 100, 620, 550);
        QTest::newRow("under the panel") << QRect(-20, 10, 620, 550) << QRect(0, 30, 620, 550);
        QTest::newRow("taller than the area")
            << QRect(100, 390, 620, 1000) << QRect(100, 30, 620, 870);
        QTest::newRow("larger both ways") << QRect(-50, -50, 1500, 1000) << QRect(0, 30, 1280, 870);
    }
    void aWindowMovesInNoFurtherThanNeeded() {
        QFETCH(QRect, frame);
        QFETCH(QRect, fitted);
        QCOMPARE(onscreen::fit(frame, QRect(0, 30, 1280, 870)), fitted);
    }
};

QTEST_GUILESS_MAIN(TestOnScreen)
#include "tst_onscreen.moc"
