// Times the program's start-up to its main window mapped, and its resident memory two seconds
// later, beside a bare Qt Widgets window measured in the same run; the two take turns so that
// both see the same machine. The program runs from a copy in a temporary folder, where its
// data files land. Without a DISPLAY, starts an Xvfb of its own.
// Usage: startup_bench [runs, default 7]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Sample {
    double mappedMs = 0;
    double cpuMs = 0;
    double rssMb = 0;
    int exitStatus = 0;
    QString title;
};

struct Program {
    const char* name;
    QString path;
    std::vector<Sample> samples;
};

std::optional<Sample> runOnce(const QString& program) {
    QProcess mapwait;
    mapwait.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mapwait.start(QStringLiteral(MAPWAIT_PROGRAM), {QStringLiteral("--"), program});
    if (!mapwait.waitForFinished(60000) || mapwait.exitCode() != 0)
        return std::nullopt;
    const QString line = QString::fromLocal8Bit(mapwait.readAllStandardOutput()).trimmed();
    const QStringList fields = line.split(u' ');
    if (fields.size() < 4)
        return std::nullopt;
    return Sample{fields[0].toDouble(), fields[1].toDouble(), fields[2].toDouble() / 1024.0,
                  fields[3].toInt(), fields.mid(4).join(u' ')};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::vector<double> field(const Program& program, double Sample::*member) {
    std::vector<double> values;
    for (const Sample& s : program.samples)
        values.push_back(s.*member);
    return values;
}

// Xvfb on the first free display from :90, so as not to meet anyone else's.
bool startXvfb(QProcess& xvfb) {
    for (int number = 90; number < 100; ++number) {
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        if (QFile::exists(socket) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        const QString display = QStringLiteral(":%1").arg(number);
        xvfb.start(QStringLiteral("Xvfb"), {display, QStringLiteral("-screen"), QStringLiteral("0"),
                                            QStringLiteral("1280x1024x24"),
                                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            QThread::msleep(50);
        if (!QFile::exists(socket))
            return false;
        qputenv("DISPLAY", display.toLocal8Bit());
        return true;
    }
    return false;
}

double ratio(const Program& p, const Program& bare, double Sample::*member) {
    return median(field(p, member)) / median(field(bare, member));
}

void printRow(const Program& p, const Program& bare) {
    const std::vector<double> times = field(p, &Sample::mappedMs);
    std::printf("%-16s %9.1f %8.1f-%-8.1f %8.1f %8.1f %7.2f %7.2f %7.2f\n", p.name, median(times),
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), median(field(p, &Sample::cpuMs)),
                median(field(p, &Sample::rssMb)), ratio(p, bare, &Sample::mappedMs),
                ratio(p, bare, &Sample::cpuMs), ratio(p, bare, &Sample::rssMb));
}

const char* verdict(double ratio) {
    return ratio <= 1.3 ? "met" : "MISSED";
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 7;

    QProcess xvfb;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && !startXvfb(xvfb)) {
        std::fprintf(stderr, "startup_bench: no DISPLAY, and Xvfb did not start\n");
        return 1;
    }
    // The programs must meet the X server as they do on a desktop, which also gives them a
    // runtime folder of their own.
    qunsetenv("QT_QPA_PLATFORM");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));

    QTemporaryDir folder;
    const QString copy = QDir(folder.path()).filePath(QStringLiteral("tallyhawk"));
    if (!QFile::copy(QStringLiteral(TALLYHAWK_PROGRAM), copy)) {
        std::fprintf(stderr, "startup_bench: cannot copy %s\n", TALLYHAWK_PROGRAM);
        return 1;
    }
    Program bare{"bare Qt window", QStringLiteral(BARE_WINDOW_PROGRAM), {}};
    Program tallyhawk{"tallyhawk", copy, {}};

    std::printf("start-up bench: display %s, %d runs each after one warm-up, taking turns\n\n",
                qgetenv("DISPLAY").constData(), runs);
    for (int run = 0; run <= runs; ++run) {
        for (Program* p : {&bare, &tallyhawk}) {
            const std::optional<Sample> sample = runOnce(p->path);
            if (!sample) {
                std::fprintf(stderr, "startup_bench: %s did not show a window\n", p->name);
                return 1;
            }
            std::printf(
                "  %s %-16s mapped %7.1f ms  CPU %6.1f ms  VmRSS %5.1f MB  exit %d  \"%s\"\n",
                run == 0 ? "warm-up" : "run    ", p->name, sample->mappedMs, sample->cpuMs,
                sample->rssMb, sample->exitStatus, qPrintable(sample->title));
            std::fflush(stdout);
            if (run > 0)
                p->samples.push_back(*sample);
        }
    }

    std::printf("\nmedians of %d runs; CPU: time on the CPU by the map, all threads\n", runs);
    std::printf("%-16s %9s %17s %8s %8s %7s %7s %7s\n", "program", "mapped ms", "min-max ms",
                "CPU ms", "VmRSS MB", "x time", "x CPU", "x RSS");
    printRow(bare, bare);
    printRow(tallyhawk, bare);
    std::printf("\ntarget: within 1.3x the bare window: start-up %s (CPU to map %s), memory %s\n",
                verdict(ratio(tallyhawk, bare, &Sample::mappedMs)),
                verdict(ratio(tallyhawk, bare, &Sample::cpuMs)),
                verdict(ratio(tallyhawk, bare, &Sample::rssMb)));

    if (xvfb.state() != QProcess::NotRunning) {
        xvfb.terminate();
        xvfb.waitForFinished(5000);
    }
    return 0;
}
