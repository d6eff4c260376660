// A session started from a shell while the window waits in the notification area, and stopped
// from the window: one whole record.
#include "app/mainwindowlayout.h"
#include "tests/e2e/e2efixture.h"
#include "tests/e2e/traydesktops.h"

#include <QRegularExpression>
#include <QtTest>

class TestE2eDrive : public E2eTest {
    Q_OBJECT
private slots:
    void initTestCase() {
        for (const char* program : {"dbus-daemon", "trayer"}) {
            if (QStandardPaths::findExecutable(QLatin1StringView(program)).isEmpty())
                QSKIP(qPrintable(QLatin1StringView(program) +
                                 QStringLiteral(" is missing: build.sh installs it")));
        }
    }

    void startedFromAShellWhileInTheTrayAndStoppedFromTheWindow() {
        E2eFixture& fx = fixture();
        SessionBus bus(fx.display);
        XEmbedTray tray(fx.display);
        QVERIFY2(bus.error().isEmpty() && tray.error().isEmpty(),
                 qPrintable(bus.error() + tray.error()));
        E2E_START_APP(fx);
        QVERIFY(fx.windows.minimize(fx.mainWindow));
        QVERIFY(fx.windows.waitUntilGone(E2eFixture::MainTitle));
        const XWindows::Id icon = tray.waitForIcon(QStringLiteral("tallyhawk"));
        QVERIFY2(icon != 0, "the minimised window did not go to the tray");

        QProcess shell;
        QProcessEnvironment env = fx.display.environment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        shell.setProcessEnvironment(env);
        shell.start(fx.app.program(),
                    {QStringLiteral("--start"), QStringLiteral("Website redesign"),
                     QStringLiteral("--comment"), QStringLiteral("From the shell")});
        QVERIFY(shell.waitForFinished(E2eFixture::WaitMs));
        QCOMPARE(shell.exitCode(), 0);
        QVERIFY(fx.app.file(AppUnderTest::Tasks).contains(" [Starting Comments] From the shell"));
        QVERIFY2(fx.windows.visible(E2eFixture::MainTitle).isEmpty(),
                 "a start from the shell brought the window out of the tray");

        const QRect onScreen = fx.windows.geometry(icon);
        QVERIFY(fx.input.doubleClick(icon, QPoint(onScreen.width() / 2, onScreen.height() / 2)));
        QVERIFY(
            QTest::qWaitFor([&] { return fx.windows.isShown(fx.mainWindow); }, E2eFixture::WaitMs));
        QVERIFY(fx.input.click(fx.mainWindow, mainwindowlayout::CmdStartStop.centre()));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return fx.app.file(AppUnderTest::Tasks)
                    .endsWith("<!--  END SESSION  -->\r\n\r\n\r\n");
            },
            E2eFixture::WaitMs));

        const QRegularExpression record(
            QStringLiteral("^<!--  BEGIN SESSION //-->\\r\\n"
                           "([^\\r\\n]+) \\[Started\\] Website redesign\\r\\n"
                           "\\1 \\[Starting Comments\\] From the shell\\r\\n"
                           "[^\\r\\n]+ \\[Stopped\\] Website redesign\\r\\n"
                           "\\[Total Time\\] 0d 0h 0m \\d+s\\r\\n"
                           "<!--  END SESSION  -->\\r\\n\\r\\n\\r\\n$"));
        const QByteArray log = fx.app.file(AppUnderTest::Tasks);
        QVERIFY2(record.match(QString::fromLatin1(log)).hasMatch(), log.constData());
        QCOMPARE(fx.app.file(AppUnderTest::Projects), QByteArray("Website redesign\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestE2eDrive)
#include "tst_e2e_drive.moc"
