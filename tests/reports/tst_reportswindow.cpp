// The Reports window, driven through its controls as the user drives it.
#include "reports/reportswindow.h"
#include "reports/sessiondialog.h"
#include "tests/support/fakedialogs.h"
#include "tests/support/fakeprinter.h"
#include "tests/support/files.h"
#include "tests/support/menus.h"
#include "tests/support/sessionrig.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

QByteArray sampleLog() {
    return readBytes(QStringLiteral(TALLYHAWK_TEST_DATA "/logs/two_sessions_and_running.txt"));
}

} // namespace

class TestReportsWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadsAMissingOrEmptyLogAsTwoEmptyLines_data();
    void loadsAMissingOrEmptyLogAsTwoEmptyLines();
    void loadShowsTheLogInThePaneAndAsATree();
    void followsTheWindowDesign();
    void tabMovesTheFocusInTheDesignOrderAndTypesNothing();
    void longLinesScrollInsteadOfWrapping();
    void hugeLinesAreShownInPiecesAndSavedWhole();

    void clearAnsweredNoKeepsLogAndWindow();
    void clearAnsweredYesLeavesALineEndAndCloses();
    void clearClosesAlsoWhenTheLogCannotBeWritten();

    void saveCancelledCopiesNothing();
    void saveReplacesAnExistingFileWithTheLogOnDisk();
    void saveUsesANameWithoutExtensionAsTyped();
    void saveFailureWarnsWithoutSuccess_data();
    void saveFailureWarnsWithoutSuccess();

    void correctingASessionRewritesItsRecordAndTheTree();
    void deletedAndClearedSessionsComeBackWithUndo();

    void printSendsThePanesEditedText();
    void printFailureIsShown();

    void treeMenuOffersTotals_data();
    void treeMenuOffersTotals();

private:
    QString logPath() const { return m_dir->filePath(QStringLiteral("Tasks.txt")); }
    ReportsWindow* openWindow(const QString& folder);
    ReportsWindow* openWindow() { return openWindow(m_dir->path()); }

    // The window's controls, by their design names.
    QPlainTextEdit* pane() const { return m_window->findChild<QPlainTextEdit*>(u"Text1"_qs); }
    QTreeView* tree() const { return m_window->findChild<QTreeView*>(u"TV1"_qs); }
    QModelIndex treeRoot() const { return tree()->model()->index(0, 0); }
    int sessionsShown() const { return tree()->model()->rowCount(treeRoot()); }
    void click(const char* button) const {
        m_window->findChild<QPushButton*>(QLatin1StringView(button))->click();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<SessionRig> m_rig;
    FakePrinter m_printer;
    QPointer<ReportsWindow> m_window;
};

void TestReportsWindow::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<FakeDialogs>();
    m_printer = FakePrinter();
}

void TestReportsWindow::cleanup() {
    delete m_window;
    m_rig.reset();
    m_dialogs->verifyAllAnswered();
}

ReportsWindow* TestReportsWindow::openWindow(const QString& folder) {
    const QString log = QDir(folder).filePath(u"Tasks.txt"_qs);
    if (!m_rig || m_rig->logPath() != log)
        m_rig = std::make_unique<SessionRig>(QDateTime(QDate(2008, 6, 3), QTime(12, 0)), log);
    m_window = new ReportsWindow(m_rig->log, m_rig->corrections, *m_dialogs, m_printer);
    m_window->loadLog();
    return m_window;
}

void TestReportsWindow::loadsAMissingOrEmptyLogAsTwoEmptyLines_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("missing") << false;
    QTest::newRow("empty") << true;
}

void TestReportsWindow::loadsAMissingOrEmptyLogAsTwoEmptyLines() {
    QFETCH(bool, fileExists);
    if (fileExists)
        QVERIFY(writeBytes(logPath(), {}));
    openWindow();
    QCOMPARE(pane()->toPlainText(), QStringLiteral("\n\n"));
    QCOMPARE(sessionsShown(), 0);
    QCOMPARE(treeRoot().data().toString(), u"Session"_qs);
    QVERIFY(tree()->isExpanded(treeRoot()));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestReportsWindow::loadShowsTheLogInThePaneAndAsATree() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow();

    QString expected = QString::fromLatin1(sampleLog());
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(pane()->toPlainText(), QStringLiteral("\n\n") + expected);
    QVERIFY(!pane()->document()->isUndoAvailable());

    const QModelIndex root = treeRoot();
    QVERIFY(tree()->isExpanded(root));
    QCOMPARE(sessionsShown(), 2);
    const QAbstractItemModel* model = tree()->model();
    QVERIFY(!tree()->isExpanded(model->index(0, 0, root)));
    QCOMPARE(model->index(1, 0, root).data().toString(), QStringLiteral("Session #2- Beta"));
}

