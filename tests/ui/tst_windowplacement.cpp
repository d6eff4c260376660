// Putting a window above all others and back: it keeps its place and size, is shown, and is
// shown without taking the focus from the window the user works in.
#include "ui/windowplacement.h"

#include <QtTest>

namespace {

// Whether each Show of the window asked not to activate it. The offscreen platform activates
// every window it shows, so the request is all that can be seen here.
class ShowWatcher final : public QObject {
public:
    QList<bool> withoutActivating;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            withoutActivating.append(
                static_cast<QWidget*>(watched)->testAttribute(Qt::WA_ShowWithoutActivating));
        return false;
    }
};

} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void setTopMostKeepsPlaceAndSize_data() {
        QTest::addColumn<bool>("shownBefore");
        QTest::newRow("shown window") << true;
        QTest::newRow("hidden window") << false;
    }
    void setTopMostKeepsPlaceAndSize() {
        QFETCH(bool, shownBefore);
        QWidget notes;
        notes.setGeometry(120, 80, 418, 98);
        if (shownBefore) {
            notes.show();
            QVERIFY(QTest::qWaitForWindowExposed(&notes));
        }
        ShowWatcher watcher;
        notes.installEventFilter(&watcher);

        SystemWindowPlacement placement;
        for (bool onTop : {true, false, true}) {
            placement.SetTopMost(&notes, onTop);
            QCOMPARE(notes.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QVERIFY(notes.isVisible());
            QVERIFY(QTest::qWaitForWindowExposed(&notes));
            QCOMPARE(notes.geometry(), QRect(120, 80, 418, 98));
        }
        QVERIFY(!watcher.withoutActivating.isEmpty());
        QVERIFY(!watcher.withoutActivating.contains(false));
        // Later shows by the program itself activate the window as usual.
        QVERIFY(!notes.testAttribute(Qt::WA_ShowWithoutActivating));
    }

    void visibleWindowAlreadyInItsBandStaysPut() {
        QWidget notes;
        notes.setWindowFlag(Qt::WindowStaysOnTopHint);
        notes.setGeometry(200, 150, 418, 98);
        notes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&notes));
        ShowWatcher watcher;
        notes.installEventFilter(&watcher);
        SystemWindowPlacement().SetTopMost(&notes, true);
        QVERIFY(notes.isVisible());
        QCOMPARE(notes.geometry(), QRect(200, 150, 418, 98));
        // Not hidden and shown again, which would make it flicker at each prompt.
        QVERIFY(watcher.withoutActivating.isEmpty());
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
