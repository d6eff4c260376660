// The tray on a StatusNotifierItem desktop (KDE Plasma, Ubuntu's GNOME, XFCE's plugin): the
// desktop draws the icon and its menu, and reports a click on the icon, never a double-click.
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/traydesktops.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Every menu row is at least this high, whatever the theme.
constexpr int MinRowHeight = 16;
constexpr int MenuItems = 6;
// How long one click on the icon may take to show its effect before it is given again.
constexpr int ClickEffectMs = 1500;

// The display, its own session bus, the watcher and the host.
struct SniDesktop {
    E2eFixture fx;
    SessionBus bus{fx.display};
    StatusNotifierTray tray{fx.display, bus};
};

} // namespace

class TestE2eTraySni : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aClickOnTheIconBringsTheWindowBack();
    void rightClickShowsTheMenuWhoseOpenBringsTheWindowBack_data();
    void rightClickShowsTheMenuWhoseOpenBringsTheWindowBack();

private:
    // Minimises the main window and waits until it has gone and its item is registered.
    bool minimiseToTray();
    // Clicks the icon until the click has had its effect, or the time is up: the host draws
    // the icon a moment after the item has registered, and a click before then lands on the
    // empty bar; a right-click just after that may show the menu before the host has read its
    // lines, and that menu stays empty while it shows.
    bool clickIconUntil(bool right, const std::function<bool()>& effect);
    int menuHeight() const;
    bool waitForWindowBack();

    std::unique_ptr<SniDesktop> m_desktop;
};

void TestE2eTraySni::initTestCase() {
    for (const char* program :
         {"dbus-daemon", "dbus-send", "status-notifier-watcher", "gtk-sni-tray-standalone"}) {
        if (QStandardPaths::findExecutable(QLatin1StringView(program)).isEmpty())
            QSKIP(qPrintable(QLatin1StringView(program) +
                             QStringLiteral(" is missing: build.sh installs it")));
    }
}

void TestE2eTraySni::init() {
    m_desktop = std::make_unique<SniDesktop>();
    QVERIFY2(m_desktop->tray.error().isEmpty(), qPrintable(m_desktop->tray.error()));
}

void TestE2eTraySni::cleanup() {
    if (QTest::currentTestFailed())
        qInfo().noquote() << "items:" << m_desktop->tray.items();
    reportIfFailed(m_desktop->fx);
    m_desktop.reset();
}

bool TestE2eTraySni::minimiseToTray() {
    E2eFixture& fx = m_desktop->fx;
    if (!fx.windows.minimize(fx.mainWindow))
        return false;
    return fx.windows.waitUntilGone(E2eFixture::MainTitle) && m_desktop->tray.waitForItem();
}

bool TestE2eTraySni::clickIconUntil(bool right, const std::function<bool()>& effect) {
    E2eFixture& fx = m_desktop->fx;
    StatusNotifierTray& tray = m_desktop->tray;
    const QDeadlineTimer deadline(E2eFixture::WaitMs);
    while (!deadline.hasExpired()) {
        const bool clicked = right ? fx.input.rightClick(tray.bar(), tray.icon())
                                   : fx.input.click(tray.bar(), tray.icon());
        if (!clicked)
            return false;
        if (QTest::qWaitFor(effect, ClickEffectMs))
            return true;
        if (m_desktop->tray.menu() != 0 &&
            (!fx.input.key(QStringLiteral("Escape")) ||
             !QTest::qWaitFor([&] { return m_desktop->tray.menu() == 0; }, ClickEffectMs))) {
            return false;
        }
    }
    return false;
}

int TestE2eTraySni::menuHeight() const {
    const XWindows::Id menu = m_desktop->tray.menu();
    return menu == 0 ? 0 : m_desktop->fx.windows.geometry(menu).height();
}

