// Times what a desktop shortcut and a status panel cost: `tallyhawk --status` from process start
// to exit on a log of 100,000 sessions (about 40 MB) and on an empty folder, with no program
// running and against a running one, and a start and a stop sent to the running program; beside
// `tallyhawk --version`, the floor of any run of the program. The same request over the socket
// without a new process shows what the carrier itself costs. The program runs from a copy in a
// temporary folder, where its data files land, on no display (offscreen).
// Usage: drive_bench [runs per case, default 30]
#include "app/singleinstance.h"
#include "bench/benchsupport.h"
#include "storage/datafiles.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int Sessions = 100000;

double msSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

struct Sample {
    double wallMs = 0;
    // The child's own processor time, user and system: what the run costs where other programs
    // compete for the processor, as they do on a busy desktop or a shared build machine.
    double cpuMs = 0;
};

double ms(const timeval& time) {
    return double(time.tv_sec) * 1000.0 + double(time.tv_usec) / 1000.0;
}

// posix_spawn and wait4, so that nothing but the child's own run is timed. Its output goes
// nowhere.
Sample runOnce(const QString& program, const QStringList& arguments, int* status = nullptr) {
    std::vector<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const SteadyClock::time_point start = SteadyClock::now();
    pid_t pid = 0;
    int waited = -1;
    rusage usage{};
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        wait4(pid, &waited, 0, &usage);
    const double wall = msSince(start);
    posix_spawn_file_actions_destroy(&actions);
    if (status)
        *status = WIFEXITED(waited) ? WEXITSTATUS(waited) : -1;
    return {wall, ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void print(const char* title, const std::vector<Sample>& samples) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Sample& sample : samples) {
        wall.push_back(sample.wallMs);
        cpu.push_back(sample.cpuMs);
    }
    std::printf("%-46s %8.2f %8.2f %8.2f %8.2f\n", title, median(wall),
                *std::min_element(wall.begin(), wall.end()),
                *std::max_element(wall.begin(), wall.end()), median(cpu));
    std::fflush(stdout);
}

void report(const char* title, const std::function<Sample()>& once, int runs) {
    once(); // the first run fills the caches
    std::vector<Sample> samples;
    for (int i = 0; i < runs; ++i)
        samples.push_back(once());
    print(title, samples);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    QTemporaryDir heavy;
    QTemporaryDir empty;
    QTemporaryDir runtime;
    const QString program = heavy.filePath(QStringLiteral("tallyhawk"));
    const QString emptyProgram = empty.filePath(QStringLiteral("tallyhawk"));
    if (!QFile::copy(QStringLiteral(TALLYHAWK_PROGRAM), program) ||
        !QFile::copy(QStringLiteral(TALLYHAWK_PROGRAM), emptyProgram))
        qFatal("cannot copy the program");
    // The program's own environment, shared with this process so that it finds the socket.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");

    const QString log = datafiles::path(heavy.path(), datafiles::Tasks);
    benchsupport::writeHeavyLog(log, Sessions, QLocale(QLocale::English, QLocale::UnitedStates));
    std::printf("%d sessions, %.1f MB; %d runs per case, times in ms\n", Sessions,
                double(QFileInfo(log).size()) / 1e6, runs);
    std::printf("%-46s %8s %8s %8s %8s\n", "case", "median", "min", "max", "cpu");

    const auto run = [](const QString& path, const QStringList& arguments) {
        return [path, arguments] { return runOnce(path, arguments); };
    };
    report("tallyhawk --version (the floor)", run(program, {QStringLiteral("--version")}), runs);
    report("--status, no program, empty folder", run(emptyProgram, {QStringLiteral("--status")}),
           runs);
    report("--status, no program, 100,000 sessions", run(program, {QStringLiteral("--status")}),
           runs);
    report("--status --format json, no program, 100,000",
           run(program,
               {QStringLiteral("--status"), QStringLiteral("--format"), QStringLiteral("json")}),
           runs);

    int status = -1;
    const Sample launch =
        runOnce(program, {QStringLiteral("--start"), QStringLiteral("Bench")}, &status);
    if (status != 0)
        qFatal("the program did not take --start (status %d)", status);
    print("--start with no program (starts it)", {launch});

    report("--status, program running", run(program, {QStringLiteral("--status")}), runs);
    std::vector<Sample> stops;
    std::vector<Sample> starts;
    for (int i = 0; i < runs; ++i) {
        stops.push_back(runOnce(program, {QStringLiteral("--stop")}));
        starts.push_back(runOnce(program, {QStringLiteral("--start"), QStringLiteral("Bench")}));
    }
    print("--stop, program running", stops);
    print("--start, program running", starts);

    const SingleInstance instance(heavy.path());
    const commandprotocol::Request ask{commandprotocol::Verb::Status, {}, {}, {}, {}};
    report(
        "status over the socket, no new process",
        [&] {
            const SteadyClock::time_point start = SteadyClock::now();
            (void)instance.ask(ask, QDeadlineTimer(5000));
            return Sample{msSince(start), 0};
        },
        runs);

    // Ends the program as a logout does, and waits until it has let go of the folder.
    QLockFile lock(instance.lockPath());
    qint64 pid = 0;
    if (lock.getLockInfo(&pid, nullptr, nullptr))
        ::kill(pid_t(pid), SIGTERM);
    for (int i = 0; i < 200 && !lock.tryLock(0); ++i)
        QThread::msleep(50);
    return 0;
}
