// On a small screen every window opens wholly on it: 1024 x 768 at 150 % scaling, where the
// Reports window is taller than the screen.
#include "tests/e2e/e2efixture.h"

#include <QtTest>

class TestE2eSmallScreen : public QObject {
    Q_OBJECT
private slots:
    void everyWindowOpensWhollyOnTheScreen() {
        E2eFixture fx(QSize(1024, 768));
        auto report = qScopeGuard([&fx] { reportIfFailed(fx); });
        fx.display.setVariable(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1.5"));
        E2E_START_APP(fx);
        const QRect screen(0, 0, 1024, 768);
        QStringList faults;
        const auto check = [&](const QString& title) {
            XWindows::Id window = 0;
            if (!fx.waitForActiveWindow(title, &window)) {
                faults << fx.why();
                return;
            }
            // The window manager's frame lies round the client area; a title bar must stay
            // on the screen to be grabbed.
            const QRect placed = fx.windows.geometry(window);
            if (!screen.contains(placed) || placed.top() < 10)
                faults << title + u' ' + QDebug::toString(placed);
        };
        check(E2eFixture::MainTitle);
        // From Start: the project box, "+", then the Reports link.
        QVERIFY(fx.input.key(QStringLiteral("Tab Tab Tab Return")));
        check(QStringLiteral("Reports"));
        QVERIFY(fx.input.key(QStringLiteral("alt+F4")));
        QVERIFY(fx.windows.waitForActive(fx.mainWindow));
        // The Settings link is five stops on, About the next.
        QVERIFY(fx.input.key(QStringLiteral("Tab Tab Tab Tab Tab Return")));
        check(QStringLiteral("Settings"));
        QVERIFY(fx.input.key(QStringLiteral("alt+F4")));
        QVERIFY(fx.windows.waitForActive(fx.mainWindow));
        QVERIFY(fx.input.key(QStringLiteral("Tab Return")));
        check(QStringLiteral("About"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestE2eSmallScreen)
#include "tst_e2e_smallscreen.moc"
