#include "session/sessionlog.h"
#include "tests/support/files.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A log in one temporary folder, with its recovery file in another; the log's folder can be
// made unwritable by putting a folder where the log is.
struct LogRig {
    QTemporaryDir dir;
    QTemporaryDir recoveryDir;
    QString path = dir.filePath(u"Tasks.txt"_qs);

    std::unique_ptr<SessionLog> open() const {
        return std::make_unique<SessionLog>(path, recoveryDir.path());
    }
    void block() const { QVERIFY(QDir(dir.path()).mkdir(u"Tasks.txt"_qs)); }
    void unblock() const { QVERIFY(QDir(dir.path()).rmdir(u"Tasks.txt"_qs)); }
    QStringList recoveryFiles() const { return QDir(recoveryDir.path()).entryList(QDir::Files); }
};

} // namespace

class TestSessionLog : public QObject {
    Q_OBJECT
private slots:
    void heldLinesGoOutInFrontOfTheNextWrite() {
        LogRig rig;
        const auto log = rig.open();
        QSignalSpy written(log.get(), &SessionLog::written);
        log->hold(u"start"_qs);
        QVERIFY(!QFile::exists(rig.path));
        QVERIFY(log->write(u"\r\ncomment"_qs).ok());
        QVERIFY(log->write(u"note"_qs).ok());
        QCOMPARE(readBytes(rig.path), QByteArray("start\r\ncomment\r\nnote\r\n"));
        QCOMPARE(written.size(), 2);
    }

