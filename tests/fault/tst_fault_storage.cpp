#include "tests/support/faultfs.h"

#include "reports/reporttree.h"
#include "session/sessionlog.h"
#include "storage/inifile.h"
#include "storage/projectlistfile.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray OldRecord = "<!--  BEGIN SESSION //-->\r\n6/2/2008 8:00:00 AM [Started] Old\r\n"
                             "6/2/2008 8:30:00 AM [Stopped] Old\r\n[Total Time] 0d 0h 30m 0s\r\n"
                             "<!--  END SESSION  -->\r\n\r\n\r\n";
const QString StopLines = u"6/3/2008 9:00:05 AM [Stopped] Alpha\r\n[Total Time] 0d 0h 0m 1s\r\n"
                          "<!--  END SESSION  -->\r\n"_qs;

// Every entry of the folder other than the ones named: what a failed rewrite left behind.
QStringList strayFiles(const QString& folder, const QStringList& expected) {
    QStringList stray;
    const QDir::Filters filter = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    for (const QString& name : QDir(folder).entryList(filter)) {
        if (!expected.contains(name))
            stray.append(name);
    }
    return stray;
}

enum class Fault { LogIsFolder, FullDevice, ReadOnlyFolder, ReadOnlyFolderNoLog, MissingFolder };

enum class Rewrite { Settings, SettingsSection, ProjectList, ClearedLog };

struct RewriteCase {
    QString fileName;
    QByteArray oldBytes;
    QByteArray newBytes;
};

RewriteCase rewriteCase(Rewrite rewrite) {
    switch (rewrite) {
    case Rewrite::Settings:
        return {QStringLiteral("Settings.ini"), "[Textboxes]\r\nTxtAsk=30\r\n",
                "[Textboxes]\r\nTxtAsk=45\r\n"};
    case Rewrite::SettingsSection:
        return {QStringLiteral("Settings.ini"), "[ColorScheme]\r\nBlack=True\r\nRed=False\r\n",
                "[ColorScheme]\r\nBlack=False\r\nRed=True\r\n"};
    case Rewrite::ProjectList:
        return {QStringLiteral("Projects.txt"), "Alpha\r\nBeta\r\n", "Alpha\r\n"};
    case Rewrite::ClearedLog:
        return {QStringLiteral("Tasks.txt"), OldRecord, "\r\n"};
    }
    return {};
}

FileResult runRewrite(Rewrite rewrite, const QString& path) {
    switch (rewrite) {
    case Rewrite::Settings:
        return WriteINI(u"Textboxes", u"TxtAsk", u"45", path);
    case Rewrite::SettingsSection:
        return WriteINI(u"ColorScheme", {{u"Black"_qs, u"False"_qs}, {u"Red"_qs, u"True"_qs}},
                        path);
    case Rewrite::ProjectList:
        return SaveProjectList(path, {QStringLiteral("Alpha")});
    case Rewrite::ClearedLog: {
        // The cleared bytes are kept elsewhere, where there is room.
        const QTemporaryDir undoFolder;
        return SessionLog(path, undoFolder.path()).clear();
    }
    }
    return FileResult::success();
}

} // namespace

