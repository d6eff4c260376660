#include "reports/frmlog.h"
#include "reports/logpane.h"
#include "reports/logprinter.h"
#include "reports/reportmodel.h"
#include "tests/support/fakedialogs.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

class FakePrinter final : public LogPrinter {
public:
    QStringList printed;
    std::optional<FileResult> failure;

    FileResult print(const QString& text) override {
        if (failure)
            return *failure;
        printed.append(text);
        return FileResult::success();
    }
};

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = {}) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | mode));
    file.write(bytes);
}

QByteArray sampleLog() {
    return readBytes(QStringLiteral(TALLYHAWK_TEST_DATA "/logs/two_sessions_and_running.txt"));
}

} // namespace

class TestFrmLog : public QObject {
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

    void printSendsThePanesEditedText();
    void printFailureIsShown();

    void writeFileEndsTheTextWithALineEnd();
    void writeFileIntoAMissingFolderWarnsAndFails();

private:
    QString logPath() const { return m_dir->filePath(QStringLiteral("Tasks.txt")); }
    FrmLog* openWindow(const QString& folder);
    FrmLog* openWindow() { return openWindow(m_dir->path()); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    FakePrinter m_printer;
    QPointer<FrmLog> m_window;
};

void TestFrmLog::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<FakeDialogs>();
    m_printer = FakePrinter();
}

void TestFrmLog::cleanup() {
    delete m_window;
    m_dialogs->verifyAllAnswered();
}

FrmLog* TestFrmLog::openWindow(const QString& folder) {
    m_window = new FrmLog(folder, *m_dialogs, m_printer);
    m_window->Form_Load();
    return m_window;
}

void TestFrmLog::loadsAMissingOrEmptyLogAsTwoEmptyLines_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("missing") << false;
    QTest::newRow("empty") << true;
}

void TestFrmLog::loadsAMissingOrEmptyLogAsTwoEmptyLines() {
    QFETCH(bool, fileExists);
    if (fileExists)
        writeBytes(logPath(), {});
    FrmLog* window = openWindow();
    QCOMPARE(window->Text1->toPlainText(), QStringLiteral("\n\n"));
    const ReportModel* model = window->report();
    QCOMPARE(model->rowCount(model->rootIndex()), 0);
    QVERIFY(window->TV1->isExpanded(model->rootIndex()));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestFrmLog::loadShowsTheLogInThePaneAndAsATree() {
    writeBytes(logPath(), sampleLog());
    FrmLog* window = openWindow();

    QString expected = QString::fromLatin1(sampleLog());
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(window->Text1->toPlainText(), QStringLiteral("\n\n") + expected);
    QVERIFY(!window->Text1->document()->isUndoAvailable());

    const ReportModel* model = window->report();
    QCOMPARE(window->TV1->model(), model);
    const QModelIndex root = model->rootIndex();
    QVERIFY(window->TV1->isExpanded(root));
    QCOMPARE(model->rowCount(root), 2);
    QVERIFY(!window->TV1->isExpanded(model->index(0, 0, root)));
    QCOMPARE(model->index(1, 0, root).data().toString(), QStringLiteral("Session #2- Beta"));
}

void TestFrmLog::followsTheWindowDesign() {
    FrmLog* window = openWindow();
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

void TestFrmLog::tabMovesTheFocusInTheDesignOrderAndTypesNothing() {
    writeBytes(logPath(), sampleLog());
    FrmLog* window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* pane = window->findChild<QPlainTextEdit*>(u"Text1"_qs);
    const QString shown = pane->toPlainText();
    QCOMPARE(QApplication::focusWidget(), pane);

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
    QCOMPARE(pane->toPlainText(), shown);

    // What Print Log prints has no tab in it either.
    window->findChild<QPushButton*>(u"Command3"_qs)->click();
    QCOMPARE(m_printer.printed, QStringList{shown + u'\n'});
}

void TestFrmLog::longLinesScrollInsteadOfWrapping() {
    writeBytes(logPath(), "x [Notes] " + QByteArray(2000, 'n') + "\r\n");
    FrmLog* window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QTextBlock line = window->Text1->document()->findBlockByNumber(2);
    QCOMPARE(line.length(), 2011);
    QCOMPARE(line.lineCount(), 1);
    QVERIFY(window->Text1->horizontalScrollBar()->maximum() > window->Text1->width());
}

void TestFrmLog::hugeLinesAreShownInPiecesAndSavedWhole() {
    // A line of a megabyte and a half runs across the pane's decoding pieces of a megabyte.
    const QByteArray huge = QByteArray(1 << 20, 'a') + QByteArray(1 << 19, 'b');
    const QByteArray log = "short\r\n" + huge + "\r\nend\r\n";
    writeBytes(logPath(), log);
    FrmLog* window = openWindow();
    const QStringList lines = window->Text1->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 2 + 1 + (huge.size() + 9999) / 10000 + 2);
    for (const QString& line : lines)
        QVERIFY(line.size() <= 10000);
    QCOMPARE(lines.join(QString()), QString::fromLatin1("short" + huge + "end"));

    const QString copy = m_dir->filePath(u"copy.txt"_qs);
    m_dialogs->answerSave(copy);
    window->Command2_Click();
    QCOMPARE(readBytes(copy), log);
}

void TestFrmLog::clearAnsweredNoKeepsLogAndWindow() {
    writeBytes(logPath(), sampleLog());
    FrmLog* window = openWindow();
    window->show();
    m_dialogs->answerQuestion(Dialogs::Answer::No);
    window->Command1_Click();

    QCOMPARE(m_dialogs->messages.size(), 1);
    const Dialogs::Message& asked = m_dialogs->messages.first();
    QCOMPARE(asked.text, QStringLiteral("Are you sure you want to clear the log file?"));
    QCOMPARE(asked.title, QStringLiteral("confirm"));
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.icon, Dialogs::Icon::None);
    QCOMPARE(readBytes(logPath()), sampleLog());
    QVERIFY(window->isVisible());
    QVERIFY(window->Text1->toPlainText().contains(QStringLiteral("Alpha")));
}