void TestReportsWindow::followsTheWindowDesign() {
    ReportsWindow* window = openWindow();
    QCOMPARE(window->objectName(), u"FrmLog"_qs);
    QCOMPARE(window->windowTitle(), u"Reports"_qs);
    QCOMPARE(window->size(), QSize(614, 525));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QList<std::tuple<QString, QRect, QString>> controls{
        {u"Command3"_qs, {320, 240, 136, 24}, u"Print Log"_qs},
        {u"Command2"_qs, {176, 240, 136, 24}, u"Save Log"_qs},
        {u"TV1"_qs, {8, 272, 597, 243}, {}},
        {u"Command1"_qs, {464, 240, 137, 25}, u"Clear Log and Exit"_qs},
        {u"Text1"_qs, {8, 8, 593, 225}, {}},
    };
    for (const auto& [name, rect, caption] : controls) {
        const auto* control = window->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), rect);
        if (const auto* button = qobject_cast<const QPushButton*>(control))
            QCOMPARE(button->text(), caption);
    }
}

void TestReportsWindow::tabMovesTheFocusInTheDesignOrderAndTypesNothing() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    ReportsWindow* window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QString shown = pane()->toPlainText();
    QCOMPARE(QApplication::focusWidget(), pane());

    const QStringList order{u"Text1"_qs,    u"Command1"_qs, u"TV1"_qs,
                            u"Command2"_qs, u"Command3"_qs, u"Text1"_qs};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    for (qsizetype i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    QCOMPARE(pane()->toPlainText(), shown);

    // What Print Log prints has no tab in it either; the focused button answers the space bar.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"Command3"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_printer.jobs, QStringList{shown + u'\n'});
}

void TestReportsWindow::longLinesScrollInsteadOfWrapping() {
    QVERIFY(writeBytes(logPath(), "x [Notes] " + QByteArray(2000, 'n') + "\r\n"));
    ReportsWindow* window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QTextBlock line = pane()->document()->findBlockByNumber(2);
    QCOMPARE(line.length(), 2011);
    QCOMPARE(line.lineCount(), 1);
    QVERIFY(pane()->horizontalScrollBar()->maximum() > pane()->width());
}

void TestReportsWindow::hugeLinesAreShownInPiecesAndSavedWhole() {
    // A line of a megabyte and a half runs across the pane's decoding pieces of a megabyte.
    const QByteArray huge = QByteArray(1 << 20, 'a') + QByteArray(1 << 19, 'b');
    const QByteArray log = "short\r\n" + huge + "\r\nend\r\n";
    QVERIFY(writeBytes(logPath(), log));
    openWindow();
    const QStringList lines = pane()->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 2 + 1 + (huge.size() + 9999) / 10000 + 2);
    for (const QString& line : lines)
        QVERIFY(line.size() <= 10000);
    QCOMPARE(lines.join(QString()), QString::fromLatin1("short" + huge + "end"));

    const QString copy = m_dir->filePath(u"copy.txt"_qs);
    m_dialogs->answerSave(copy);
    click("Command2");
    QCOMPARE(readBytes(copy), log);
}

void TestReportsWindow::clearAnsweredNoKeepsLogAndWindow() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow()->show();
    m_dialogs->answerQuestion(Dialogs::Answer::No);
    click("Command1");

    QCOMPARE(m_dialogs->messages.size(), 1);
    const Dialogs::Message& asked = m_dialogs->messages.first();
    QCOMPARE(asked.text, QStringLiteral("Are you sure you want to clear the log file?"));
    QCOMPARE(asked.title, QStringLiteral("confirm"));
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.icon, Dialogs::Icon::None);
    QCOMPARE(readBytes(logPath()), sampleLog());
    QVERIFY(m_window->isVisible());
    QVERIFY(pane()->toPlainText().contains(QStringLiteral("Alpha")));
}

void TestReportsWindow::clearAnsweredYesLeavesALineEndAndCloses() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow()->show();
    m_dialogs->answerQuestion(Dialogs::Answer::Yes);
    click("Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(m_window.isNull());
    QCOMPARE(readBytes(logPath()), QByteArray("\r\n"));
    QCOMPARE(m_dialogs->messages.size(), 1);

    // Opened again, the cleared log shows no session.
    openWindow();
    QCOMPARE(sessionsShown(), 0);
}

