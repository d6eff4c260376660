#pragma once

#include "tallyhawk/version.h"
#include "tests/e2e/appundertest.h"
#include "tests/e2e/xdisplay.h"
#include "tests/e2e/xinput.h"
#include "tests/e2e/xwindows.h"

#include <QObject>
#include <QString>

#include <memory>

// One test's world: a fresh display with a window manager, input on it, and a copy of the
// program in a folder of its own. Steps that can fail return false and leave the reason in
// why().
class E2eFixture {
public:
    static inline const QString MainTitle = programversion::Title.toString();
    static inline const QString StartPromptTitle = QStringLiteral("What are you doing now?");
    // How long any one step may take before the test gives up on it.
    static constexpr int WaitMs = XWindows::DefaultWaitMs;

    // On a screen of the given size.
    explicit E2eFixture(QSize screen = {1280, 1024});

    // Starts the program and waits until its main window has the focus.
    [[nodiscard]] bool startApp();
    // Types the project name, presses Start and answers the input box with its preset text,
    // then waits for the start lines in the log.
    [[nodiscard]] bool startSession(const QString& project);
    // Waits until Start has written its lines, the last being the starting comment.
    [[nodiscard]] bool waitForStartLines();
    // Waits for the window and for the window manager to give it the focus.
    [[nodiscard]] bool waitForActiveWindow(const QString& title, XWindows::Id* window = nullptr);
    // Presses the keys in the Start input box once it has the focus, and waits until it has
    // gone.
    [[nodiscard]] bool answerStartPrompt(const QString& keys);

    QString why() const { return m_why; }
    // The data files, the program's output and the window list.
    QString report();

    XDisplay display;
    XWindows windows{display};
    XInput input{display};
    AppUnderTest app{display};
    XWindows::Id mainWindow = 0;

private:
    bool fail(const QString& reason);

    QString m_why;
};

// Prints the fixture's report when the test has failed.
void reportIfFailed(E2eFixture& fixture);

// A test class whose every test function runs in a fixture of its own, whose report is printed
// when the test failed.
class E2eTest : public QObject {
    Q_OBJECT
protected:
    E2eFixture& fixture() { return *m_fixture; }

private slots:
    void init() { m_fixture = std::make_unique<E2eFixture>(); }
    void cleanup() {
        reportIfFailed(*m_fixture);
        m_fixture.reset();
    }

private:
    std::unique_ptr<E2eFixture> m_fixture;
};

// Starts the program in the fixture and fails the test, saying why, unless its main window
// comes up with the focus.
#define E2E_START_APP(fx) QVERIFY2((fx).startApp(), qPrintable((fx).why()))