void TestFrmLog::clearAnsweredYesLeavesALineEndAndCloses() {
    writeBytes(logPath(), sampleLog());
    openWindow()->show();
    m_dialogs->answerQuestion(Dialogs::Answer::Yes);
    m_window->Command1_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(m_window.isNull());
    QCOMPARE(readBytes(logPath()), QByteArray("\r\n"));
    QCOMPARE(m_dialogs->messages.size(), 1);

    // Opened again, the cleared log shows no session.
    FrmLog* again = openWindow();
    QCOMPARE(again->report()->rowCount(again->report()->rootIndex()), 0);
}

void TestFrmLog::clearClosesAlsoWhenTheLogCannotBeWritten() {
    openWindow(m_dir->filePath(QStringLiteral("missing")))->show();
    m_dialogs->answerQuestion(Dialogs::Answer::Yes);
    m_window->Command1_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(m_window.isNull());
    QCOMPARE(m_dialogs->messages.size(), 2);
    QCOMPARE(m_dialogs->messages[1].icon, Dialogs::Icon::Warning);
}

void TestFrmLog::saveCancelledCopiesNothing() {
    writeBytes(logPath(), sampleLog());
    FrmLog* window = openWindow();
    const QString target = m_dir->filePath(QStringLiteral("copy.txt"));
    m_dialogs->answerSave(target);
    m_dialogs->answerOk();
    m_dialogs->answerSave(std::nullopt);
    m_dialogs->answerSave(QString());
    window->Command2_Click();
    QFile::remove(target);
    m_dialogs->messages.clear();

    window->Command2_Click();
    window->Command2_Click();
    QVERIFY(!QFile::exists(target));
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(m_dialogs->saveDialogs.size(), 3);
    QCOMPARE(m_dialogs->saveDialogs.first().title, QStringLiteral("Save As"));
    QCOMPARE(m_dialogs->saveDialogs.first().filter, QStringLiteral("All Files (*.txt)|*.txt"));
}

