// The whole program with the keyboard alone, from a fresh start, and what a screen reader finds:
// no control that takes the focus is nameless. Only real keys; no click.
#include "tests/e2e/accessibilitybus.h"
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/traydesktops.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Prompt = QStringLiteral("What are you doing now?");
// The away question, and a box without a title of its own.
const QString Question = QStringLiteral("Tallyhawk");
const QString Box = QStringLiteral("Tallyhawk");

// Stands in for the desktop's opener of web pages and e-mail: it writes down what it was asked
// to open.
class FakeOpener {
public:
    explicit FakeOpener(XDisplay& display) {
        QFile script(m_folder.filePath(QStringLiteral("xdg-open")));
        const QByteArray text = "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" +
                                m_folder.filePath(QStringLiteral("opened")).toUtf8() + "'\n";
        if (script.open(QIODevice::WriteOnly) && script.write(text) == text.size()) {
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        display.setVariable(QStringLiteral("PATH"),
                            m_folder.path() + u':' + qEnvironmentVariable("PATH"));
    }
    QByteArray opened() const {
        QFile file(m_folder.filePath(QStringLiteral("opened")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
};

} // namespace

class TestE2eKeyboard : public E2eTest {
    Q_OBJECT
private slots:
    void everythingWithTheKeyboardAlone();

private:
    // Presses the keys and fails the test when xdotool cannot.
    void keys(const QString& keys);
    // Alt+Tab until the window with the title has the focus, as a user moves to a window that
    // came up without it.
    bool altTabTo(const QString& title);
    bool waitForLog(const QByteArray& text, int timeoutMs = E2eFixture::WaitMs);
};

void TestE2eKeyboard::keys(const QString& keys) {
    QVERIFY2(fixture().input.key(keys), qPrintable(QStringLiteral("xdotool key ") + keys));
}

bool TestE2eKeyboard::altTabTo(const QString& title) {
    E2eFixture& fx = fixture();
    const XWindows::Id target = fx.windows.waitFor(title);
    for (int i = 0; target && i < 8; ++i) {
        if (fx.windows.waitForActive(target, 500))
            return true;
        fx.input.key(QStringLiteral("alt+Tab"));
    }
    return false;
}

bool TestE2eKeyboard::waitForLog(const QByteArray& text, int timeoutMs) {
    return QTest::qWaitFor([&] { return fixture().app.file(AppUnderTest::Tasks).contains(text); },
                           timeoutMs);
}

// Fails the test when a screen reader finds a control nameless, with the windows now open.
#define CHECK_NAMES(bus, when)                                                                     \
    do {                                                                                           \
        const QStringList nameless = (bus).nameless();                                             \
        QVERIFY2(nameless.isEmpty(),                                                               \
                 qPrintable(QStringLiteral(when ":\n") + nameless.join(u'\n')));                   \
    } while (false)

void TestE2eKeyboard::everythingWithTheKeyboardAlone() {
    E2eFixture& fx = fixture();
    SessionBus sessionBus(fx.display);
    AccessibilityBus a11y(fx.display, sessionBus);
    if (!a11y.error().isEmpty())
        QSKIP(qPrintable(a11y.error()));
    FakeOpener opener(fx.display);
    // Away after a minute, and the prompt every minute, so that one minute brings both.
    QVERIFY(fx.app.seed(AppUnderTest::Settings, "[Away]\r\nMinutes=1\r\n"));
    E2E_START_APP(fx);
    CHECK_NAMES(a11y, "main window");

    // The focus starts on Start; Tab reaches the project box, then "+" (Notes is disabled).
    keys(QStringLiteral("Tab"));
    QVERIFY(fx.input.type(QStringLiteral("Alpha")));
    keys(QStringLiteral("Tab space"));
    QVERIFY(fx.app.waitForFile(AppUnderTest::Projects, "Alpha\r\n"));
    keys(QStringLiteral("shift+Tab ctrl+a"));
    QVERIFY(fx.input.type(QStringLiteral("Beta")));
    keys(QStringLiteral("Tab space"));
    QVERIFY(fx.app.waitForFile(AppUnderTest::Projects, "Alpha\r\nBeta\r\n"));
    // Down picks the entries in the box; "-" is five stops on, past the link and the prompt row.
    keys(QStringLiteral("shift+Tab Down Down Tab Tab Tab Tab Tab space"));
    QVERIFY(fx.app.waitForFile(AppUnderTest::Projects, "Alpha\r\n"));
    // Back to the box for the name, then on to the interval: one minute.
    keys(QStringLiteral("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a"));
    QVERIFY(fx.input.type(QStringLiteral("Alpha")));
    keys(QStringLiteral("Tab Tab Tab Tab ctrl+a"));
    QVERIFY(fx.input.type(QStringLiteral("1")));

    // A session with its comment and a note, stopped: back past the prompt row, the link, "+"
    // and the box to Start, where the focus stays from now on.
    keys(QStringLiteral("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space"));
    QVERIFY2(fx.waitForActiveWindow(Prompt), qPrintable(fx.why()));
    CHECK_NAMES(a11y, "the box asking for the comment");
    QVERIFY(fx.input.type(QStringLiteral("Planning the week")));
    keys(QStringLiteral("Return"));
    QVERIFY(waitForLog(" [Starting Comments] Planning the week\r\n"));
    QVERIFY2(fx.windows.waitForActive(fx.mainWindow), "the main window did not get the focus back");
    keys(QStringLiteral("alt+n"));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Notes")), qPrintable(fx.why()));
    QVERIFY(fx.input.type(QStringLiteral("First note")));
    CHECK_NAMES(a11y, "Notes window");
    keys(QStringLiteral("alt+o"));
    QVERIFY(waitForLog(" [Notes] First note\r\n"));
    QVERIFY(fx.windows.waitForActive(fx.mainWindow));
    keys(QStringLiteral("space"));
    QVERIFY(waitForLog(" [Stopped] Alpha\r\n"));

    // Another session left alone: after a minute the prompt comes up, and the first key after
    // it finds the user back from away.
    keys(QStringLiteral("space"));
    QVERIFY2(fx.answerStartPrompt(QStringLiteral("Return")), qPrintable(fx.why()));
    QVERIFY(waitForLog(" [Starting Comments] Default\r\n"));
    QVERIFY2(fx.windows.waitFor(Prompt, 75000), "no prompt after a minute");
    QTest::qWait(7000);
    keys(QStringLiteral("shift"));
    QVERIFY2(fx.windows.waitFor(Question), "no away question after coming back");
    CHECK_NAMES(a11y, "prompt and away question");
    QVERIFY2(altTabTo(Prompt), "Alt+Tab did not reach the prompt");
    QVERIFY(fx.input.type(QStringLiteral("Reviewing")));
    keys(QStringLiteral("alt+o"));
    QVERIFY(waitForLog(" [Notes] Reviewing\r\n"));
    QVERIFY2(altTabTo(Question), "Alt+Tab did not reach the away question");
    keys(QStringLiteral("Tab space"));
    QVERIFY(QTest::qWaitFor(
        [&fx] { return fx.app.file(AppUnderTest::Tasks).count(" [Stopped] Alpha\r\n") == 2; },
        E2eFixture::WaitMs));
    QVERIFY(fx.windows.waitUntilGone(Question));

    // Reports from its link: Start, the box, "+", then the link.
    QVERIFY(altTabTo(E2eFixture::MainTitle));
    keys(QStringLiteral("Tab Tab Tab Return"));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Reports")), qPrintable(fx.why()));
    CHECK_NAMES(a11y, "Reports window");
    // From the pane past "Clear Log and Exit" into the tree: the first session opened.
    keys(QStringLiteral("Tab Tab Down Down Right"));
    QTemporaryDir elsewhere;
    const QString saved = elsewhere.filePath(QStringLiteral("saved.txt"));
    keys(QStringLiteral("Tab space"));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Save As")), qPrintable(fx.why()));
    QVERIFY(fx.input.type(saved));
    keys(QStringLiteral("Return"));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Sucess")), qPrintable(fx.why()));
    keys(QStringLiteral("Return"));
    QFile copy(saved);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), fx.app.file(AppUnderTest::Tasks));
    // Print: without a printer the program says so in a box, which Enter closes.
    QVERIFY(fx.windows.waitForActive(fx.windows.waitFor(QStringLiteral("Reports"))));
    keys(QStringLiteral("Tab space"));
    if (fx.windows.waitFor(Box, 3000))
        keys(QStringLiteral("Return"));
    QVERIFY(fx.windows.waitForActive(fx.windows.waitFor(QStringLiteral("Reports"))));
    keys(QStringLiteral("shift+Tab shift+Tab shift+Tab space"));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("confirm")), qPrintable(fx.why()));
    keys(QStringLiteral("Return"));
    QVERIFY(fx.windows.waitUntilGone(QStringLiteral("Reports")));
    QVERIFY2(!fx.app.file(AppUnderTest::Tasks).contains("[Started]"), "the log was not cleared");

    // A scheme: the Settings link is five stops after the Reports link.
    QVERIFY(fx.windows.waitForActive(fx.mainWindow));
    keys(QStringLiteral("Tab Tab Tab Tab Tab Return"));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("Settings")), qPrintable(fx.why()));
    CHECK_NAMES(a11y, "Settings window");
    keys(QStringLiteral("Right"));
    QVERIFY(
        QTest::qWaitFor([&fx] { return fx.app.file(AppUnderTest::Settings).contains("Red=True"); },
                        E2eFixture::WaitMs));
    keys(QStringLiteral("alt+F4"));
    QVERIFY(fx.windows.waitUntilGone(QStringLiteral("Settings")));

    // About, the next stop, and its two links.
    QVERIFY(fx.windows.waitForActive(fx.mainWindow));
    keys(QStringLiteral("Tab Return"));
    QVERIFY2(fx.waitForActiveWindow(QStringLiteral("About")), qPrintable(fx.why()));
    CHECK_NAMES(a11y, "About window");
    keys(QStringLiteral("space Tab Return"));
    QVERIFY(QTest::qWaitFor([&opener] { return opener.opened().count('\n') == 2; },
                            E2eFixture::WaitMs));
    QCOMPARE(opener.opened(), "https://www.example.com/tallyhawk\nmailto:tallyhawk@example.com\n");
    keys(QStringLiteral("alt+F4"));
    QVERIFY(fx.windows.waitUntilGone(QStringLiteral("About")));

    QVERIFY(fx.windows.waitForActive(fx.mainWindow));
    keys(QStringLiteral("alt+F4"));
    QVERIFY2(fx.app.waitForExit(E2eFixture::WaitMs), "the program did not end");
    QCOMPARE(fx.app.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestE2eKeyboard)
#include "tst_e2e_keyboard.moc"