void TestReportsWindow::clearClosesAlsoWhenTheLogCannotBeWritten() {
    const QString folder = m_dir->filePath(QStringLiteral("missing"));
    openWindow(folder)->show();
    m_dialogs->answerQuestion(Dialogs::Answer::Yes);
    click("Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(m_window.isNull());
    QCOMPARE(m_dialogs->messages.size(), 2);
    const Dialogs::Message& box = m_dialogs->messages[1];
    QCOMPARE(box.icon, Dialogs::Icon::Warning);
    QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(box.title, QStringLiteral("%1 - Tallyhawk").arg(int(QFileDevice::OpenError)));
    QVERIFY2(box.text.contains(folder + u"/Tasks.txt"_qs), qPrintable(box.text));
}

void TestReportsWindow::saveCancelledCopiesNothing() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow();
    const QString target = m_dir->filePath(QStringLiteral("copy.txt"));
    m_dialogs->answerSave(target);
    m_dialogs->answerOk();
    m_dialogs->answerSave(std::nullopt);
    m_dialogs->answerSave(QString());
    click("Command2");
    QFile::remove(target);
    m_dialogs->messages.clear();

    click("Command2");
    click("Command2");
    QVERIFY(!QFile::exists(target));
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(m_dialogs->saveDialogs.size(), 3);
    QCOMPARE(m_dialogs->saveDialogs.first().title, QStringLiteral("Save As"));
    QCOMPARE(m_dialogs->saveDialogs.first().filter, QStringLiteral("All Files (*.txt)|*.txt"));
}

void TestReportsWindow::saveReplacesAnExistingFileWithTheLogOnDisk() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow();
    pane()->setPlainText(QStringLiteral("typed over"));
    // A session logged after the window opened: the copy has it, the tree does not.
    const QByteArray later = "<!--  BEGIN SESSION //-->\r\nx [Started] Delta\r\n";
    QVERIFY(appendBytes(logPath(), later));
    const QString target = m_dir->filePath(QStringLiteral("copy.txt"));
    QVERIFY(writeBytes(target, QByteArray(100000, 'x')));

    m_dialogs->answerSave(target);
    click("Command2");

    QCOMPARE(readBytes(target), sampleLog() + later);
    QCOMPARE(m_dialogs->messages.size(), 1);
    const Dialogs::Message& done = m_dialogs->messages.first();
    QCOMPARE(done.text, QStringLiteral("Sucessfully Created...!"));
    QCOMPARE(done.title, QStringLiteral("Sucess"));
    QCOMPARE(done.modality, Dialogs::Modality::System);
    QCOMPARE(done.icon, Dialogs::Icon::None);
    QCOMPARE(sessionsShown(), 2);
}

void TestReportsWindow::saveUsesANameWithoutExtensionAsTyped() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow();
    m_dialogs->answerSave(m_dir->filePath(QStringLiteral("backup")));
    click("Command2");
    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("backup"))), sampleLog());
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("backup.txt"))));
}

void TestReportsWindow::saveFailureWarnsWithoutSuccess_data() {
    QTest::addColumn<bool>("logExists");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("named");
    QTest::newRow("no log yet") << false << QStringLiteral("copy.txt")
                                << QStringLiteral("Tasks.txt");
    QTest::newRow("target folder missing")
        << true << QStringLiteral("missing/copy.txt") << QStringLiteral("missing/copy.txt");
}

void TestReportsWindow::saveFailureWarnsWithoutSuccess() {
    QFETCH(bool, logExists);
    QFETCH(QString, target);
    QFETCH(QString, named);
    if (logExists)
        QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow();
    m_dialogs->answerSave(m_dir->filePath(target));
    click("Command2");

    QVERIFY(!QFile::exists(m_dir->filePath(target)));
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.first().icon, Dialogs::Icon::Warning);
    QVERIFY2(m_dialogs->messages.first().text.contains(named),
             qPrintable(m_dialogs->messages.first().text));
}

