#include "faultfs.h"

#include "reports/reporttree.h"
#include "tests/support/apprig.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {

// A new project whose name cannot be saved is warned about before the input box comes.
void start(AppRig& rig, const QString& project, bool listWriteFails = false) {
    rig.form->CboProject->setEditText(project);
    if (listWriteFails)
        rig.dialogs.answerOk();
    rig.dialogs.answerInput(QStringLiteral("Comment on ") + project);
    rig.form->CmdStartStop->click();
}

void stop(AppRig& rig) {
    rig.runSeconds(3);
    rig.form->CmdStartStop->click();
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
    // sessions go on, and once the folder is writable again the log gets every line.
    void readOnlyFolderWarnsAndKeepsTheSession() {
        AppRig rig;
        rig.writeFile(QStringLiteral("Projects.txt"), "Beta\r\nGamma\r\n");
        rig.writeFile(QStringLiteral("Settings.ini"), "[Textboxes]\r\nTxtAsk=15\r\n");
        Form1& form = rig.load();
        faultfs::ReadOnlyFolder readOnly(rig.dir.path());
        if (!readOnly.unavailableReason().isEmpty())
            QSKIP(qPrintable(readOnly.unavailableReason()));

        start(rig, QStringLiteral("Alpha"), true);
        QVERIFY(form.isRunning());
        stop(rig);
        QVERIFY(!form.isRunning());
        form.CboProject->setCurrentIndex(form.CboProject->findText(QStringLiteral("Gamma")));
        form.CmdRemove->click();
        form.Form_Unload();

        const QStringList messages = rig.dialogs.messageTexts();
        const auto mentioning = [&](const QString& name) {
            return messages.filter(rig.path(name)).size();
        };
        QCOMPARE(mentioning(QStringLiteral("Tasks.txt")), 2);
        QCOMPARE(mentioning(QStringLiteral("Projects.txt")), 2);
        QCOMPARE(mentioning(QStringLiteral("Settings.ini")), 1);
        QCOMPARE(rig.file(QStringLiteral("Projects.txt")), "Beta\r\nGamma\r\n");
        QCOMPARE(rig.file(QStringLiteral("Settings.ini")), "[Textboxes]\r\nTxtAsk=15\r\n");
        QVERIFY(rig.log().isNull());

        // The record waits in memory and goes out whole with the next write that works.
        readOnly.release();
        start(rig, QStringLiteral("Beta"));
        QCOMPARE(projectsInLog(rig.log()), QStringList{u"Alpha"_qs});
        QVERIFY(rig.log().startsWith("<!--  BEGIN SESSION //-->\r\n6/3/2008 9:00:05 AM [Started] "
                                     "Alpha\r\n"));
        QVERIFY(rig.log().endsWith("[Starting Comments] Comment on Beta\r\n"));
    }

    // Each data file replaced by a folder of that name.
    void dataFilesThatAreFoldersAreReportedNotOverwritten() {
        AppRig rig;
        for (const char* name : {"Tasks.txt", "Projects.txt", "Settings.ini"})
            QVERIFY(QDir(rig.dir.path()).mkdir(QString::fromLatin1(name)));
        Form1& form = rig.load();
        QCOMPARE(form.CboProject->count(), 0);

        start(rig, QStringLiteral("Alpha"), true);
        stop(rig);
        form.Form_Unload();
        const QStringList messages = rig.dialogs.messageTexts();
        QCOMPARE(messages.filter(QStringLiteral("folder")).size(), messages.size());
        QCOMPARE(messages.size(), 4);
        QCOMPARE(form.CboProject->count(), 1);

        QVERIFY(QDir(rig.dir.path()).rmdir(QStringLiteral("Tasks.txt")));
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
        driver.start(QStringLiteral(TALLYHAWK_SESSION_DRIVER), projects);
        QVERIFY2(driver.waitForReadyRead(60000), "the driver did not start its session");
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
