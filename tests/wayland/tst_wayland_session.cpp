// The program under a real Wayland compositor, headless weston, on Qt's Wayland platform: its
// windows show, and a session writes its whole record. Weston takes no input from outside, so
// the session is driven from inside with Qt's test events. The program starts weston, then runs
// itself again as a Wayland client of it; without weston the tests show as skipped.
#include "tests/support/apprig.h"
#include "tests/wayland/weston.h"
#include "ui/windowplacement.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <cstdio>

namespace {

// Set in the run that is the compositor's client.
constexpr char UnderWeston[] = "TALLYHAWK_TEST_UNDER_WESTON";
constexpr int SkipCode = 77;

const QByteArray Begin = "<!--  BEGIN SESSION //-->\r\n";
const QByteArray End = "<!--  END SESSION  -->\r\n\r\n\r\n";

void clickOn(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

class HideCounter final : public QObject {
public:
    int count = 0;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            ++count;
        return false;
    }
};

} // namespace

class TestWaylandSession : public QObject {
    Q_OBJECT
private slots:
    void runsOnWayland() { QCOMPARE(QGuiApplication::platformName(), u"wayland"_qs); }

    void sessionWritesItsWholeRecord() {
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::keyClicks(rig.find<QComboBox>(u"CboProject"_qs)->lineEdit(), u"Wayland"_qs);
        rig.dialogs.answerInput(u"Checking the compositor"_qs);
        clickOn(rig.find(u"CmdStartStop"_qs));
        rig.runSeconds(65);

        clickOn(rig.find(u"CmdNotes"_qs));
        QWidget* notes = rig.find(u"FrmNotes"_qs);
        QVERIFY(notes);
        QVERIFY(QTest::qWaitForWindowExposed(notes));
        QTest::keyClicks(notes->findChild<QPlainTextEdit*>(u"Text1"_qs), u"Typed on Wayland"_qs);
        clickOn(notes->findChild<QPushButton*>(u"CmdOk"_qs));

        rig.runSeconds(5);
        clickOn(rig.find(u"CmdStartStop"_qs));
        QCOMPARE(rig.log(), Begin +
                                "6/3/2008 9:00:05 AM [Started] Wayland\r\n"
                                "6/3/2008 9:00:05 AM [Starting Comments] Checking the "
                                "compositor\r\n"
                                "6/3/2008 9:01:10 AM [Notes] Typed on Wayland\r\n"
                                "6/3/2008 9:01:15 AM [Stopped] Wayland\r\n"
                                "[Total Time] 0d 0h 1m 10s\r\n" +
                                End);
    }

    void linkedWindowsShow_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened");
        QTest::newRow("Reports") << u"LblReports"_qs << u"FrmLog"_qs;
        QTest::newRow("Settings") << u"LblSettings"_qs << u"FrmSettings"_qs;
        QTest::newRow("About") << u"LblAbout"_qs << u"FrmAbout"_qs;
    }
    void linkedWindowsShow() {
        QFETCH(QString, link);
        QFETCH(QString, opened);
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        clickOn(rig.find(link));
        QWidget* shown = rig.find(opened);
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
    }

    // No Wayland client can keep a window on top: the prompt shows its window and asks for it
    // to be activated. Asking for the top band anyway would only make Qt take the window down
    // and put it up again.
    void promptShowsItsWindowWithoutTakingItDown_data() {
        QTest::addColumn<bool>("shownBefore");
        QTest::newRow("shown window") << true;
        QTest::newRow("hidden window") << false;
    }
    void promptShowsItsWindowWithoutTakingItDown() {
        QFETCH(bool, shownBefore);
        QWidget notes;
        notes.resize(418, 98);
        notes.setWindowTitle(u"What are you doing now?"_qs);
        if (shownBefore) {
            notes.show();
            QVERIFY(QTest::qWaitForWindowExposed(&notes));
        }
        HideCounter hides;
        notes.installEventFilter(&hides);

        SystemWindowPlacement placement;
        placement.SetTopMost(&notes, true);
        QVERIFY(notes.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&notes));
        QCOMPARE(hides.count, 0);
        QCOMPARE(notes.size(), QSize(418, 98));
    }
};

namespace {

// Starts the compositor and runs this program again as its client, passing the arguments on.
int runUnderWeston(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Weston weston;
    if (!weston.start()) {
        std::printf("SKIP: no Wayland compositor to run on: %s\n", qPrintable(weston.error()));
        return SkipCode;
    }
    QProcessEnvironment env = weston.environment();
    env.insert(QLatin1StringView(UnderWeston), QStringLiteral("1"));
    QProcess tests;
    tests.setProcessEnvironment(env);
    tests.setProcessChannelMode(QProcess::ForwardedChannels);
    tests.start(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
    if (!tests.waitForStarted() || !tests.waitForFinished(-1)) {
        std::printf("FAIL: the tests could not run under weston: %s\n",
                    qPrintable(tests.errorString()));
        return 1;
    }
    const bool passed = tests.exitStatus() == QProcess::NormalExit && tests.exitCode() == 0;
    if (!passed)
        std::printf("weston's output:\n%s\n", qPrintable(weston.log()));
    if (tests.exitStatus() != QProcess::NormalExit)
        return 1;
    return tests.exitCode();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty(UnderWeston))
        return runUnderWeston(argc, argv);
    QApplication app(argc, argv);
    TestWaylandSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland_session.moc"