void TestFrmLog::saveReplacesAnExistingFileWithTheLogOnDisk() {
    writeBytes(logPath(), sampleLog());
    FrmLog* window = openWindow();
    window->Text1->setPlainText(QStringLiteral("typed over"));
    // A session logged after the window opened: the copy has it, the tree does not.
    const QByteArray later = "<!--  BEGIN SESSION //-->\r\nx [Started] Delta\r\n";
    writeBytes(logPath(), later, QIODevice::Append);
    const QString target = m_dir->filePath(QStringLiteral("copy.txt"));
    writeBytes(target, QByteArray(100000, 'x'));

    m_dialogs->answerSave(target);
    window->Command2_Click();

    QCOMPARE(readBytes(target), sampleLog() + later);
    QCOMPARE(m_dialogs->messages.size(), 1);
    const Dialogs::Message& done = m_dialogs->messages.first();
    QCOMPARE(done.text, QStringLiteral("Sucessfully Created...!"));
    QCOMPARE(done.title, QStringLiteral("Sucess"));
    QCOMPARE(done.modality, Dialogs::Modality::System);
    QCOMPARE(done.icon, Dialogs::Icon::None);
    QCOMPARE(window->report()->rowCount(window->report()->rootIndex()), 2);
}

void TestFrmLog::saveUsesANameWithoutExtensionAsTyped() {
    writeBytes(logPath(), sampleLog());
    FrmLog* window = openWindow();
    m_dialogs->answerSave(m_dir->filePath(QStringLiteral("backup")));
    window->Command2_Click();
    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("backup"))), sampleLog());
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("backup.txt"))));
}

void TestFrmLog::saveFailureWarnsWithoutSuccess_data() {
    QTest::addColumn<bool>("logExists");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("named");
    QTest::newRow("no log yet") << false << QStringLiteral("copy.txt")
                                << QStringLiteral("Tasks.txt");
    QTest::newRow("target folder missing")
        << true << QStringLiteral("missing/copy.txt") << QStringLiteral("missing/copy.txt");
}

void TestFrmLog::saveFailureWarnsWithoutSuccess() {
    QFETCH(bool, logExists);
    QFETCH(QString, target);
    QFETCH(QString, named);
    if (logExists)
        writeBytes(logPath(), sampleLog());
    FrmLog* window = openWindow();
    m_dialogs->answerSave(m_dir->filePath(target));
    window->Command2_Click();

    QVERIFY(!QFile::exists(m_dir->filePath(target)));
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.first().icon, Dialogs::Icon::Warning);
    QVERIFY2(m_dialogs->messages.first().text.contains(named),
             qPrintable(m_dialogs->messages.first().text));
}

void TestFrmLog::printSendsThePanesEditedText() {
    writeBytes(logPath(), sampleLog());
    FrmLog* window = openWindow();
    window->Text1->setPlainText(QStringLiteral("typed\nby hand"));
    window->Command3_Click();
    QCOMPARE(m_printer.printed, QStringList{QStringLiteral("typed\nby hand\n")});
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(readBytes(logPath()), sampleLog());
}

void TestFrmLog::printFailureIsShown() {
    FrmLog* window = openWindow();
    m_printer.failure = FileResult::failure(QStringLiteral("Office"), QStringLiteral("offline"));
    window->Command3_Click();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.first().icon, Dialogs::Icon::Warning);
    QVERIFY(m_dialogs->messages.first().text.contains(QStringLiteral("offline")));
}

void TestFrmLog::writeFileEndsTheTextWithALineEnd() {
    FrmLog* window = openWindow();
    const QString path = m_dir->filePath(QStringLiteral("out.txt"));
    writeBytes(path, "old content that is longer");
    QVERIFY(window->WriteFile(path, QStringLiteral("one\ntwo é")));
    QCOMPARE(readBytes(path), QByteArray("one\r\ntwo \xE9\r\n"));
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestFrmLog::writeFileIntoAMissingFolderWarnsAndFails() {
    FrmLog* window = openWindow();
    const QString path = m_dir->filePath(QStringLiteral("missing/out.txt"));
    QVERIFY(!window->WriteFile(path, QStringLiteral("text")));
    QCOMPARE(m_dialogs->messages.size(), 1);
    const Dialogs::Message& box = m_dialogs->messages.first();
    QCOMPARE(box.icon, Dialogs::Icon::Warning);
    QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(box.title, QStringLiteral("%1 - Tallyhawk").arg(int(QFileDevice::OpenError)));
    QVERIFY2(box.text.contains(path), qPrintable(box.text));
}

QTEST_MAIN(TestFrmLog)
#include "tst_frmlog.moc"
