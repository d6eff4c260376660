#include "app/summarycommand.h"
#include "tests/support/files.h"
#include "tests/support/sessionlogtext.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace sessionlogtext;

namespace {

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome run(const QStringList& arguments, const QString& defaultLog) {
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.status = summarycommand::run(QStringList{u"tallyhawk"_qs} + arguments, defaultLog, out,
                                         err, UnitedStates);
    return outcome;
}

} // namespace

class TestSummaryCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        m_zone = std::make_unique<LocalZone>("UTC0");
        QVERIFY(m_dir.isValid());
        m_log = m_dir.filePath(u"Tasks.txt"_qs);
        m_copy = m_dir.filePath(u"copy.txt"_qs);
        QVERIFY(writeBytes(m_log, bytes(record(u"Alpha"_qs, u"1/1/2024 9:00:00 AM"_qs,
                                               u"1/1/2024 10:00:00 AM"_qs, u"0d 1h 0m 0s"_qs) +
                                        record(u"Beta"_qs, u"1/8/2024 9:00:00 AM"_qs,
                                               u"1/8/2024 9:30:00 AM"_qs, u"0d 0h 30m 0s"_qs))));
        QVERIFY(writeBytes(m_copy, bytes(record(u"Copied"_qs, u"1/1/2024 9:00:00 AM"_qs,
                                                u"1/1/2024 9:00:10 AM"_qs, u"0d 0h 0m 10s"_qs))));
    }
    void cleanupTestCase() { m_zone.reset(); }

    void printsTheTotalsOfTheLogInUse() {
        const Outcome outcome = run({u"--summary"_qs}, m_log);
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.out, u"Project     Time  Hours  Sessions\n"
                              "Alpha    1:00:00   1.00         1\n"
                              "Beta     0:30:00   0.50         1\n"
                              "Total    1:30:00   1.50         2\n"_qs);
    }

    void appliesTheOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("secondLine");
        QTest::newRow("another log")
            << QStringList{u"--log"_qs, u"COPY"_qs} << u"Project     Time  Hours  Sessions"_qs
            << u"Copied   0:00:10   0.00         1"_qs;
        QTest::newRow("by week as CSV")
            << QStringList{u"--by"_qs, u"week"_qs, u"--format"_qs, u"csv"_qs}
            << u"period,from,to,project,seconds,hours,sessions,incomplete\r"_qs
            << u"2024-W01,2024-01-01,2024-01-07,Alpha,3600,1.00,1,0\r"_qs;
        QTest::newRow("dates and a project") << QStringList{u"--from=2024-01-02"_qs,
                                                            u"--to"_qs,
                                                            u"2024-01-31"_qs,
                                                            u"--project"_qs,
                                                            u"Beta"_qs,
                                                            u"--format"_qs,
                                                            u"json"_qs}
                                             << u"["_qs << u"    {"_qs;
        QTest::newRow("an HTML page")
            << QStringList{u"--format"_qs, u"html"_qs} << u"<!DOCTYPE html>"_qs
            << u"<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">"_qs;
    }
    void appliesTheOptions() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        QFETCH(QString, secondLine);
        arguments.replaceInStrings(u"COPY"_qs, m_copy);
        const Outcome outcome = run(QStringList{u"--summary"_qs} + arguments, m_log);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.status, 0);
        const QStringList lines = outcome.out.split(u'\n');
        QCOMPARE(lines.value(0), firstLine);
        QCOMPARE(lines.value(1), secondLine);
        if (arguments.contains(u"json"_qs)) {
            QVERIFY(outcome.out.contains(u"\"project\": \"Beta\""_qs));
            QVERIFY(!outcome.out.contains(u"Alpha"_qs));
        }
    }

    void refusesWrongCommandLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option")
            << QStringList{u"--summary"_qs, u"--bogus"_qs} << u"Unknown option 'bogus'."_qs;
        QTest::newRow("option without its value")
            << QStringList{u"--summary"_qs, u"--by"_qs} << u"Missing value after '--by'."_qs;
        QTest::newRow("unknown grouping")
            << QStringList{u"--summary"_qs, u"--by"_qs, u"year"_qs}
            << u"Unknown value 'year' for --by; use project, day, week or month."_qs;
        QTest::newRow("unknown format")
            << QStringList{u"--summary"_qs, u"--format"_qs, u"xml"_qs}
            << u"Unknown value 'xml' for --format; use text, csv, json or html."_qs;
        QTest::newRow("not a date")
            << QStringList{u"--summary"_qs, u"--from"_qs, u"1/2/2024"_qs}
            << u"'1/2/2024' is not a date for --from; write it as YYYY-MM-DD, such as 2024-01-31."_qs;
        QTest::newRow("no such day")
            << QStringList{u"--summary"_qs, u"--to"_qs, u"2024-02-30"_qs}
            << u"'2024-02-30' is not a date for --to; write it as YYYY-MM-DD, such as 2024-01-31."_qs;
        QTest::newRow("dates the wrong way round")
            << QStringList{u"--summary"_qs, u"--from"_qs, u"2024-02-01"_qs, u"--to"_qs,
                           u"2024-01-01"_qs}
            << u"--from 2024-02-01 comes after --to 2024-01-01."_qs;
        QTest::newRow("stray argument") << QStringList{u"--summary"_qs, u"Tasks.txt"_qs}
                                        << u"Unexpected argument 'Tasks.txt'."_qs;
        QTest::newRow("no summary asked for")
            << QStringList{u"--by"_qs, u"week"_qs} << u"Nothing to do without --summary."_qs;
    }
    void refusesWrongCommandLines() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Outcome outcome = run(arguments, m_log);
        QCOMPARE(outcome.status, 2);
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err, u"tallyhawk: "_qs + message +
                                  u"\nTry 'tallyhawk --help' for more information.\n"_qs);
    }

    void namesTheLogItCannotRead_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a log named with --log that is missing")
            << QStringList{u"--log"_qs, u"missing.txt"_qs} << u"missing.txt"_qs
            << u"the file does not exist"_qs;
        QTest::newRow("the log in use is a folder")
            << QStringList() << QString() << u"it is a folder, not a file"_qs;
    }
    void namesTheLogItCannotRead() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QFETCH(QString, reason);
        const QString full = m_dir.filePath(path);
        arguments.replaceInStrings(path, full);
        const Outcome outcome = run(QStringList{u"--summary"_qs} + arguments, full);
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err, u"tallyhawk: Could not read \"%1\": %2.\n"_qs.arg(full, reason));
    }

    // Before the first session the program's own log does not exist yet.
    void totalsNothingBeforeTheFirstSession() {
        const Outcome outcome = run({u"--summary"_qs}, m_dir.filePath(u"new/Tasks.txt"_qs));
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.out, u"Project     Time  Hours  Sessions\n"
                              "Total    0:00:00   0.00         0\n"_qs);
    }

    void saysWhenNoSessionMatchesTheProject_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("another letter case")
            << QStringList{u"--project"_qs, u"alpha"_qs}
            << u"tallyhawk: no session matched --project \"alpha\"; the log has \"Alpha\" "
               "(names must match exactly, letter case and spaces included).\n"_qs;
        QTest::newRow("no project like it")
            << QStringList{u"--project"_qs, u"Gamma"_qs}
            << u"tallyhawk: no session matched --project \"Gamma\".\n"_qs;
        QTest::newRow("not on these dates")
            << QStringList{u"--project"_qs, u"Beta"_qs, u"--to"_qs, u"2024-01-07"_qs}
            << u"tallyhawk: no session matched --project \"Beta\".\n"_qs;
    }
    void saysWhenNoSessionMatchesTheProject() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Outcome outcome =
            run(QStringList{u"--summary"_qs, u"--format"_qs, u"csv"_qs} + arguments, m_log);
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out, u"project,seconds,hours,sessions,incomplete\r\n"_qs);
        QCOMPARE(outcome.err, message);
    }

    void answersHelpAndVersion() {
        const Outcome help = run({u"--help"_qs}, m_log);
        QCOMPARE(help.status, 0);
        for (const QString& option : {u"--summary"_qs, u"--by"_qs, u"--from"_qs, u"--to"_qs,
                                      u"--project"_qs, u"--format"_qs, u"--log"_qs})
            QVERIFY2(help.out.contains(option), qPrintable(option));
        // The away threshold has no control in any window; help names its key.
        QVERIFY(help.out.contains(u"  [Away]\n  Minutes=15\n"_qs));
        const Outcome version = run({u"--version"_qs}, m_log);
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, u"Tallyhawk "_qs + summarycommand::version() + u'\n');
        QVERIFY(QRegularExpression(u"^\\d+\\.\\d+"_qs).match(summarycommand::version()).hasMatch());
    }

    // Decided before any application object exists: a summary must not open a display, and a
    // window start must keep the toolkit's own options.
    void tellsSummaryRunsFromWindowStarts_data() {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<bool>("summary");
        QTest::newRow("no arguments") << QByteArrayList{} << false;
        QTest::newRow("summary") << QByteArrayList{"--summary", "--by", "week"} << true;
        QTest::newRow("summary after an option")
            << QByteArrayList{"--log", "x", "--summary"} << true;
        QTest::newRow("help") << QByteArrayList{"--help"} << true;
        QTest::newRow("version") << QByteArrayList{"-v"} << true;
        QTest::newRow("toolkit options") << QByteArrayList{"-platform", "offscreen"} << false;
        QTest::newRow("after the end of options") << QByteArrayList{"--", "--summary"} << false;
        QTest::newRow("a prefix is not the option") << QByteArrayList{"--summaryx"} << false;
    }
    void tellsSummaryRunsFromWindowStarts() {
        QFETCH(QByteArrayList, arguments);
        QFETCH(bool, summary);
        arguments.prepend("tallyhawk");
        std::vector<const char*> argv;
        for (const QByteArray& argument : arguments)
            argv.push_back(argument.constData());
        QCOMPARE(summarycommand::isSummaryRun(int(argv.size()), argv.data()), summary);
    }

private:
    std::unique_ptr<LocalZone> m_zone;
    QTemporaryDir m_dir;
    QString m_log;
    QString m_copy;
};

QTEST_GUILESS_MAIN(TestSummaryCommand)
#include "tst_summarycommand.moc"
