#include "tests/support/faultfs.h"

#include "reports/reporttree.h"
#include "tests/support/apprig.h"
#include "tests/support/files.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {

// A new project whose name cannot be saved is warned about before the input box comes.
void start(AppRig& rig, const QString& project, bool listWriteFails = false) {
    rig.typeProject(project);
    if (listWriteFails)
        rig.dialogs.answerOk();
    rig.dialogs.answerInput(QStringLiteral("Comment on ") + project);
    rig.click(u"CmdStartStop"_qs);
}

void stop(AppRig& rig) {
    rig.runSeconds(3);
    rig.click(u"CmdStartStop"_qs);
}

QStringList projectsInLog(const QByteArray& log) {
    QStringList projects;
    const ReportTree tree = ReportTree::build(log);
    for (qsizetype s = 0; s < tree.sessionCount(); ++s)
        projects.append(tree.projectText(s).trimmed());
    return projects;
}

} // namespace

class TestFaultApp : public QObject {
    Q_OBJECT

private slots:
    // Nothing can be written: the user is told about each file that failed, by name, the
    // sessions go on, and what the log could not take when the program ended is kept in the
    // user's data folder and put back at a start where the log can be written again.
    void readOnlyFolderWarnsAndKeepsTheSession() {
        AppRig rig;
        rig.writeFile(QStringLiteral("Projects.txt"), "Beta\r\nGamma\r\n");
        rig.writeFile(QStringLiteral("Settings.ini"), "[Textboxes]\r\nTxtAsk=15\r\n");
        MainWindow& window = rig.load();
        faultfs::ReadOnlyFolder readOnly(rig.dir.path());
        if (!readOnly.unavailableReason().isEmpty())
            QSKIP(qPrintable(readOnly.unavailableReason()));

        start(rig, QStringLiteral("Alpha"), true);
        QVERIFY(rig.session().isRunning());
        stop(rig);
        QVERIFY(!rig.session().isRunning());
        auto* projectBox = rig.find<QComboBox>(u"CboProject"_qs);
        projectBox->setCurrentIndex(projectBox->findText(QStringLiteral("Gamma")));
        rig.click(u"CmdRemove"_qs);
        window.close();

        const QStringList messages = rig.dialogs.messageTexts();
        const auto mentioning = [&](const QString& name) {
            return messages.filter(rig.path(name)).size();
        };
        QCOMPARE(mentioning(QStringLiteral("Tasks.txt")), 3);
        QCOMPARE(mentioning(QStringLiteral("Projects.txt")), 2);
        QCOMPARE(mentioning(QStringLiteral("Settings.ini")), 1);
        QCOMPARE(rig.file(QStringLiteral("Projects.txt")), "Beta\r\nGamma\r\n");
        QCOMPARE(rig.file(QStringLiteral("Settings.ini")), "[Textboxes]\r\nTxtAsk=15\r\n");
        QVERIFY(rig.log().isNull());

        // The last box says where the record went.
        QCOMPARE(rig.dataFiles().size(), 1);
        const QString kept = rig.dataDir.filePath(rig.dataFiles().constFirst());
        QVERIFY(messages.last().contains(kept));
        const QByteArray record = readBytes(kept);
        QCOMPARE(projectsInLog(record), QStringList{u"Alpha"_qs});
        QVERIFY(record.startsWith("<!--  BEGIN SESSION //-->\r\n6/3/2008 9:00:05 AM [Started] "
                                  "Alpha\r\n"));

        // Started again while the folder is still read-only: the lines stay where they are
        // kept, and wait in front of anything new.
        rig.dialogs.messages.clear();
        rig.load();
        QCOMPARE(rig.dialogs.messages.size(), 1);
        QVERIFY(rig.dialogs.messages[0].text.contains(kept));
        QCOMPARE(readBytes(kept), record);

        readOnly.release();
        start(rig, QStringLiteral("Beta"));
        QVERIFY(rig.log().startsWith(record));
        QCOMPARE(projectsInLog(rig.log()), QStringList{u"Alpha"_qs});
        QVERIFY(rig.log().endsWith("[Starting Comments] Comment on Beta\r\n"));
        QVERIFY(rig.dataFiles().isEmpty());
    }

