#include "app/noteswindow.h"
#include "app/programend.h"
#include "app/shutdownsignals.h"
#include "tallyhawk/version.h"
#include "tests/support/apprig.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/updown.h"

#include <csignal>

namespace {

void start(AppRig& rig, const QString& project) {
    rig.typeProject(project);
    rig.click(u"CmdStartStop"_qs);
}

// The log's lines after the start lines of the first record.
QByteArray afterStart(const AppRig& rig) {
    const QByteArray log = rig.log();
    const qsizetype started = log.indexOf("[Started]");
    return log.mid(log.indexOf("\r\n", started) + 2);
}

// Key presses into the focused widget. Unlike QTest::keyClicks this also types the Latin-1
// letters beyond ASCII, whose key codes are their capital letters.
void typeKeys(const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                            Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

QWidget* notesWindow(const AppRig& rig) {
    return rig.find(u"FrmNotes"_qs);
}

QPlainTextEdit* noteBox(const AppRig& rig) {
    QWidget* notes = notesWindow(rig);
    return notes ? notes->findChild<QPlainTextEdit*>(u"Text1"_qs) : nullptr;
}

// Types into the Notes window as the user does.
void typeNote(AppRig& rig, const QString& text) {
    QWidget* notes = notesWindow(rig);
    QApplication::setActiveWindow(notes);
    QTest::mouseClick(noteBox(rig)->viewport(), Qt::LeftButton);
    typeKeys(text);
}

enum class Ending { CloseBox, ExitItem, DesktopSessionEnd, Sigterm, Sigint };

} // namespace

class TestMainWindowPrompt : public QObject {
    Q_OBJECT
private slots:
    void notesAreLoggedWhenTheWindowCloses_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("byOk");
        QTest::addColumn<QByteArray>("logged");
        QTest::newRow("one line, Ok") << u"Call with the client"_qs << true
                                      << QByteArray("6/3/2008 9:10:05 AM [Notes] Call with the "
                                                    "client\r\n");
        QTest::newRow("one line, close box")
            << u"Lunch"_qs << false << QByteArray("6/3/2008 9:10:05 AM [Notes] Lunch\r\n");
        QTest::newRow("two lines") << u"first\nsecond"_qs << true
                                   << QByteArray("6/3/2008 9:10:05 AM [Notes] first\r\nsecond\r\n");
        QTest::newRow("spaces") << u"   "_qs << true
                                << QByteArray("6/3/2008 9:10:05 AM [Notes]    \r\n");
        QTest::newRow("empty") << QString() << true << QByteArray();
    }
    void notesAreLoggedWhenTheWindowCloses() {
        QFETCH(QString, note);
        QFETCH(bool, byOk);
        QFETCH(QByteArray, logged);
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.runMinutes(10);
        rig.click(u"CmdNotes"_qs);
        QWidget* notes = notesWindow(rig);
        QVERIFY(notes && notes->isVisible());
        QCOMPARE(notes->windowTitle(), u"Notes"_qs);
        noteBox(rig)->setPlainText(note);
        if (byOk)
            notes->findChild<QPushButton*>(u"CmdOk"_qs)->click();
        else
            notes->close();
        QCOMPARE(afterStart(rig), logged);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!notesWindow(rig));
    }

    // A no-break space is a character of its own in the log's character set.
    void aNoteIsLoggedExactlyAsTyped() {
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        start(rig, u"Alpha"_qs);
        rig.find<QPushButton>(u"CmdNotes"_qs)->click();
        typeNote(rig, u"10\u00a0km \u00e9t\u00e9"_qs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        typeKeys(u"next\u00a0line"_qs);
        QTest::mouseClick(notesWindow(rig)->findChild<QPushButton*>(u"CmdOk"_qs), Qt::LeftButton);
        QCOMPARE(afterStart(rig), QByteArray("6/3/2008 9:00:05 AM [Notes] 10\xa0km \xe9t\xe9\r\n"
                                             "next\xa0line\r\n"));
    }

    // Resizable, with a close box and a minimise box, but no maximise box.
    void notesWindowHasNoMaximiseBox() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.click(u"CmdNotes"_qs);
        QWidget* notes = notesWindow(rig);
        QVERIFY(notes && notes->isVisible());
        for (const Qt::WindowFlags flags : {notes->windowFlags(), notes->windowHandle()->flags()}) {
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
        }
        QVERIFY(notes->minimumSize() != notes->maximumSize());
    }

    void aNoteSavedAfterItsSessionFollowsTheRecord() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.click(u"CmdNotes"_qs);
        noteBox(rig)->setPlainText(u"late"_qs);
        rig.runSeconds(3);
        rig.click(u"CmdStartStop"_qs);
        notesWindow(rig)->close();
        QVERIFY(rig.log().endsWith("<!--  END SESSION  -->\r\n\r\n\r\n"
                                   "6/3/2008 9:00:08 AM [Notes] late\r\n"));
    }

    void aNoteThatCannotBeWrittenIsShownToCopy() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.click(u"CmdNotes"_qs);
        QFile::remove(rig.path(u"Tasks.txt"_qs));
        QVERIFY(QDir(rig.dir.path()).mkdir(u"Tasks.txt"_qs));
        noteBox(rig)->setPlainText(u"Keep me"_qs);
        notesWindow(rig)->close();
        QCOMPARE(rig.dialogs.messages.size(), 1);
        QCOMPARE(rig.dialogs.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(rig.dialogs.messages[0].text.contains(u"Keep me"_qs));
        QVERIFY(rig.dialogs.messages[0].text.contains(rig.path(u"Tasks.txt"_qs)));
        // Written with the stop lines once the log can be written again.
        QVERIFY(QDir(rig.dir.path()).rmdir(u"Tasks.txt"_qs));
        rig.click(u"CmdStartStop"_qs);
        QVERIFY(rig.log().startsWith("6/3/2008 9:00:05 AM [Notes] Keep me\r\n"
                                     "6/3/2008 9:00:05 AM [Stopped] Alpha\r\n"));
    }

    void notesFromTheMenuAskToStartAnIdleProject_data() {
        QTest::addColumn<QString>("project");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        const QString tail = u" is not running. Would you like to start the project?"_qs;
        QTest::newRow("Alpha, yes") << u"Alpha"_qs << true << u"Project - Alpha"_qs + tail;
        QTest::newRow("Alpha, no") << u"Alpha"_qs << false << u"Project - Alpha"_qs + tail;
        QTest::newRow("empty, yes") << QString() << true << u"Project - "_qs + tail;
    }
    void notesFromTheMenuAskToStartAnIdleProject() {
        QFETCH(QString, project);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        AppRig rig;
        rig.load();
        rig.typeProject(project);
        rig.dialogs.answerQuestion(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        rig.find<QAction>(u"MnuNotes"_qs)->trigger();
        QCOMPARE(rig.dialogs.messages[0].text, question);
        QCOMPARE(rig.dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(rig.session().isRunning(), yes && !project.isEmpty());
        if (yes && project.isEmpty())
            QCOMPARE(rig.dialogs.messages.last().text, u"Please enter a project name"_qs);
        QVERIFY(!notesWindow(rig));
    }

    void notesFromTheMenuDuringASessionOpenTheWindow() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.find<QAction>(u"MnuNotes"_qs)->trigger();
        QVERIFY(notesWindow(rig) && notesWindow(rig)->isVisible());
        QVERIFY(rig.dialogs.messages.isEmpty());
    }

    void promptsEveryIntervalWithOneNotesWindow() {
        AppRig rig;
        MainWindow& window = rig.load();
        start(rig, u"Alpha"_qs);
        rig.runMinutes(29);
        QCOMPARE(rig.desktop.beeps, 0);
        QVERIFY(!notesWindow(rig));
        rig.runMinutes(1);
        QCOMPARE(rig.desktop.beeps, 1);
        QWidget* notes = notesWindow(rig);
        QVERIFY(notes && notes->isVisible());
        QCOMPARE(notes->windowTitle(), u"What are you doing now?"_qs);
        QCOMPARE(rig.placement.topMost, QList<QWidget*>{notes});
        QCOMPARE(rig.session().minuteCount(), 0);

        noteBox(rig)->setPlainText(u"half typed"_qs);
        rig.runMinutes(30);
        QCOMPARE(rig.desktop.beeps, 2);
        QCOMPARE(notesWindow(rig), notes);
        QCOMPARE(noteBox(rig)->toPlainText(), u"half typed"_qs);
        QCOMPARE(window.findChildren<NotesWindow*>().size(), 1);
    }

    void promptWorksWhileTheWindowIsInTheTray() {
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        start(rig, u"Alpha"_qs);
        window.setWindowState(Qt::WindowMinimized);
        QVERIFY(window.isHidden());
        rig.runMinutes(30);
        QVERIFY(notesWindow(rig)->isVisible());
        QVERIFY(window.isHidden());
    }

    void anUncheckedBoxNeverPromptsAndTheCountGoesOn() {
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        QTest::mouseClick(rig.find(u"ChkAskMe"_qs), Qt::LeftButton);
        start(rig, u"Alpha"_qs);
        rig.runMinutes(61);
        QCOMPARE(rig.desktop.beeps, 0);
        QVERIFY(!notesWindow(rig));
        QCOMPARE(rig.session().minuteCount(), 61);
    }

    void changingTheIntervalRestartsTheCount() {
        AppRig rig;
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.runMinutes(15);
        rig.find<UpDownControl>(u"UpDown"_qs)->setValue(10);
        QCOMPARE(rig.find<QLineEdit>(u"TxtAsk"_qs)->text(), u"10"_qs);
        QCOMPARE(rig.session().minuteCount(), 0);
        rig.runMinutes(9);
        QCOMPARE(rig.desktop.beeps, 0);
        rig.runMinutes(1);
        QCOMPARE(rig.desktop.beeps, 1);
    }

    void checkingTheBoxRestartsTheCount() {
        AppRig rig;
        rig.load();
        rig.find<QCheckBox>(u"ChkAskMe"_qs)->setChecked(false);
        start(rig, u"Alpha"_qs);
        rig.runMinutes(20);
        QCOMPARE(rig.session().minuteCount(), 20);
        rig.find<QCheckBox>(u"ChkAskMe"_qs)->setChecked(true);
        QCOMPARE(rig.session().minuteCount(), 0);
        rig.runMinutes(29);
        QCOMPARE(rig.desktop.beeps, 0);
        rig.runMinutes(1);
        QCOMPARE(rig.desktop.beeps, 1);
    }

    void anIntervalWithALeadingZeroNeverPrompts() {
        AppRig rig;
        rig.writeFile(u"Settings.ini"_qs, "[Textboxes]\r\nTxtAsk=030\r\n");
        rig.load();
        start(rig, u"Alpha"_qs);
        rig.runMinutes(61);
        QCOMPARE(rig.desktop.beeps, 0);
        QCOMPARE(rig.session().minuteCount(), 61);
    }

    void trayMenuFollowsTheSession() {
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        QCOMPARE(rig.find<QAction>(u"MnuStartStop"_qs)->text(), u"Start Project"_qs);
        start(rig, u"Alpha"_qs);
        QCOMPARE(rig.find<QAction>(u"MnuStartStop"_qs)->text(), u"&Stop Project"_qs);
        window.setWindowState(Qt::WindowMinimized);
        QVERIFY(rig.tray.shown);
        QCOMPARE(rig.tray.tip, programversion::Title.toString());
        rig.runSeconds(7);
        // The line is written as the menu shows, not at every tick.
        QCOMPARE(rig.find<QAction>(u"MnuElapsed"_qs)->text(), u"Elapsed Time"_qs);
        rig.tray.showMenu();
        QCOMPARE(rig.find<QAction>(u"MnuElapsed"_qs)->text(), u"Elapsed Time: 0d 0h 0m 7s"_qs);

        // Stop from the menu leaves the window in the tray.
        rig.find<QAction>(u"MnuStartStop"_qs)->trigger();
        QCOMPARE(rig.find<QAction>(u"MnuStartStop"_qs)->text(), u"S&tart Project"_qs);
        QVERIFY(window.isHidden());
        QVERIFY(rig.tray.shown);
        QVERIFY(
            rig.log().endsWith("[Total Time] 0d 0h 0m 7s\r\n<!--  END SESSION  -->\r\n\r\n\r\n"));

        // Start from the menu with no name brings the window back.
        rig.typeProject(QString());
        rig.find<QAction>(u"MnuStartStop"_qs)->trigger();
        QCOMPARE(rig.dialogs.messageTexts().last(), u"Please enter a project name"_qs);
        QVERIFY(window.isVisible());
        QVERIFY(!rig.tray.shown);
    }

    void trayIconRestoresOnDoubleClickOnly() {
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        window.setWindowState(Qt::WindowMinimized);
        QVERIFY(window.isHidden());
        rig.tray.click(TrayIcon::Event::LeftButtonDown);
        QVERIFY(window.isHidden());
        rig.tray.click(TrayIcon::Event::LeftDoubleClick);
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QVERIFY(!rig.tray.shown);

        window.setWindowState(Qt::WindowMinimized);
        rig.find<QAction>(u"MnuOpen"_qs)->trigger();
        QVERIFY(window.isVisible());
        QVERIFY(!rig.tray.shown);
    }

    void withoutANotificationAreaMinimisingKeepsTheWindow() {
        AppRig rig;
        rig.tray.available = false;
        MainWindow& window = rig.load();
        window.show();
        window.setWindowState(Qt::WindowMinimized);
        QVERIFY(!window.isHidden());
        QVERIFY(window.windowState() & Qt::WindowMinimized);
        QCOMPARE(rig.tray.adds, 0);
    }

    // However the program ends, the event loop ends the way the program runs it, and a note
    // still open then is discarded, never logged after the record.
    void endingWithAnOpenNoteDiscardsIt_data() {
        QTest::addColumn<Ending>("ending");
        QTest::newRow("close box") << Ending::CloseBox;
        QTest::newRow("Exit") << Ending::ExitItem;
        QTest::newRow("end of the desktop session") << Ending::DesktopSessionEnd;
        QTest::newRow("SIGTERM") << Ending::Sigterm;
        QTest::newRow("SIGINT") << Ending::Sigint;
    }
    void endingWithAnOpenNoteDiscardsIt() {
        QFETCH(Ending, ending);
        AppRig rig;
        MainWindow& window = rig.load();
        ShutdownSignals shutdownSignals;
        app::connectProgramEnd(*qApp, window, shutdownSignals);
        window.show();
        start(rig, u"Alpha"_qs);
        rig.runSeconds(4);
        rig.find<QPushButton>(u"CmdNotes"_qs)->click();
        typeNote(rig, u"discarded at exit"_qs);

        QTimer::singleShot(0, &window, [&] {
            switch (ending) {
            case Ending::CloseBox:
                window.close();
                break;
            case Ending::ExitItem:
                rig.find<QAction>(u"MnuExit"_qs)->trigger();
                break;
            case Ending::DesktopSessionEnd:
                window.requestShutdown();
                break;
            case Ending::Sigterm:
                std::raise(SIGTERM);
                break;
            case Ending::Sigint:
                std::raise(SIGINT);
                break;
            }
        });
        bool ended = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, qApp, [&] { QCoreApplication::exit(1); });
        QObject::connect(&window, &MainWindow::unloaded, [&] { ended = true; });
        guard.start(20000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(ended);
        QVERIFY(rig.log().endsWith("[Stopped] Alpha\r\n[Total Time] 0d 0h 0m 4s\r\n"
                                   "<!--  END SESSION  -->\r\n\r\n\r\n"));
        QVERIFY(!rig.log().contains("discarded"));
        QVERIFY(rig.dialogs.messages.isEmpty());
    }

    void exitFromTheMenuRemovesTheIconAndCompletesTheRecord() {
        AppRig rig;
        MainWindow& window = rig.load();
        window.show();
        start(rig, u"Alpha"_qs);
        window.setWindowState(Qt::WindowMinimized);
        rig.click(u"CmdNotes"_qs);
        noteBox(rig)->setPlainText(u"discarded at exit"_qs);
        rig.find<QAction>(u"MnuExit"_qs)->trigger();
        QVERIFY(!rig.tray.shown);
        QVERIFY(rig.log().endsWith("<!--  END SESSION  -->\r\n\r\n\r\n"));
        QVERIFY(!rig.log().contains("discarded"));
    }
};

QTEST_MAIN(TestMainWindowPrompt)
#include "tst_mainwindow_prompt.moc"
