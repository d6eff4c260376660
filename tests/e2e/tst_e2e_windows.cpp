// Every window as the window manager sees it, and the Reports window's keyboard use.
#include "app/mainwindowlayout.h"
#include "reports/reportswindowlayout.h"
#include "tests/e2e/e2efixture.h"

#include <QtTest>

#include <memory>

namespace {

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr quint64 HasFunctions = 0x1;
constexpr quint64 HasDecorations = 0x2;
constexpr quint64 FuncAll = 0x1;
constexpr quint64 FuncMaximize = 0x10;
constexpr quint64 FuncClose = 0x20;
constexpr quint64 DecorAll = 0x1;
constexpr quint64 DecorMaximize = 0x40;

// With the "all" bit set, the other bits name what is taken away.
bool allows(quint64 bits, quint64 allBit, quint64 bit) {
    return (bits & allBit) ? !(bits & bit) : (bits & bit);
}

// Why the hints fail "close box, no maximise button"; empty when they pass.
QString motifHintsFault(const QByteArray& hints) {
    if (hints.isEmpty())
        return QStringLiteral("no _MOTIF_WM_HINTS, so every function and decoration is allowed");
    QList<quint64> values;
    for (const QByteArray& part : hints.split(','))
        values.append(part.trimmed().toULongLong(nullptr, 16));
    if (values.size() < 3)
        return QStringLiteral("unreadable _MOTIF_WM_HINTS ") + QString::fromLatin1(hints);
    const quint64 flags = values[0];
    QStringList faults;
    // Without the functions or decorations flag, the window manager offers everything.
    const quint64 functions = (flags & HasFunctions) ? values[1] : FuncAll;
    const quint64 decorations = (flags & HasDecorations) ? values[2] : DecorAll;
    if (allows(functions, FuncAll, FuncMaximize))
        faults << QStringLiteral("maximise function allowed");
    if (!allows(functions, FuncAll, FuncClose))
        faults << QStringLiteral("no close function");
    if (allows(decorations, DecorAll, DecorMaximize))
        faults << QStringLiteral("maximise button decoration");
    if (faults.isEmpty())
        return {};
    return faults.join(QStringLiteral(", ")) + QStringLiteral(" [") + QString::fromLatin1(hints) +
           u']';
}

} // namespace

class TestE2eWindows : public E2eTest {
    Q_OBJECT
private slots:
    void everyWindowHasCloseBoxAndNoMaximise();
    void minimisedWindowComesBackFromItsLink_data();
    void minimisedWindowComesBackFromItsLink();
    void tabMovesFocusOutOfTheReportsPane();
};

void TestE2eWindows::everyWindowHasCloseBoxAndNoMaximise() {
    E2eFixture& fx = fixture();
    E2E_START_APP(fx);
    QStringList faults;
    auto check = [&](const QString& title, XWindows::Id window) {
        const QString fault =
            motifHintsFault(fx.windows.property(window, QStringLiteral("_MOTIF_WM_HINTS")));
        if (!fault.isEmpty())
            faults << title + QStringLiteral(": ") + fault;
    };
    check(E2eFixture::MainTitle, fx.mainWindow);

    // One window at a time, closed again by its close box, so that none covers the links.
    const struct {
        QString title;
        QPoint link;
    } secondary[] = {{QStringLiteral("Reports"), mainwindowlayout::LblReports.centre()},
                     {QStringLiteral("Settings"), mainwindowlayout::LblSettings.centre()},
                     {QStringLiteral("About"), mainwindowlayout::LblAbout.centre()}};
    for (const auto& [title, link] : secondary) {
        QVERIFY(fx.input.click(fx.mainWindow, link));
        XWindows::Id window = 0;
        QVERIFY2(fx.waitForActiveWindow(title, &window), qPrintable(fx.why()));
        check(title, window);
        QVERIFY(fx.windows.close(window));
        QVERIFY2(fx.windows.waitUntilGone(title),
                 qPrintable(title + QStringLiteral(" did not close")));
    }

    QVERIFY2(fx.startSession(QStringLiteral("Alpha")), qPrintable(fx.why()));
    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CmdNotes.centre()));
    XWindows::Id notes = 0;
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Notes"), &notes), qPrintable(fx.why()));
    check(QStringLiteral("Notes"), notes);

    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestE2eWindows::minimisedWindowComesBackFromItsLink_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QPoint>("link");
    QTest::newRow("Settings") << QStringLiteral("Settings")
                              << mainwindowlayout::LblSettings.centre();
    QTest::newRow("About") << QStringLiteral("About") << mainwindowlayout::LblAbout.centre();
}

void TestE2eWindows::minimisedWindowComesBackFromItsLink() {
    QFETCH(QString, title);
    QFETCH(QPoint, link);
    E2eFixture& fx = fixture();
    E2E_START_APP(fx);

    QVERIFY(fx.input.click(fx.mainWindow, link));
    XWindows::Id window = 0;
    QVERIFY2(fx.waitForActiveWindow(title, &window), qPrintable(fx.why()));
    QVERIFY(fx.windows.minimize(window));
    QVERIFY2(QTest::qWaitFor([&] { return !fx.windows.isShown(window); }, E2eFixture::WaitMs),
             "the window did not minimise");

    QVERIFY(fx.input.click(fx.mainWindow, link));
    const bool back = QTest::qWaitFor(
        [&] {
            const QList<XWindows::Id> shown = fx.windows.visible(title);
            return shown.size() == 1 && fx.windows.isShown(shown.first());
        },
        E2eFixture::WaitMs);
    QVERIFY2(back, "the link did not bring the minimised window back");
}

void TestE2eWindows::tabMovesFocusOutOfTheReportsPane() {
    E2eFixture& fx = fixture();
    const QByteArray log = "<!--  BEGIN SESSION //-->\r\n"
                           "1/2/2026 9:00:00 AM [Started] Alpha\r\n"
                           "1/2/2026 9:30:00 AM [Stopped] Alpha\r\n"
                           "[Total Time] 0d 0h 30m 0s\r\n"
                           "<!--  END SESSION  -->\r\n"
                           "\r\n";
    QVERIFY(fx.app.seed(AppUnderTest::Tasks, log));
    E2E_START_APP(fx);
    QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::LblReports.centre()));
    XWindows::Id reports = 0;
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Reports"), &reports), qPrintable(fx.why()));

    // From the pane, Tab reaches "Clear Log and Exit"; Space presses it, which asks first.
    QVERIFY(fx.input.click(reports, reportswindowlayout::LogPane.centre()));
    QVERIFY(fx.input.key(QStringLiteral("Tab space")));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("confirm")),
             "Tab then Space in the pane did not press \"Clear Log and Exit\"");
    QVERIFY(fx.input.key(QStringLiteral("Escape")));
    QVERIFY(fx.windows.waitUntilGone(QStringLiteral("confirm")));

    // Then on through the tree to "Save Log".
    QVERIFY2(fx.windows.waitForActive(reports), "the Reports window did not get the focus back");
    QVERIFY(fx.input.key(QStringLiteral("Tab Tab space")));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Save As")),
             "Tab, Tab, Space after \"Clear Log and Exit\" did not press \"Save Log\"");
    QVERIFY(fx.input.key(QStringLiteral("Escape")));
    QVERIFY(fx.windows.waitUntilGone(QStringLiteral("Save As")));

    QCOMPARE(fx.app.file(AppUnderTest::Tasks), log);
    QCOMPARE(fx.windows.visible(QStringLiteral("Reports")).size(), 1);
}

QTEST_GUILESS_MAIN(TestE2eWindows)
#include "tst_e2e_windows.moc"
