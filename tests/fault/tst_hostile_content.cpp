#include "tests/support/faultfs.h"

#include "reports/reportmodel.h"
#include "reports/reportswindow.h"
#include "storage/inifile.h"
#include "tests/support/apprig.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QByteArray Begin = "<!--  BEGIN SESSION //-->\r\n";
const QByteArray End = "<!--  END SESSION  -->\r\n\r\n\r\n";

QByteArray record(const QByteArray& project, const QByteArray& note) {
    return Begin + "6/3/2008 9:00:05 AM [Started] " + project + "\r\n6/3/2008 9:10:00 AM [Notes] " +
           note + "\r\n6/3/2008 9:20:00 AM [Stopped] " + project +
           "\r\n[Total Time] 0d 0h 20m 0s\r\n" + End;
}

QByteArray randomBytes(qsizetype size) {
    QRandomGenerator random(7);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

// The main window still does its everyday work: a session starts and stops and is logged.
void checkStillUsable(AppRig& rig) {
    const qsizetype before = rig.log().size();
    rig.typeProject(QStringLiteral("After"));
    rig.dialogs.answerInput(QStringLiteral("still here"));
    rig.click(QStringLiteral("CmdStartStop"));
    rig.runSeconds(2);
    rig.click(QStringLiteral("CmdStartStop"));
    QVERIFY(!rig.session().isRunning());
    QVERIFY(rig.log().size() > before);
    QVERIFY(rig.log().endsWith(End));
}

} // namespace

class TestHostileContent : public QObject {
    Q_OBJECT

private slots:
    void reportsWindowOpensHostileLogs_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<qsizetype>("sessions");
        QTest::addColumn<qsizetype>("lines");
        QTest::newRow("50 MB on one line")
            << QByteArray(50 << 20, 'w') << qsizetype(1) << qsizetype(1);
        QTest::newRow("NUL and invalid bytes")
            << record(QByteArray("Nul\0in name", 11), "\x81\x8d\x8f\x90\x9d\xff") +
                   randomBytes(1 << 20).replace("<!--", "<!- ") + "\r\n" + record("Last", "done")
            << qsizetype(2) << qsizetype(-1);
        QTest::newRow("lines of 1 MB")
            << record(QByteArray(1 << 20, 'p'), QByteArray(1 << 20, 'n')).repeated(8)
            << qsizetype(8) << qsizetype(32);
    }
    void reportsWindowOpensHostileLogs() {
        QFETCH(QByteArray, log);
        QFETCH(qsizetype, sessions);
        QFETCH(qsizetype, lines);
        AppRig rig;
        rig.writeFile(QStringLiteral("Tasks.txt"), log);
        rig.load();

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(rig.find(QStringLiteral("LblReports")), Qt::LeftButton);
        QCoreApplication::processEvents();
        qInfo("Reports window opened on %lld bytes in %lld ms", qlonglong(log.size()),
              qlonglong(timer.elapsed()));

        auto* reports = rig.find<ReportsWindow>(u"FrmLog"_qs);
        QVERIFY(reports);
        const ReportTree& tree = reports->report()->tree();
        QCOMPARE(tree.sessionCount(), sessions);
        if (lines >= 0)
            QCOMPARE(tree.lineCount(), lines);
        if (QTest::currentDataTag() == QByteArrayView("NUL and invalid bytes")) {
            QCOMPARE(tree.projectText(0), QString::fromLatin1(" Nul\0in name", 12));
            QVERIFY(tree.lineText(1).endsWith(u"\u0081\u008d\u008f\u0090\u009d\u00ff"_qs));
        }
        reports->close();
        checkStillUsable(rig);
    }

    void mainWindowLoadsHugeSettingsAndProjectList() {
        AppRig rig;
        QByteArray ini;
        for (int i = 0; i < 100000; ++i)
            ini +=
                "[Section" + QByteArray::number(i) + "]\r\nKey=" + QByteArray::number(i) + "\r\n";
        ini += "[Textboxes]\r\nTxtAsk=45\r\n[ComboBox]\r\nCboProject=Project 99999\r\n";
        rig.writeFile(QStringLiteral("Settings.ini"), ini);
        QByteArray projects;
        for (int i = 100000; i-- > 0;)
            projects += "Project " + QByteArray::number(i) + "\r\n";
        rig.writeFile(QStringLiteral("Projects.txt"), projects);

        QElapsedTimer timer;
        timer.start();
        rig.load();
        qInfo("Main window loaded 100,000 settings sections and 100,000 projects in %lld ms",
              qlonglong(timer.elapsed()));
        const auto* projectBox = rig.find<QComboBox>(QStringLiteral("CboProject"));
        QCOMPARE(projectBox->count(), 100000);
        QCOMPARE(projectBox->itemText(0), u"Project 0"_qs);
        QCOMPARE(rig.find<QLineEdit>(QStringLiteral("TxtAsk"))->text(), u"45"_qs);
        QCOMPARE(projectBox->currentText(), u"Project 99999"_qs);

        timer.restart();
        checkStillUsable(rig);
        QVERIFY(rig.file(QStringLiteral("Projects.txt")).endsWith("Project 0\r\nAfter\r\n"));
        rig.window->close();
        qInfo("A session and the shut-down took %lld ms", qlonglong(timer.elapsed()));
        QVERIFY(rig.file(QStringLiteral("Settings.ini")).startsWith(ini.left(1000)));
        QCOMPARE(ReadINI(u"ComboBox", u"CboProject", rig.path(QStringLiteral("Settings.ini"))),
                 u"After"_qs);
    }
};

TALLYHAWK_FAULT_TEST_MAIN(QApplication, TestHostileContent)
#include "tst_hostile_content.moc"
