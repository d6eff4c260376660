// On a small screen every window opens wholly on it: 1024 x 768 at 150 % scaling, where the
// Reports window is taller than the screen.
#include "app/mainwindowlayout.h"
#include "tests/e2e/e2efixture.h"

#include <QtTest>

namespace {

constexpr double Scale = 1.5;

} // namespace

class TestE2eSmallScreen : public QObject {
    Q_OBJECT
private slots:
    void everyWindowOpensWhollyOnTheScreen() {
        E2eFixture fx(QSize(1024, 768));
        auto report = qScopeGuard([&fx] { reportIfFailed(fx); });
        fx.display.setVariable(QStringLiteral("QT_SCALE_FACTOR"), QString::number(Scale));
        E2E_START_APP(fx);
        const QRect screen(0, 0, 1024, 768);
        QStringList faults;
        const auto check = [&](const QString& title) {
            XWindows::Id window = 0;
            if (!fx.waitForActiveWindow(title, &window)) {
                faults << fx.why();
                return window;
            }
            // The window manager's frame lies round the client area; a title bar must stay
            // on the screen to be grabbed.
            const QRect placed = fx.windows.geometry(window);
            if (!screen.contains(placed) || placed.top() < 10)
                faults << title + u' ' + QDebug::toString(placed);
            return window;
        };
        check(E2eFixture::MainTitle);
        // One window at a time, each closed again, so that none covers the links.
        const std::pair<QString, TwipsRect> links[] = {
            {QStringLiteral("Reports"), mainwindowlayout::LblReports},
            {QStringLiteral("Settings"), mainwindowlayout::LblSettings},
            {QStringLiteral("About"), mainwindowlayout::LblAbout}};
        for (const auto& [title, link] : links) {
            QVERIFY(fx.input.click(fx.mainWindow, link.centre() * Scale));
            const XWindows::Id window = check(title);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
            // The close box: the keys are the keyboard walk's to try, and a key pressed while
            // a loaded window manager still moves the focus can go astray.
            QVERIFY(fx.windows.close(window));
            QVERIFY(fx.windows.waitUntilGone(title));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestE2eSmallScreen)
#include "tst_e2e_smallscreen.moc"