    void aFailedWriteKeepsItsLinesInOrderForTheNext_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("path is a folder") << u"Tasks.txt"_qs;
        QTest::newRow("folder missing") << u"missing/Tasks.txt"_qs;
    }
    void aFailedWriteKeepsItsLinesInOrderForTheNext() {
        QFETCH(QString, target);
        LogRig rig;
        if (target == u"Tasks.txt")
            rig.block();
        SessionLog log(rig.dir.filePath(target), rig.recoveryDir.path());
        const FileResult failed = log.write(u"first"_qs);
        QVERIFY(!failed.ok());
        QCOMPARE(failed.path(), log.path());
        QVERIFY(!log.write(u"second"_qs).ok());
        QCOMPARE(log.unwritten(), u"first\r\nsecond\r\n"_qs);

        QVERIFY(QDir(rig.dir.path()).rmdir(u"Tasks.txt"_qs) ||
                QDir(rig.dir.path()).mkdir(u"missing"_qs));
        QVERIFY(log.write(u"third"_qs).ok());
        QVERIFY(log.unwritten().isEmpty());
        QCOMPARE(readBytes(log.path()), QByteArray("first\r\nsecond\r\nthird\r\n"));
    }

    // What the log could not take by the end goes to the recovery file and comes back at the
    // next start exactly as it was to be written, in the log's own encoding.
    void linesKeptAtTheEndComeBackByteForByte_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("Windows-1252")
            << QByteArray("before\r\n") << QString::fromUtf8("Café € “quoted” ÿ\r\nsecond")
            << QByteArray("Caf\xe9 \x80 \x93quoted\x94 \xff\r\nsecond");
        QTest::newRow("UTF-8") << QByteArray("\xef\xbb\xbf"
                                             "before\r\n")
                               << QString::fromUtf8("Café 日本 😀\r\nsecond")
                               << QByteArray("Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac "
                                             "\xf0\x9f\x98\x80\r\nsecond");
    }
    void linesKeptAtTheEndComeBackByteForByte() {
        QFETCH(QByteArray, before);
        QFETCH(QString, text);
        QFETCH(QByteArray, lines);
        LogRig rig;
        QVERIFY(writeBytes(rig.path, before));
        {
            const auto log = rig.open();
            QVERIFY(QFile::rename(rig.path, rig.path + u".aside"_qs));
            rig.block();
            QVERIFY(!log->write(QString::fromLatin1("x")).ok());
            log->hold(text);
            const SessionLog::Kept kept = log->keepUnwritten();
            QCOMPARE(int(kept.outcome), int(SessionLog::Kept::Outcome::Saved));
            QCOMPARE(rig.recoveryFiles().size(), 1);
        }
        rig.unblock();
        QVERIFY(QFile::rename(rig.path + u".aside"_qs, rig.path));
        const auto next = rig.open();
        const SessionLog::Restored restored = next->restoreKept();
        QCOMPARE(int(restored.outcome), int(SessionLog::Restored::Outcome::Written));
        QCOMPARE(readBytes(rig.path), before + "x\r\n" + lines + "\r\n");
        QVERIFY(rig.recoveryFiles().isEmpty());
    }

    void keptLinesWaitInFrontOfNewOnesUntilTheLogTakesThem() {
        LogRig rig;
        rig.block();
        {
            const auto log = rig.open();
            QVERIFY(!log->write(u"old"_qs).ok());
            QCOMPARE(int(log->keepUnwritten().outcome), int(SessionLog::Kept::Outcome::Saved));
        }
        const auto log = rig.open();
        QCOMPARE(int(log->restoreKept().outcome), int(SessionLog::Restored::Outcome::Waiting));
        QVERIFY(!log->write(u"new"_qs).ok());
        QCOMPARE(rig.recoveryFiles().size(), 1);
        rig.unblock();
        QVERIFY(log->write(u"newer"_qs).ok());
        QCOMPARE(readBytes(rig.path), QByteArray("old\r\nnew\r\nnewer\r\n"));
        QVERIFY(rig.recoveryFiles().isEmpty());
    }

    void linesNeitherFileCanTakeAreHandedBack() {
        LogRig rig;
        rig.block();
        SessionLog log(rig.path, QString());
        QVERIFY(!log.write(u"lost?"_qs).ok());
        const SessionLog::Kept kept = log.keepUnwritten();
        QCOMPARE(int(kept.outcome), int(SessionLog::Kept::Outcome::Lost));
        QCOMPARE(kept.lines, u"lost?\r\n"_qs);
        QVERIFY(!kept.write.ok());
        QVERIFY(!kept.save.ok());
    }

    void clearingLeavesOneEmptyLineAndKeepsWaitingLines() {
        LogRig rig;
        QVERIFY(writeBytes(rig.path, "a record\r\n"));
        const auto log = rig.open();
        log->hold(u"start"_qs);
        QSignalSpy written(log.get(), &SessionLog::written);
        QVERIFY(log->clear().ok());
        QCOMPARE(readBytes(rig.path), QByteArray("\r\n"));
        QVERIFY(log->write().ok());
        QCOMPARE(readBytes(rig.path), QByteArray("\r\nstart\r\n"));
        QCOMPARE(written.size(), 2);
    }

    // A change is made to the log as it is, lines appended since it was worked out included,
    // and can be undone exactly, also by the next run of the program.
    void aChangeKeepsWhatWasAppendedAndIsUndoneAfterARestart() {
        LogRig rig;
        QVERIFY(writeBytes(rig.path, "old record\r\nnext\r\n"));
        const LogEdit edit{0, "old record", "new record"};
        {
            const auto log = rig.open();
            QVERIFY(log->write(u"appended"_qs).ok());
            QVERIFY(log->apply(edit).ok());
            QCOMPARE(readBytes(rig.path), QByteArray("new record\r\nnext\r\nappended\r\n"));
        }
        const auto next = rig.open();
        QVERIFY(next->canUndo());
        QVERIFY(next->write(u"later"_qs).ok());
        QVERIFY(next->undoLastChange().ok());
        QCOMPARE(readBytes(rig.path), QByteArray("old record\r\nnext\r\nappended\r\nlater\r\n"));
        QVERIFY(!next->canUndo());
    }

    void aClearingIsUndoneWhole() {
        LogRig rig;
        const QByteArray before = "<!--  BEGIN SESSION //-->\r\nx [Started] A\r\n";
        QVERIFY(writeBytes(rig.path, before));
        const auto log = rig.open();
        QVERIFY(log->clear().ok());
        QCOMPARE(readBytes(rig.path), QByteArray("\r\n"));
        QVERIFY(log->undoLastChange().ok());
        QCOMPARE(readBytes(rig.path), before);
    }

    void aChangeThatCannotBeWrittenLeavesTheLogAndTheUndoAsTheyWere() {
        LogRig rig;
        QVERIFY(writeBytes(rig.path, "a\r\nb\r\n"));
        const auto log = rig.open();
        QVERIFY(log->apply({0, "a", "A"}).ok());
        const QByteArray undo = readBytes(log->undoPath());
        // The log's folder taken away: the rewrite cannot be made.
        QVERIFY(QFile::rename(rig.dir.path(), rig.dir.path() + u"-gone"_qs));
        const FileResult failed = log->apply({2, "\r\nb", "\r\nB"});
        QVERIFY(QFile::rename(rig.dir.path() + u"-gone"_qs, rig.dir.path()));
        QVERIFY(!failed.ok());
        QCOMPARE(failed.path(), rig.path);
        QCOMPARE(readBytes(rig.path), QByteArray("A\r\nb\r\n"));
        QCOMPARE(readBytes(log->undoPath()), undo);
        // A change worked out from bytes the log no longer holds is not made.
        QVERIFY(!log->apply({0, "a", "x"}).ok());
        QCOMPARE(readBytes(rig.path), QByteArray("A\r\nb\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSessionLog)
#include "tst_sessionlog.moc"