class TestFaultStorage : public QObject {
    Q_OBJECT

private slots:
    void logKeepsUnwrittenLinesUntilItCanBeWritten_data() {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("log is a folder") << Fault::LogIsFolder;
        QTest::newRow("log bound to a full device") << Fault::FullDevice;
        QTest::newRow("folder read-only, log exists") << Fault::ReadOnlyFolder;
        QTest::newRow("folder read-only, no log yet") << Fault::ReadOnlyFolderNoLog;
        QTest::newRow("folder missing") << Fault::MissingFolder;
    }
    void logKeepsUnwrittenLinesUntilItCanBeWritten() {
        QFETCH(Fault, fault);
        faultfs::ScratchDir dir;
        QVERIFY(dir.isValid());
        const QString folder =
            fault == Fault::MissingFolder ? dir.filePath(QStringLiteral("gone")) : dir.path();
        const QString log = QDir(folder).filePath(QStringLiteral("Tasks.txt"));
        QByteArray before;
        std::unique_ptr<faultfs::ReadOnlyFolder> readOnly;
        switch (fault) {
        case Fault::LogIsFolder:
            QVERIFY(QDir().mkdir(log));
            break;
        case Fault::FullDevice:
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), log));
            break;
        case Fault::ReadOnlyFolder:
        case Fault::ReadOnlyFolderNoLog:
            if (fault == Fault::ReadOnlyFolder) {
                before = OldRecord;
                QVERIFY(writeBytes(log, before));
            }
            readOnly = std::make_unique<faultfs::ReadOnlyFolder>(folder);
            if (!readOnly->unavailableReason().isEmpty())
                QSKIP(qPrintable(readOnly->unavailableReason()));
            break;
        case Fault::MissingFolder:
            break;
        }

        SessionLog sessionLog(log, QString());
        const FileResult failed = sessionLog.write(u"Alpha started"_qs);
        QVERIFY(!failed.ok());
        QCOMPARE(failed.path(), log);
        QVERIFY(!failed.reason().isEmpty());
        QVERIFY(failed.message().contains(log));
        QCOMPARE(sessionLog.unwritten(), u"Alpha started\r\n"_qs);
        if (fault != Fault::FullDevice && fault != Fault::LogIsFolder)
            QCOMPARE(readBytes(log), before);

        QVERIFY(!sessionLog.write(u"Alpha stopped"_qs).ok());

        // The user mends the fault; the next write brings every line, in order.
        switch (fault) {
        case Fault::LogIsFolder:
            QVERIFY(QDir().rmdir(log));
            break;
        case Fault::FullDevice:
            QVERIFY(QFile::remove(log));
            break;
        case Fault::ReadOnlyFolder:
        case Fault::ReadOnlyFolderNoLog:
            readOnly->release();
            break;
        case Fault::MissingFolder:
            QVERIFY(QDir().mkpath(folder));
            break;
        }
        QVERIFY(sessionLog.write(u"Beta started"_qs).ok());
        QVERIFY(sessionLog.unwritten().isEmpty());
        QCOMPARE(readBytes(log), before + "Alpha started\r\nAlpha stopped\r\nBeta started\r\n");
    }

    void partOfALineWrittenToAFullDiskIsTakenBack() {
        faultfs::ScratchDir dir;
        QVERIFY(dir.isValid());
        faultfs::SmallDisk disk(dir.path(), 64 * 1024);
        const QString log = dir.filePath(QStringLiteral("Tasks.txt"));
        const QByteArray before = OldRecord.repeated(4000 / OldRecord.size());
        QVERIFY(writeBytes(log, before));
        // The disk takes the first bytes of the next write and then runs out.
        disk.fill(100);

        SessionLog sessionLog(log, QString());
        QVERIFY(!sessionLog.write(QString(300, u'n')).ok());
        QCOMPARE(readBytes(log), before);

        disk.freeSpace();
        QVERIFY(sessionLog.write(u"more"_qs).ok());
        QCOMPARE(readBytes(log), before + QByteArray(300, 'n') + "\r\nmore\r\n");
    }

    void failedRewriteLeavesTheOldFileWhole_data() {
        QTest::addColumn<Rewrite>("rewrite");
        QTest::addColumn<bool>("fullDisk");
        const std::pair<const char*, Rewrite> rewrites[] = {
            {"settings", Rewrite::Settings},
            {"settings section", Rewrite::SettingsSection},
            {"project list", Rewrite::ProjectList},
            {"cleared log", Rewrite::ClearedLog}};
        for (const auto& [name, rewrite] : rewrites) {
            QTest::addRow("%s, disk full", name) << rewrite << true;
            QTest::addRow("%s, folder read-only", name) << rewrite << false;
        }
    }
    void failedRewriteLeavesTheOldFileWhole() {
        QFETCH(Rewrite, rewrite);
        QFETCH(bool, fullDisk);
        const RewriteCase file = rewriteCase(rewrite);
        faultfs::ScratchDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(file.fileName);
        std::unique_ptr<faultfs::SmallDisk> disk;
        if (fullDisk)
            disk = std::make_unique<faultfs::SmallDisk>(dir.path(), 16 * 1024);
        QVERIFY(writeBytes(path, file.oldBytes));
        std::unique_ptr<faultfs::ReadOnlyFolder> readOnly;
        if (fullDisk) {
            disk->fill();
        } else {
            readOnly = std::make_unique<faultfs::ReadOnlyFolder>(dir.path());
            if (!readOnly->unavailableReason().isEmpty())
                QSKIP(qPrintable(readOnly->unavailableReason()));
        }

        const FileResult failed = runRewrite(rewrite, path);
        QVERIFY(!failed.ok());
        QVERIFY(failed.message().contains(file.fileName));
        QCOMPARE(readBytes(path), file.oldBytes);
        QCOMPARE(strayFiles(dir.path(), {file.fileName}), QStringList());

        if (fullDisk)
            disk->freeSpace();
        else
            readOnly->release();
        QVERIFY(runRewrite(rewrite, path).ok());
        QCOMPARE(readBytes(path), file.newBytes);
    }

    void logFollowsAFileDeletedOrReplacedBetweenWrites_data() {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("deleted") << false;
        QTest::newRow("replaced by another file") << true;
    }
    void logFollowsAFileDeletedOrReplacedBetweenWrites() {
        QFETCH(bool, replaced);
        faultfs::ScratchDir dir;
        QVERIFY(dir.isValid());
        const QString log = dir.filePath(QStringLiteral("Tasks.txt"));
        SessionLog sessionLog(log, QString());
        QVERIFY(
            sessionLog.write(u"<!--  BEGIN SESSION //-->\r\n6/3/2008 9:00:04 AM [Started] Alpha"_qs)
                .ok());

        QByteArray other;
        if (replaced) {
            // As an editor saves: a new file renamed over the old one.
            other = OldRecord;
            const QString newer = dir.filePath(QStringLiteral("Tasks.new"));
            QVERIFY(writeBytes(newer, other));
            QVERIFY(::rename(QFile::encodeName(newer).constData(),
                             QFile::encodeName(log).constData()) == 0);
        } else {
            QVERIFY(QFile::remove(log));
        }
        QVERIFY(sessionLog.write(StopLines).ok());
        QCOMPARE(readBytes(log), other + StopLines.toLatin1() + "\r\n");

        // The stop lines still show, as a session of their own named after its project.
        const ReportTree tree = ReportTree::build(readBytes(log));
        QCOMPARE(tree.sessionCount(), replaced ? 2 : 1);
        QCOMPARE(tree.projectText(tree.sessionCount() - 1), u" Alpha"_qs);
        QCOMPARE(tree.lineText(tree.lineCount() - 1), u"[Total Time] 0d 0h 0m 1s"_qs);
    }

    void settingsAndProjectsFollowAReplacedFile() {
        faultfs::ScratchDir dir;
        QVERIFY(dir.isValid());
        const QString ini = dir.filePath(QStringLiteral("Settings.ini"));
        QVERIFY(WriteINI(u"Textboxes", u"TxtAsk", u"30", ini).ok());
        QVERIFY(writeBytes(ini, "[Other]\r\nKept=1\r\n"));
        QVERIFY(WriteINI(u"ComboBox", u"CboProject", u"Alpha", ini).ok());
        QCOMPARE(readBytes(ini), "[Other]\r\nKept=1\r\n[ComboBox]\r\nCboProject=Alpha\r\n");

        const QString projects = dir.filePath(QStringLiteral("Projects.txt"));
        QVERIFY(AppendProject(projects, QStringLiteral("Alpha")).ok());
        QVERIFY(QFile::remove(projects));
        QVERIFY(AppendProject(projects, QStringLiteral("Beta")).ok());
        QCOMPARE(readBytes(projects), "Beta\r\n");
    }

    // A file last saved by hand may lack the final line end. What the program appends must
    // still start on a line of its own.
    void appendStartsOnALineOfItsOwn_data() {
        QTest::addColumn<bool>("log");
        QTest::newRow("project list") << false;
        QTest::newRow("session log") << true;
    }
    void appendStartsOnALineOfItsOwn() {
        QFETCH(bool, log);
        faultfs::ScratchDir dir;
        QVERIFY(dir.isValid());
        if (log) {
            const QString path = dir.filePath(QStringLiteral("Tasks.txt"));
            QVERIFY(writeBytes(path, OldRecord.chopped(6)));
            SessionLog sessionLog(path, QString());
            QVERIFY(sessionLog.write(u"<!--  BEGIN SESSION //-->\r\n"_qs + StopLines).ok());
            const ReportTree tree = ReportTree::build(readBytes(path));
            QCOMPARE(tree.sessionCount(), 2);
        } else {
            const QString path = dir.filePath(QStringLiteral("Projects.txt"));
            QVERIFY(writeBytes(path, "Alpha"));
            QVERIFY(AppendProject(path, QStringLiteral("Beta")).ok());
            QCOMPARE(loadProjectList(path).entries, QStringList({u"Alpha"_qs, u"Beta"_qs}));
        }
    }
};

TALLYHAWK_FAULT_TEST_MAIN(QCoreApplication, TestFaultStorage)
#include "tst_fault_storage.moc"
