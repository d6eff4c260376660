// One program per data folder, with real processes: a second start on the folder hands over to
// the first and ends without touching a file; a lock left by a killed program does not count;
// a program on another folder runs on its own.
#include "app/singleinstance.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <vector>

namespace {

// A start of the program on a data folder, run by the driver.
class Start {
public:
    Start(const QString& runtimeFolder, const QString& dataFolder, int answerMs = 5000,
          const QString& activationToken = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
        env.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
        if (!activationToken.isEmpty())
            env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), activationToken);
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(TALLYHAWK_SINGLE_INSTANCE_DRIVER),
                        {dataFolder, QString::number(answerMs)});
    }
    ~Start() {
        if (m_process.state() != QProcess::NotRunning) {
            ::kill(pid_t(m_process.processId()), SIGCONT);
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    // Waits for the driver's next line.
    QByteArray nextLine(int timeoutMs = 10000) {
        QDeadlineTimer deadline(timeoutMs);
        while (!m_process.canReadLine()) {
            if (deadline.hasExpired() || !m_process.waitForReadyRead(int(deadline.remainingTime())))
                return m_process.readAll();
        }
        return m_process.readLine().chopped(1);
    }
    bool ended(int timeoutMs = 10000) {
        return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
    }
    int exitCode() const { return m_process.exitCode(); }
    // Closes its input, which ends a first start as the program ends.
    void end() { m_process.closeWriteChannel(); }
    void signal(int number) const { ::kill(pid_t(m_process.processId()), number); }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
};

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_runtime = std::make_unique<QTemporaryDir>();
        m_data = std::make_unique<QTemporaryDir>();
        QVERIFY(m_runtime->isValid() && m_data->isValid());
        QFile tasks(m_data->filePath(QStringLiteral("Tasks.txt")));
        QVERIFY(tasks.open(QIODevice::WriteOnly));
        tasks.write("<!--  BEGIN SESSION //-->\r\n");
    }

    void secondStartHandsOverAndEnds_data() {
        QTest::addColumn<QString>("secondPath");
        QTest::addColumn<QString>("token");
        QTest::newRow("same path") << QString() << QString();
        QTest::newRow("through a link") << QStringLiteral("link") << QString();
        QTest::newRow("with dot segments") << QStringLiteral("dots") << QString();
        // On Wayland the desktop gives the new start the right to take the focus; the program
        // that stays gets it.
        QTest::newRow("desktop activation token")
            << QString() << QStringLiteral("kwin-4711_TIME123");
    }
    void secondStartHandsOverAndEnds() {
        QFETCH(QString, secondPath);
        QFETCH(QString, token);
        const QString folder = m_data->path();
        QString second = folder;
        QTemporaryDir other;
        if (secondPath == u"link") {
            second = other.filePath(QStringLiteral("data"));
            QVERIFY(QFile::link(folder, second));
        } else if (secondPath == u"dots") {
            second = folder + QStringLiteral("/./../") + QFileInfo(folder).fileName() + u'/';
        }
        const QStringList dataBefore = entries(folder);
        const QByteArray tasksBefore = tasks();

        Start first(m_runtime->path(), folder);
        QCOMPARE(first.nextLine(), QByteArray("first"));
        const QStringList runtimeWhileRunning = entries(m_runtime->path());
        QCOMPARE(runtimeWhileRunning.size(), 2);

        Start again(m_runtime->path(), second, 5000, token);
        QCOMPARE(again.nextLine(), QByteArray("handed over"));
        QVERIFY(again.ended());
        QCOMPARE(again.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(again.exitCode(), 0);
        QCOMPARE(first.nextLine(),
                 token.isEmpty() ? QByteArray("activation") : "activation " + token.toLatin1());

        // Nothing was added to the data folder, by either start, and nothing changed there.
        QCOMPARE(entries(folder), dataBefore);
        QCOMPARE(tasks(), tasksBefore);
        QCOMPARE(entries(m_runtime->path()), runtimeWhileRunning);

        // Asked again later, it comes forward again.
        Start third(m_runtime->path(), folder);
        QCOMPARE(third.nextLine(), QByteArray("handed over"));
        QCOMPARE(first.nextLine(), QByteArray("activation"));

        // Ending, it takes its lock and its socket along.
        first.end();
        QVERIFY(first.ended());
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(entries(m_runtime->path()), QStringList());
    }

    // Started together, as an impatient double-click in a file manager does: one program stays,
    // found by the others even while it is still setting up.
    void startsAtTheSameMomentLeaveOneProgram() {
        std::vector<std::unique_ptr<Start>> starts;
        for (int i = 0; i < 4; ++i)
            starts.push_back(std::make_unique<Start>(m_runtime->path(), m_data->path()));
        Start* first = nullptr;
        int handedOver = 0;
        for (const auto& start : starts) {
            const QByteArray said = start->nextLine();
            if (said == "first") {
                QVERIFY2(!first, "two starts took the folder");
                first = start.get();
            } else {
                QCOMPARE(said, QByteArray("handed over"));
                ++handedOver;
            }
        }
        QVERIFY(first);
        QCOMPARE(handedOver, 3);
        for (int i = 0; i < handedOver; ++i)
            QCOMPARE(first->nextLine(), QByteArray("activation"));
    }

    void startOnAnotherFolderRunsOnItsOwn() {
        QTemporaryDir otherFolder;
        Start first(m_runtime->path(), m_data->path());
        QCOMPARE(first.nextLine(), QByteArray("first"));
        Start other(m_runtime->path(), otherFolder.path());
        QCOMPARE(other.nextLine(), QByteArray("first"));
        QCOMPARE(entries(m_runtime->path()).size(), 4);
        // Each is found by a start on its own folder.
        Start again(m_runtime->path(), otherFolder.path());
        QCOMPARE(again.nextLine(), QByteArray("handed over"));
        QCOMPARE(other.nextLine(), QByteArray("activation"));
    }

    void lockOfAKilledProgramDoesNotStopTheNextStart() {
        Start killed(m_runtime->path(), m_data->path());
        QCOMPARE(killed.nextLine(), QByteArray("first"));
        const QStringList left = entries(m_runtime->path());
        killed.signal(SIGKILL);
        QVERIFY(killed.ended());
        // The lock and the socket are still there.
        QCOMPARE(entries(m_runtime->path()), left);

        Start next(m_runtime->path(), m_data->path(), 2000);
        QCOMPARE(next.nextLine(), QByteArray("first"));
        // It listens on the socket the killed program left.
        Start again(m_runtime->path(), m_data->path());
        QCOMPARE(again.nextLine(), QByteArray("handed over"));
        QCOMPARE(next.nextLine(), QByteArray("activation"));
    }

    // A program that holds the folder but hangs: the new start still leaves the folder alone.
    void startFindingAHungProgramEndsUnanswered() {
        Start hung(m_runtime->path(), m_data->path());
        QCOMPARE(hung.nextLine(), QByteArray("first"));
        hung.signal(SIGSTOP);
        Start again(m_runtime->path(), m_data->path(), 300);
        QCOMPARE(again.nextLine(), QByteArray("unanswered"));
        QVERIFY(again.ended());
        QCOMPARE(again.exitCode(), 3);
        hung.signal(SIGCONT);
    }

private:
    QByteArray tasks() const {
        QFile file(m_data->filePath(QStringLiteral("Tasks.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_runtime;
    std::unique_ptr<QTemporaryDir> m_data;
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