void TestReportsWindow::correctingASessionRewritesItsRecordAndTheTree() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow();
    const QModelIndex alpha = tree()->model()->index(0, 0, treeRoot());
    QVERIFY(chooseFromContextMenu(tree()->viewport(), u"Correct…"_qs,
                                  tree()->visualRect(alpha).center()));
    auto* box = openWindowOf<SessionDialog>();
    QVERIFY(box);
    auto* stop = box->findChild<QLineEdit*>(u"TxtStop"_qs);
    // A stop before the start is refused in the box, which stays open.
    const QString shownStop = stop->text();
    stop->setText(u"1/1/2000 9:00 AM"_qs);
    box->accept();
    QVERIFY(box->findChild<QLabel*>(u"LblWhy"_qs)->text().contains(u"before the start"_qs));
    QCOMPARE(readBytes(logPath()), sampleLog());
    stop->setText(shownStop.left(shownStop.indexOf(u' ')) + u" 10:59:59 AM"_qs);
    box->accept();
    QVERIFY(!openWindowOf<SessionDialog>());
    const QByteArray log = readBytes(logPath());
    QVERIFY2(log.contains(" 10:59:59 AM [Stopped] Alpha\r\n"), log.constData());
    QCOMPARE(log.mid(log.indexOf("<!--  END SESSION  -->")),
             sampleLog().mid(sampleLog().indexOf("<!--  END SESSION  -->")));
    // The tree shows the new record at once.
    const QModelIndex corrected = tree()->model()->index(0, 0, treeRoot());
    const int lines = tree()->model()->rowCount(corrected);
    QVERIFY(tree()
                ->model()
                ->index(lines - 2, 0, corrected)
                .data()
                .toString()
                .endsWith(u"10:59:59 AM [Stopped] Alpha"_qs));
}

void TestReportsWindow::deletedAndClearedSessionsComeBackWithUndo() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow();
    const QModelIndex beta = tree()->model()->index(1, 0, treeRoot());
    m_dialogs->answerQuestion(Dialogs::Answer::Yes);
    QVERIFY(chooseFromContextMenu(tree()->viewport(), u"Delete…"_qs,
                                  tree()->visualRect(beta).center()));
    QCOMPARE(m_dialogs->messages.last().text, u"Delete Session #2- Beta from the log?"_qs);
    QCOMPARE(sessionsShown(), 1);
    QVERIFY(!readBytes(logPath()).contains("Beta"));
    QVERIFY(chooseFromContextMenu(tree()->viewport(), u"Undo last change"_qs, QPoint(2, 2)));
    QCOMPARE(readBytes(logPath()), sampleLog());
    QCOMPARE(sessionsShown(), 2);
    // Nothing left to undo.
    QVERIFY(!chooseFromContextMenu(tree()->viewport(), u"Undo last change"_qs, QPoint(2, 2)));

    m_dialogs->answerQuestion(Dialogs::Answer::Yes);
    click("Command1");
    QCOMPARE(readBytes(logPath()), QByteArray("\r\n"));
    openWindow(); // the cleared window has closed; a new one is opened
    QVERIFY(chooseFromContextMenu(tree()->viewport(), u"Undo last change"_qs, QPoint(2, 2)));
    QCOMPARE(readBytes(logPath()), sampleLog());
}

void TestReportsWindow::printSendsThePanesEditedText() {
    QVERIFY(writeBytes(logPath(), sampleLog()));
    openWindow();
    pane()->setPlainText(QStringLiteral("typed\nby hand"));
    click("Command3");
    QCOMPARE(m_printer.jobs, QStringList{QStringLiteral("typed\nby hand\n")});
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(readBytes(logPath()), sampleLog());
}

void TestReportsWindow::printFailureIsShown() {
    openWindow();
    m_printer.fails = true;
    click("Command3");
    QVERIFY(m_printer.jobs.isEmpty());
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.first().icon, Dialogs::Icon::Warning);
    QVERIFY(m_dialogs->messages.first().text.contains(QStringLiteral("no printer is installed")));
}

void TestReportsWindow::treeMenuOffersTotals_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("right-click on the empty part of the tree") << u"right-click"_qs;
    QTest::newRow("Shift+F10") << u"Shift+F10"_qs;
    // The platform turns the menu key into a keyboard context-menu request to the focus.
    QTest::newRow("menu key") << u"menu key"_qs;
}

void TestReportsWindow::treeMenuOffersTotals() {
    QFETCH(QString, how);
    QVERIFY(writeBytes(logPath(), sampleLog()));
    ReportsWindow* window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    tree()->setFocus();
    QSignalSpy asked(window, &ReportsWindow::totalsAsked);
    if (how == u"right-click") {
        // Through the window, as the platform delivers it, which makes the menu request.
        const QPoint below = tree()->viewport()->rect().bottomLeft() + QPoint(10, -10);
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                          tree()->viewport()->mapTo(window, below));
    } else if (how == u"Shift+F10") {
        QTest::keyClick(tree(), Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                  tree()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(tree(), &request);
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions().constLast()->text(), u"Totals…"_qs);
    // Up from no item reaches the last.
    QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Return);
    QCOMPARE(asked.count(), 1);
    QVERIFY(!QApplication::activePopupWidget());
}

QTEST_MAIN(TestReportsWindow)
#include "tst_reportswindow.moc"