bool TestE2eTraySni::waitForWindowBack() {
    E2eFixture& fx = m_desktop->fx;
    return fx.windows.waitFor(E2eFixture::MainTitle) == fx.mainWindow &&
           fx.windows.isShown(fx.mainWindow) && m_desktop->tray.waitUntilNoItem();
}

void TestE2eTraySni::aClickOnTheIconBringsTheWindowBack() {
    E2eFixture& fx = m_desktop->fx;
    StatusNotifierTray& tray = m_desktop->tray;
    E2E_START_APP(fx);
    QVERIFY2(minimiseToTray(), "the minimised window did not go to the tray");
    QVERIFY2(tray.toolTip().contains('"' + programversion::Title.toString().toUtf8() + '"'),
             tray.toolTip().constData());

    const auto windowShown = [&] { return !fx.windows.visible(E2eFixture::MainTitle).isEmpty(); };
    QVERIFY2(clickIconUntil(false, windowShown),
             "a click on the icon did not bring the window back");
    QVERIFY2(waitForWindowBack(), "the window came back, but the icon stayed");

    // And again: the icon comes back with the next minimise and still answers.
    QVERIFY2(minimiseToTray(), "the window did not go to the tray a second time");
    QVERIFY2(clickIconUntil(false, windowShown), "the second click did not bring the window back");
    QVERIFY2(waitForWindowBack(), "the window came back, but the icon stayed");
}

void TestE2eTraySni::rightClickShowsTheMenuWhoseOpenBringsTheWindowBack_data() {
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("elapsedLine");
    QTest::addColumn<QString>("startStopLine");
    QTest::newRow("before any session")
        << false << QStringLiteral("^Elapsed Time: N/A$") << QStringLiteral("Start Project");
    QTest::newRow("during a session") << true << QStringLiteral("^Elapsed Time: 0d 0h 0m \\d+s$")
                                      << QStringLiteral("_Stop Project");
}

void TestE2eTraySni::rightClickShowsTheMenuWhoseOpenBringsTheWindowBack() {
    QFETCH(bool, running);
    QFETCH(QString, elapsedLine);
    QFETCH(QString, startStopLine);
    E2eFixture& fx = m_desktop->fx;
    StatusNotifierTray& tray = m_desktop->tray;
    E2E_START_APP(fx);
    if (running)
        QVERIFY2(fx.startSession(QStringLiteral("Alpha")), qPrintable(fx.why()));
    QVERIFY2(minimiseToTray(), "the minimised window did not go to the tray");

    const bool shown =
        clickIconUntil(true, [&] { return menuHeight() >= MenuItems * MinRowHeight; });
    QVERIFY2(shown, qPrintable(QStringLiteral("a right-click on the icon showed no menu with its "
                                              "items, only one %1 pixels high")
                                   .arg(menuHeight())));

    // The host shows the lines the program handed over, refreshed as the menu opened.
    QStringList lines = tray.menuLines();
    QVERIFY2(!lines.isEmpty(), "the icon offers no menu");
    const QString elapsed = lines.takeFirst();
    QVERIFY2(QRegularExpression(elapsedLine).match(elapsed).hasMatch(), qPrintable(elapsed));
    const QStringList rest = {
        QStringLiteral("-"),      QStringLiteral("E_xit"), QStringLiteral("O_pen"),
        QStringLiteral("-"),      startStopLine,           QStringLiteral("-"),
        QStringLiteral("_Notes"), QStringLiteral("-"),     QStringLiteral("_Hide Menu")};
    QCOMPARE(lines, rest);

    // "O&pen" is the third item that can be chosen.
    QVERIFY(fx.input.key(QStringLiteral("Down Down Down Return")));
    QVERIFY2(waitForWindowBack(), "\"O&pen\" did not bring the window back");
    QVERIFY2(fx.windows.waitForActive(fx.mainWindow), "the window came back without the focus");
}

QTEST_GUILESS_MAIN(TestE2eTraySni)
#include "tst_e2e_tray_sni.moc"