    // The disk fills while a session runs, and the program is then ended from outside, with
    // no one to answer a box: the record is completed in the user's data folder, the message
    // goes to the error output, and the next start puts the lines back into the log.
    void fullDiskWhenEndedFromOutsideKeepsTheLinesForTheNextStart() {
        AppRig rig;
        MainWindow& window = rig.load();
        faultfs::SmallDisk disk(rig.dir.path(), 64 * 1024);
        start(rig, QStringLiteral("Alpha"));
        const QByteArray started = rig.log();
        rig.runSeconds(3);
        disk.fill();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^The settings")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("saved to \"") +
                                                QRegularExpression::escape(rig.dataDir.path())));
        window.requestShutdown();
        QVERIFY(rig.dialogs.messages.isEmpty());
        QCOMPARE(rig.log(), started);
        QCOMPARE(rig.dataFiles().size(), 1);
        const QByteArray stopLines = "6/3/2008 9:00:08 AM [Stopped] Alpha\r\n"
                                     "[Total Time] 0d 0h 0m 3s\r\n"
                                     "<!--  END SESSION  -->\r\n\r\n\r\n";
        QCOMPARE(readBytes(rig.dataDir.filePath(rig.dataFiles().constFirst())), stopLines);

        disk.freeSpace();
        rig.load();
        QCOMPARE(rig.log(), started + stopLines);
        QVERIFY(rig.dataFiles().isEmpty());
        QCOMPARE(rig.dialogs.messages.size(), 1);
        QVERIFY(rig.dialogs.messages[0].text.contains(rig.path(QStringLiteral("Tasks.txt"))));
        QCOMPARE(projectsInLog(rig.log()), QStringList{u"Alpha"_qs});
    }

    // With nowhere to keep them, the lines are shown, so that they can be copied by hand.
    void linesThatCannotBeKeptAnywhereAreShown() {
        AppRig rig;
        MainWindow& window = rig.load();
        faultfs::ReadOnlyFolder readOnly(rig.dir.path());
        faultfs::ReadOnlyFolder dataReadOnly(rig.dataDir.path());
        for (const QString& reason :
             {readOnly.unavailableReason(), dataReadOnly.unavailableReason()}) {
            if (!reason.isEmpty())
                QSKIP(qPrintable(reason));
        }
        start(rig, QStringLiteral("Alpha"), true);
        rig.dialogs.messages.clear();
        window.close();
        // The settings, then the lines.
        QCOMPARE(rig.dialogs.messages.size(), 2);
        const QString shown = rig.dialogs.messages[1].text;
        QVERIFY(shown.contains(rig.path(QStringLiteral("Tasks.txt"))));
        QVERIFY(shown.contains(u"[Starting Comments] Comment on Alpha"_qs));
        QVERIFY(shown.contains(u"[Stopped] Alpha\r\n[Total Time] N/A"_qs));
        QVERIFY(rig.dataFiles().isEmpty());
    }

    // Keep logs a note; when the log cannot take it the user is told, by the file's name, and
    // the note is written ahead of the next entry once the log can be written again.
    void anAwayNoteTheLogCannotTakeIsKeptForTheNextEntry() {
        AppRig rig;
        rig.writeFile(QStringLiteral("Settings.ini"), "[Away]\r\nMinutes=5\r\n");
        rig.load();
        start(rig, QStringLiteral("Alpha"));
        rig.idle.input();
        rig.runMinutes(20);
        rig.idle.input();
        auto* question = rig.window->findChild<QWidget*>(u"FrmAway"_qs);
        QVERIFY(question);
        {
            faultfs::ReadOnlyFolder readOnly(rig.dir.path());
            if (!readOnly.unavailableReason().isEmpty())
                QSKIP(qPrintable(readOnly.unavailableReason()));
            rig.dialogs.answerOk();
            question->findChild<QPushButton*>(u"CmdKeep"_qs)->click();
            QVERIFY(rig.dialogs.messageTexts().constLast().contains(rig.path(u"Tasks.txt"_qs)));
            QVERIFY(!rig.log().contains("[Notes]"));
        }
        QVERIFY(rig.session().isRunning());
        stop(rig);
        QVERIFY(rig.log().endsWith("6/3/2008 9:20:05 AM [Notes] Away from 6/3/2008 9:00:05 AM "
                                   "to 6/3/2008 9:20:05 AM (0d 0h 20m 0s)\r\n"
                                   "6/3/2008 9:20:08 AM [Stopped] Alpha\r\n"
                                   "[Total Time] 0d 0h 20m 3s\r\n"
                                   "<!--  END SESSION  -->\r\n\r\n\r\n"));
    }

    // Each data file replaced by a folder of that name.
    void dataFilesThatAreFoldersAreReportedNotOverwritten() {
        AppRig rig;
        for (const char* name : {"Tasks.txt", "Projects.txt", "Settings.ini"})
            QVERIFY(QDir(rig.dir.path()).mkdir(QString::fromLatin1(name)));
        MainWindow& window = rig.load();
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->count(), 0);

        start(rig, QStringLiteral("Alpha"), true);
        stop(rig);
        QCOMPARE(rig.find<QComboBox>(u"CboProject"_qs)->count(), 1);
        window.close();
        const QStringList messages = rig.dialogs.messageTexts();
        QCOMPARE(messages.filter(QStringLiteral("folder")).size(), messages.size());
        QCOMPARE(messages.size(), 5);

        QVERIFY(QDir(rig.dir.path()).rmdir(QStringLiteral("Tasks.txt")));
        rig.load();
        start(rig, QStringLiteral("Beta"), true);
        stop(rig);
        QCOMPARE(projectsInLog(rig.log()), QStringList({u"Alpha"_qs, u"Beta"_qs}));
    }

    // The program killed while a session runs: the lines written before are whole, and once
    // a later session has stopped the cut-short record shows as a session of its own.
    void sessionCutShortByAKillKeepsItsLines_data() {
        QTest::addColumn<QStringList>("projects");
        QTest::newRow("first session") << QStringList{u"Killed"_qs};
        QTest::newRow("after a whole session") << QStringList{u"Whole"_qs, u"Killed"_qs};
    }
    void sessionCutShortByAKillKeepsItsLines() {
        QFETCH(QStringList, projects);
        QTemporaryDir parent;
        QProcess driver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), parent.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        driver.setProcessEnvironment(env);
        driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Built beside this test, and copied with it for the run as an ordinary user.
        const QDir testFolder(QCoreApplication::applicationDirPath());
        driver.start(testFolder.filePath(QStringLiteral(TALLYHAWK_SESSION_DRIVER)), projects);
        QVERIFY2(driver.waitForReadyRead(60000),
                 qPrintable(u"the driver did not start its session: "_qs + driver.errorString()));
        const QString folder = QString::fromLocal8Bit(driver.readLine()).trimmed();
        driver.kill();
        QVERIFY(driver.waitForFinished(60000));
        QCOMPARE(driver.exitStatus(), QProcess::CrashExit);

        QFile file(QDir(folder).filePath(QStringLiteral("Tasks.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray killed = file.readAll();
        const QList<QByteArray> lines = killed.split('\n');
        QVERIFY(lines.size() >= 4);
        QCOMPARE(lines[lines.size() - 4], "<!--  BEGIN SESSION //-->\r");
        QVERIFY(lines[lines.size() - 3].endsWith(" [Started] Killed\r"));
        QVERIFY(lines[lines.size() - 2].endsWith(" [Starting Comments] Working on Killed\r"));
        QCOMPARE(lines.last(), QByteArray());
        QCOMPARE(projectsInLog(killed), projects.mid(0, projects.size() - 1));

        // The next run of the program, in the same folder.
        AppRig rig;
        rig.writeFile(QStringLiteral("Tasks.txt"), killed);
        rig.load();
        start(rig, QStringLiteral("Next"));
        stop(rig);
        QVERIFY(rig.log().startsWith(killed));
        QCOMPARE(projectsInLog(rig.log()), projects + QStringList{u"Next"_qs});
        const ReportTree tree = ReportTree::build(rig.log());
        const qsizetype cut = tree.sessionCount() - 2;
        QCOMPARE(tree.lineCount(cut), 2);
        QVERIFY(tree.lineText(tree.firstLine(cut)).endsWith(u"[Started] Killed"_qs));
    }
};

TALLYHAWK_FAULT_TEST_MAIN(QApplication, TestFaultApp)
#include "tst_fault_app.moc"
