// The command line and the session bus with real processes: the real program in a folder of
// its own, on no display, driven by `tallyhawk --start` and the rest, and by gdbus.
#include "app/singleinstance.h"
#include "tests/support/privatebus.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A stamp as the program writes it under United States settings.
const QString Stamp = u"(\\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d\\d:\\d\\d [AP]M)"_qs;

// The program copied into a folder of its own, where its data files land, with a runtime
// folder of its own and no display; no session bus unless one is given.
class Program {
public:
    struct Run {
        int status = -1;
        QByteArray out;
        QByteArray err;
    };

    explicit Program(const QString& busAddress = u"unix:path=/nonexistent"_qs) {
        m_path = m_folder.filePath(u"tallyhawk"_qs);
        QVERIFY(QFile::copy(QStringLiteral(TALLYHAWK_EXECUTABLE), m_path));
        m_env = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"DISPLAY"_qs, u"WAYLAND_DISPLAY"_qs, u"QT_QPA_PLATFORM"_qs})
            m_env.remove(name);
        m_env.insert(u"XDG_RUNTIME_DIR"_qs, m_runtime.path());
        m_env.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, busAddress);
        m_env.insert(u"LC_ALL"_qs, u"en_US.UTF-8"_qs);
        m_env.insert(u"TZ"_qs, u"UTC"_qs);
        // This process finds the program's lock and socket where the program puts them.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }
    ~Program() { end(); }

    // The program's own window platform: what a desktop would give it.
    void withWindow() { m_env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs); }

    Run run(const QStringList& arguments, const QByteArray& input = {}) const {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.start(m_path, arguments);
        process.write(input);
        process.closeWriteChannel();
        Run run;
        if (!process.waitForFinished(40000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.status = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    // Ends the running program as a logout does, and waits until it has let go of the folder.
    void end() {
        QLockFile lock(instance().lockPath());
        qint64 pid = 0;
        if (!lock.getLockInfo(&pid, nullptr, nullptr))
            return;
        ::kill(pid_t(pid), SIGTERM);
        QVERIFY(QTest::qWaitFor([&] { return lock.tryLock(0); }, 20000));
    }

    SingleInstance instance() const { return SingleInstance(m_folder.path()); }
    QByteArray file(const QString& name) const {
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void seed(const QString& name, const QByteArray& bytes) const {
        QFile file(m_folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    QTemporaryDir m_runtime;
    QString m_path;
    QProcessEnvironment m_env;
};

QJsonObject json(const QByteArray& line) {
    return QJsonDocument::fromJson(line).object();
}

// The stamps of the lines with the tag, in order.
QStringList stamps(const QByteArray& log, const QString& tag) {
    QStringList found;
    const QRegularExpression line(Stamp + u" \\["_qs + tag + u"\\] "_qs);
    for (const QRegularExpressionMatch& match : line.globalMatch(QString::fromLatin1(log)))
        found << match.captured(1);
    return found;
}

} // namespace

class TestDrive : public QObject {
    Q_OBJECT
private slots:
    void withoutAProgramNothingIsWrittenAndStatusReadsTheLog() {
        Program program;
        QCOMPARE(program.run({u"--status"_qs}).out, QByteArray("Not running.\n"));
        const QByteArray cut = "<!--  BEGIN SESSION //-->\r\n"
                               "1/31/2024 9:00:05 AM [Started] Alpha\r\n"
                               "1/31/2024 9:00:05 AM [Starting Comments] Mock-ups\r\n";
        program.seed(u"Tasks.txt"_qs, cut);
        const Program::Run status = program.run({u"--status"_qs, u"--format"_qs, u"json"_qs});
        QCOMPARE(status.status, 0);
        QCOMPARE(status.out, QByteArray("{\"comment\":\"Mock-ups\",\"elapsedSeconds\":null,"
                                        "\"incomplete\":true,\"project\":\"Alpha\",\"running\":"
                                        "false,\"started\":\"2024-01-31T09:00:05+00:00\"}\n"));
        QCOMPARE(program.run({u"--status"_qs}).out,
                 QByteArray("Not running; the last session, Alpha since 1/31/2024 9:00:05 AM, "
                            "has no stop lines.\n"));
        for (const QStringList& verb : {QStringList{u"--stop"_qs}, {u"--note"_qs, u"Lunch"_qs}}) {
            const Program::Run refused = program.run(verb);
            QCOMPARE(refused.status, 1);
            QCOMPARE(refused.err,
                     (u"tallyhawk: No session is running: Tallyhawk does not run on "_qs +
                      program.folder() + u".\n"_qs)
                         .toUtf8());
        }
        QCOMPARE(program.file(u"Tasks.txt"_qs), cut);
        QCOMPARE(QDir(program.folder()).entryList(QDir::Files).size(), 2);
    }

    // Without a display, too: no window is tried, and Qt never aborts.
    void mistakesGetTheUsageAndStatusTwo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{u"--bogus"_qs};
        QTest::newRow("stray argument") << QStringList{u"Alpha"_qs};
        QTest::newRow("a TIME that is not one")
            << QStringList{u"--stop"_qs, u"--at"_qs, u"noon"_qs};
    }
    void mistakesGetTheUsageAndStatusTwo() {
        QFETCH(QStringList, arguments);
        const Program::Run run = Program().run(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("\nUsage: tallyhawk [Qt options]\n"), run.err.constData());
        QVERIFY(run.out.isEmpty());
    }

    void eachVerbAgainstTheRunningProgram() {
        Program program;
        program.withWindow();
        // Started for the command, which it then carries out.
        QCOMPARE(program.run({u"--start"_qs, u"Alpha"_qs, u"--comment"_qs, u"Planning"_qs}).status,
                 0);
        QCOMPARE(program.file(u"Projects.txt"_qs), QByteArray("Alpha\r\n"));
        const QString started = stamps(program.file(u"Tasks.txt"_qs), u"Started"_qs).value(0);
        QCOMPARE(stamps(program.file(u"Tasks.txt"_qs), u"Starting Comments"_qs),
                 QStringList{started});

        const Program::Run again = program.run({u"--start"_qs, u"Beta"_qs});
        QCOMPARE(again.status, 1);
        QCOMPARE(again.err,
                 (u"tallyhawk: Alpha is running since "_qs + started + u".\n"_qs).toUtf8());
        const Program::Run unencodable = program.run({u"--note"_qs, u"\u65e5\u672c"_qs});
        QCOMPARE(unencodable.status, 1);
        QCOMPARE(unencodable.err, QByteArray("tallyhawk: The note holds characters that the "
                                             "session log cannot keep: \"\xe6\x97\xa5\" (U+65E5), "
                                             "\"\xe6\x9c\xac\" (U+672C).\n"));

        const QJsonObject status =
            json(program.run({u"--status"_qs, u"--format"_qs, u"json"_qs}).out);
        QCOMPARE(status.keys(), (QStringList{u"comment"_qs, u"elapsedSeconds"_qs, u"incomplete"_qs,
                                             u"project"_qs, u"running"_qs, u"started"_qs}));
        QCOMPARE(status.value(u"running"_qs), QJsonValue(true));
        QCOMPARE(status.value(u"project"_qs), QJsonValue(u"Alpha"_qs));
        QCOMPARE(status.value(u"comment"_qs), QJsonValue(u"Planning"_qs));
        QVERIFY(status.value(u"elapsedSeconds"_qs).toInteger(-1) >= 0);
        QVERIFY(status.value(u"started"_qs).toString().endsWith(u"+00:00"_qs));
        QVERIFY(QRegularExpression(u"^Running: Alpha, since "_qs + Stamp +
                                   u" \\(0d 0h \\d+m \\d+s\\)\n$"_qs)
                    .match(QString::fromUtf8(program.run({u"--status"_qs}).out))
                    .hasMatch());

        QCOMPARE(program.run({u"--note"_qs, u"-"_qs}, "two\nlines\n").status, 0);
        QVERIFY(program.file(u"Tasks.txt"_qs).endsWith(" [Notes] two\r\nlines\r\n"));

        QCOMPARE(program.run({u"--switch"_qs, u"Beta"_qs}).status, 0);
        const QByteArray log = program.file(u"Tasks.txt"_qs);
        QCOMPARE(stamps(log, u"Stopped"_qs).value(0), stamps(log, u"Started"_qs).value(1));
        QVERIFY(log.endsWith(" [Started] Beta\r\n"));

        // Stopped at the very second it started: the earliest moment there is.
        const QString betaStart = stamps(log, u"Started"_qs).value(1);
        const QString at = QLocale(u"en_US"_qs)
                               .toDateTime(betaStart, u"M/d/yyyy h:mm:ss AP"_qs)
                               .toString(u"yyyy-MM-ddTHH:mm:ss"_qs);
        QCOMPARE(program.run({u"--stop"_qs, u"--at"_qs, at}).status, 0);
        QVERIFY(program.file(u"Tasks.txt"_qs)
                    .endsWith(betaStart.toLatin1() +
                              " [Stopped] Beta\r\n[Total Time] 0d 0h 0m 0s\r\n"
                              "<!--  END SESSION  -->\r\n\r\n\r\n"));

        // The project box shows the last one started: Beta.
        QCOMPARE(program.run({u"--toggle"_qs}).status, 0);
        QVERIFY(program.file(u"Tasks.txt"_qs).endsWith(" [Started] Beta\r\n"));
        QCOMPARE(program.run({u"--toggle"_qs}).status, 0);
        const Program::Run stopAgain = program.run({u"--stop"_qs});
        QCOMPARE(stopAgain.status, 1);
        QCOMPARE(stopAgain.err, QByteArray("tallyhawk: No session is running.\n"));
        QCOMPARE(program.file(u"Projects.txt"_qs), QByteArray("Alpha\r\nBeta\r\n"));
    }

    // Neither a client that says nothing nor a hundred at once keep the others waiting.
    void silentAndManyClientsAtOnce() {
        Program program;
        program.withWindow();
        QCOMPARE(program.run({u"--start"_qs, u"Alpha"_qs}).status, 0);
        QLocalSocket silent;
        silent.connectToServer(program.instance().serverPath());
        QVERIFY(silent.waitForConnected(5000));

        std::vector<std::unique_ptr<QLocalSocket>> clients;
        QList<QByteArray> replies(100);
        for (int i = 0; i < 100; ++i) {
            clients.push_back(std::make_unique<QLocalSocket>());
            QLocalSocket* socket = clients.back().get();
            connect(socket, &QLocalSocket::readyRead, this,
                    [&replies, socket, i] { replies[i] += socket->readAll(); });
            socket->connectToServer(program.instance().serverPath());
            socket->write("{\"verb\":\"status\"}\n");
        }
        QVERIFY(QTest::qWaitFor(
            [&] {
                return std::all_of(replies.begin(), replies.end(),
                                   [](const QByteArray& reply) { return reply.endsWith('\n'); });
            },
            20000));
        for (const QByteArray& reply : replies)
            QCOMPARE(json(reply).value(u"ok"_qs), QJsonValue(true));
        QCOMPARE(program.run({u"--note"_qs, u"Still here"_qs}).status, 0);
    }

    void theBusInterfaceWithRealTools() {
        if (QStandardPaths::findExecutable(u"gdbus"_qs).isEmpty())
            QSKIP("gdbus is missing: build.sh installs it");
        PrivateBus bus;
        QVERIFY2(bus.error().isEmpty(), qPrintable(bus.error()));
        Program program(bus.address());
        program.withWindow();
        // Started by a command that it refuses: nothing is in its project box.
        QCOMPARE(program.run({u"--toggle"_qs}).status, 1);
        QProcess monitor;
        monitor.start(u"gdbus"_qs, {u"monitor"_qs, u"--address"_qs, bus.address(), u"--dest"_qs,
                                    u"org.tallyhawk.Tallyhawk"_qs});
        QByteArray watching;
        QVERIFY(QTest::qWaitFor(
            [&] {
                watching += monitor.readAll();
                return watching.contains("is owned by");
            },
            10000));

        const auto call = [&](const QString& method, const QStringList& arguments = {}) {
            QProcess gdbus;
            gdbus.start(u"gdbus"_qs,
                        QStringList{u"call"_qs, u"--address"_qs, bus.address(), u"--dest"_qs,
                                    u"org.tallyhawk.Tallyhawk"_qs, u"--object-path"_qs,
                                    u"/org/tallyhawk/Tallyhawk"_qs, u"--method"_qs, method} +
                            arguments);
            gdbus.waitForFinished(10000);
            return Program::Run{gdbus.exitCode(), gdbus.readAllStandardOutput().trimmed(),
                                gdbus.readAllStandardError().trimmed()};
        };
        QCOMPARE(call(u"org.tallyhawk.Tallyhawk.Start"_qs, {u"Alpha"_qs, u"Planning"_qs}).out,
                 QByteArray("()"));
        const Program::Run properties =
            call(u"org.freedesktop.DBus.Properties.GetAll"_qs, {u"org.tallyhawk.Tallyhawk"_qs});
        QVERIFY2(QRegularExpression(u"^\\(\\{'Project': <'Alpha'>, 'Running': <true>, 'StartedAt': "
                                    "<'\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\+00:00'>, "
                                    "'StartingComment': <'Planning'>\\},\\)$"_qs)
                     .match(QString::fromUtf8(properties.out))
                     .hasMatch(),
                 properties.out.constData());
        const Program::Run refused =
            call(u"org.tallyhawk.Tallyhawk.Switch"_qs, {u"Beta"_qs, u"\u65e5"_qs});
        QVERIFY(refused.status != 0);
        QVERIFY2(refused.err.contains("org.tallyhawk.Tallyhawk.Refused: The starting comment holds "
                                      "characters that the session log cannot keep"),
                 refused.err.constData());
        QCOMPARE(call(u"org.tallyhawk.Tallyhawk.AddNote"_qs, {u"two\nlines"_qs}).status, 0);
        // A tick or two, which no panel is told of.
        QTest::qWait(1500);
        QCOMPARE(call(u"org.tallyhawk.Tallyhawk.Toggle"_qs).status, 0);
        QVERIFY(program.file(u"Tasks.txt"_qs).contains(" [Notes] two\r\nlines\r\n"));
        QVERIFY(program.file(u"Tasks.txt"_qs).endsWith("<!--  END SESSION  -->\r\n\r\n\r\n"));

        QTest::qWait(200);
        QList<QByteArray> changes;
        for (const QByteArray& line : monitor.readAll().split('\n')) {
            if (line.contains("PropertiesChanged"))
                changes << line;
        }
        QCOMPARE(changes.size(), 2);
        QVERIFY2(changes[0].contains("{'Project': <'Alpha'>, 'Running': <true>"), changes[0]);
        QVERIFY2(changes[1].contains("{'Project': <''>, 'Running': <false>"), changes[1]);
        monitor.kill();
        monitor.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestDrive)
#include "tst_drive.moc"
