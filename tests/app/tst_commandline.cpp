#include "app/commandline.h"

#include <QProcess>
#include <QtTest>

namespace {

using Kind = commandline::Invocation::Kind;
using commandprotocol::Verb;

const QDateTime Now(QDate(2024, 1, 31), QTime(17, 0, 0));

commandline::Invocation read(const QString& line) {
    return commandline::read(QProcess::splitCommand(line), Now);
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    // Said wrongly, the program opens no window and starts nothing: the usage and status 2.
    void mistakesAreToldNotGuessed_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("mistake");
        QTest::newRow("unknown option") << u"--bogus"_qs << u"Unknown option 'bogus'."_qs;
        QTest::newRow("stray argument") << u"Alpha"_qs << u"Unexpected argument 'Alpha'."_qs;
        QTest::newRow("after --") << u"-- --stop"_qs << u"Unexpected argument '--stop'."_qs;
        QTest::newRow("verb without its value")
            << u"--start"_qs << u"Missing value after '--start'."_qs;
        QTest::newRow("two verbs") << u"--start Alpha --stop"_qs
                                   << u"Give one of --start, --switch, --stop, --toggle, --note "
                                      "and --status at a time."_qs;
        QTest::newRow("comment with stop")
            << u"--stop --comment x"_qs << u"--comment goes only with --start or --switch."_qs;
        QTest::newRow("at alone") << u"--at 9:00"_qs
                                  << u"--at goes only with --start or --stop."_qs;
        QTest::newRow("at with switch")
            << u"--switch B --at 9:00"_qs << u"--at goes only with --start or --stop."_qs;
        QTest::newRow("format with start")
            << u"--start A --format json"_qs << u"--format goes only with --status."_qs;
        QTest::newRow("unknown format")
            << u"--status --format xml"_qs
            << u"Unknown value 'xml' for --format; use text or json."_qs;
        QTest::newRow("not a time")
            << u"--stop --at 9.30"_qs
            << u"'9.30' is not a TIME for --at; write HH:MM or HH:MM:SS for today, or "
               "YYYY-MM-DDTHH:MM[:SS]."_qs;
    }
    void mistakesAreToldNotGuessed() {
        QFETCH(QString, line);
        QFETCH(QString, mistake);
        const commandline::Invocation invocation = read(line);
        QCOMPARE(invocation.kind, Kind::Usage);
        QCOMPARE(invocation.mistake, mistake);
    }

    // Qt's options reach the window whatever is said around them, one dash or two, and their
    // values are never taken for anything else.
    void qtOptionsGoToTheWindow_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("qtOptions");
        QTest::addColumn<QString>("project");
        QTest::newRow("platform") << u"-platform offscreen"_qs << int(Kind::Window)
                                  << QStringList{u"-platform"_qs, u"offscreen"_qs} << QString();
        QTest::newRow("two dashes and an equals sign")
            << u"--style fusion -stylesheet=a.qss -reverse"_qs << int(Kind::Window)
            << QStringList{u"--style"_qs, u"fusion"_qs, u"-stylesheet=a.qss"_qs, u"-reverse"_qs}
            << QString();
        QTest::newRow("with a command") << u"-display :1 --toggle"_qs << int(Kind::Command)
                                        << QStringList{u"-display"_qs, u":1"_qs} << QString();
        QTest::newRow("a project named like one")
            << u"--start -style"_qs << int(Kind::Command) << QStringList() << u"-style"_qs;
    }
    void qtOptionsGoToTheWindow() {
        QFETCH(QString, line);
        QFETCH(int, kind);
        QFETCH(QStringList, qtOptions);
        QFETCH(QString, project);
        const commandline::Invocation invocation = read(line);
        QCOMPARE(int(invocation.kind), kind);
        QCOMPARE(invocation.qtOptions, qtOptions);
        QCOMPARE(invocation.command.request.project, project);
    }

    void commandsCarryWhatGoesWithThem() {
        commandline::Invocation start =
            read(u"--start \"Web site\" --comment Mock-ups --at 9:30"_qs);
        QCOMPARE(start.kind, Kind::Command);
        QCOMPARE(start.command.request,
                 (commandprotocol::Request{Verb::Start,
                                           u"Web site"_qs,
                                           u"Mock-ups"_qs,
                                           {},
                                           QDateTime(QDate(2024, 1, 31), QTime(9, 30))}));
        const commandline::Invocation note = read(u"--note -"_qs);
        QCOMPARE(note.command.request.verb, Verb::Note);
        QVERIFY(note.command.noteFromInput);
        QVERIFY(read(u"--status --format json"_qs).command.json);
        QCOMPARE(read(u"--switch Beta"_qs).command.request.project, u"Beta"_qs);
        // The totals keep their own options, and their own mistakes.
        QCOMPARE(read(u"--by week --summary"_qs).kind, Kind::Summary);
        QCOMPARE(read(u"--stop --help"_qs).kind, Kind::Help);
    }

    void timesAreTodayOrADayGiven_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("moment");
        const QDate today = Now.date();
        QTest::newRow("HH:MM") << u"09:30"_qs << QDateTime(today, QTime(9, 30));
        QTest::newRow("one-digit hour") << u"9:30"_qs << QDateTime(today, QTime(9, 30));
        QTest::newRow("HH:MM:SS") << u"16:59:58"_qs << QDateTime(today, QTime(16, 59, 58));
        QTest::newRow("ISO") << u"2024-01-30T23:05"_qs
                             << QDateTime(QDate(2024, 1, 30), QTime(23, 5));
        QTest::newRow("ISO with seconds")
            << u"2024-01-30T23:05:09"_qs << QDateTime(QDate(2024, 1, 30), QTime(23, 5, 9));
        QTest::newRow("no such hour") << u"24:00"_qs << QDateTime();
        QTest::newRow("a space for the T") << u"2024-01-30 23:05"_qs << QDateTime();
        QTest::newRow("an offset") << u"2024-01-30T23:05Z"_qs << QDateTime();
        QTest::newRow("a date alone") << u"2024-01-30"_qs << QDateTime();
    }
    void timesAreTodayOrADayGiven() {
        QFETCH(QString, text);
        QFETCH(QDateTime, moment);
        QCOMPARE(commandline::moment(text, Now).value_or(QDateTime()), moment);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
