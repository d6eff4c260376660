// The tray on an old-style (XEmbed) desktop, where the icon is the program's own window and
// passes the mouse on as it is, and on a desktop with no tray at all.
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/traydesktops.h"

#include <QtTest>

#include <memory>

namespace {

// The program's windows, its tray icon included, carry its name as their class.
const QString Program = QStringLiteral("tallyhawk");
// Longer than any double-click interval.
constexpr int AfterSingleClickMs = 800;
constexpr int MinRowHeight = 16;
constexpr int MenuItems = 6;

// The display with its own session bus (with no StatusNotifierItem watcher on it), and an
// XEmbed tray when asked for.
struct XEmbedDesktop {
    explicit XEmbedDesktop(bool withTray) {
        if (withTray)
            tray = std::make_unique<XEmbedTray>(fx.display);
    }
    QString error() const {
        if (!bus.error().isEmpty())
            return bus.error();
        return tray ? tray->error() : QString();
    }

    E2eFixture fx;
    SessionBus bus{fx.display};
    std::unique_ptr<XEmbedTray> tray;
};

QPoint middle(const QRect& window) {
    return QPoint(window.width() / 2, window.height() / 2);
}

} // namespace

class TestE2eTrayXEmbed : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void doubleClickBringsTheWindowBackAndASingleClickDoesNot();
    void rightClickShowsTheMenuWhoseOpenBringsTheWindowBack();
    void withoutATrayMinimisingKeepsTheWindow();

private:
    // Starts the program on a fresh desktop, minimises its window and waits for the icon.
    XWindows::Id startInTray();
    bool waitForWindowBack();

    std::unique_ptr<XEmbedDesktop> m_desktop;
};

void TestE2eTrayXEmbed::initTestCase() {
    for (const char* program : {"dbus-daemon", "trayer"}) {
        if (QStandardPaths::findExecutable(QLatin1StringView(program)).isEmpty())
            QSKIP(qPrintable(QLatin1StringView(program) +
                             QStringLiteral(" is missing: build.sh installs it")));
    }
}

void TestE2eTrayXEmbed::cleanup() {
    if (m_desktop)
        reportIfFailed(m_desktop->fx);
    m_desktop.reset();
}

XWindows::Id TestE2eTrayXEmbed::startInTray() {
    m_desktop = std::make_unique<XEmbedDesktop>(true);
    E2eFixture& fx = m_desktop->fx;
    if (!m_desktop->error().isEmpty()) {
        qWarning().noquote() << m_desktop->error();
        return 0;
    }
    if (!fx.startApp()) {
        qWarning().noquote() << fx.why();
        return 0;
    }
    if (!fx.windows.minimize(fx.mainWindow) || !fx.windows.waitUntilGone(E2eFixture::MainTitle))
        return 0;
    return m_desktop->tray->waitForIcon(Program);
}

bool TestE2eTrayXEmbed::waitForWindowBack() {
    E2eFixture& fx = m_desktop->fx;
    return fx.windows.waitFor(E2eFixture::MainTitle) == fx.mainWindow &&
           fx.windows.isShown(fx.mainWindow) &&
           QTest::qWaitFor([&] { return fx.windows.visibleOfClass(Program).size() == 1; },
                           E2eFixture::WaitMs);
}

void TestE2eTrayXEmbed::doubleClickBringsTheWindowBackAndASingleClickDoesNot() {
    const XWindows::Id icon = startInTray();
    QVERIFY2(icon != 0, "the minimised window did not go to the tray");
    E2eFixture& fx = m_desktop->fx;
    const QPoint onIcon = middle(fx.windows.geometry(icon));

    QVERIFY(fx.input.click(icon, onIcon));
    QTest::qWait(AfterSingleClickMs);
    QVERIFY2(fx.windows.visible(E2eFixture::MainTitle).isEmpty(),
             "a single click on the icon brought the window back");

    QVERIFY(fx.input.doubleClick(icon, onIcon));
    QVERIFY2(waitForWindowBack(), "a double click on the icon did not bring the window back");
}

void TestE2eTrayXEmbed::rightClickShowsTheMenuWhoseOpenBringsTheWindowBack() {
    const XWindows::Id icon = startInTray();
    QVERIFY2(icon != 0, "the minimised window did not go to the tray");
    E2eFixture& fx = m_desktop->fx;

    QVERIFY(fx.input.rightClick(icon, middle(fx.windows.geometry(icon))));
    XWindows::Id menu = 0;
    const bool shown = QTest::qWaitFor(
        [&] {
            const QList<XWindows::Id> windows = fx.windows.visibleOfClass(Program);
            for (const XWindows::Id window : windows) {
                if (window != icon)
                    menu = window;
            }
            return windows.size() == 2 && menu != 0;
        },
        E2eFixture::WaitMs);
    QVERIFY2(shown, "a right-click on the icon showed no menu, or more than one");
    const int height = fx.windows.geometry(menu).height();
    QVERIFY2(height >= MenuItems * MinRowHeight,
             qPrintable(
                 QStringLiteral("the menu is %1 pixels high: too low for its items").arg(height)));

    // "O&pen" is the third item that can be chosen.
    QVERIFY(fx.input.key(QStringLiteral("Down Down Down Return")));
    QVERIFY2(waitForWindowBack(), "\"O&pen\" did not bring the window back");
}

void TestE2eTrayXEmbed::withoutATrayMinimisingKeepsTheWindow() {
    m_desktop = std::make_unique<XEmbedDesktop>(false);
    E2eFixture& fx = m_desktop->fx;
    QVERIFY2(m_desktop->error().isEmpty(), qPrintable(m_desktop->error()));
    E2E_START_APP(fx);

    QVERIFY(fx.windows.minimize(fx.mainWindow));
    // An ordinary minimised window, which the window list still offers, not a hidden one.
    const bool minimised = QTest::qWaitFor(
        [&] {
            return fx.windows.property(fx.mainWindow, QStringLiteral("_NET_WM_STATE"))
                .contains("_NET_WM_STATE_HIDDEN");
        },
        E2eFixture::WaitMs);
    QVERIFY2(minimised, "the window did not minimise as an ordinary window");

    QVERIFY(fx.display
                .run(QStringLiteral("xdotool"),
                     {QStringLiteral("windowactivate"), QString::number(fx.mainWindow)})
                .ok);
    QVERIFY2(QTest::qWaitFor([&] { return fx.windows.isShown(fx.mainWindow); }, E2eFixture::WaitMs),
             "the minimised window did not come back from the window list");
}

QTEST_GUILESS_MAIN(TestE2eTrayXEmbed)
#include "tst_e2e_tray_xembed.moc"
