// Times "--summary" on a generated log of 100,000 sessions (about 40 MB), in each output format,
// beside a bare read of the same file. Each case runs in a child process of its own, so that its
// peak memory is its own. Usage: summary_bench [folder to keep the log in]
#include "app/summarycommand.h"
#include "bench/benchsupport.h"
#include "storage/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int Sessions = 100000;

const QLocale UnitedStates(QLocale::English, QLocale::UnitedStates);

using benchsupport::writeHeavyLog;

using benchsupport::peakKib;

int runCase(const QString& kind, const QString& logPath) {
    QElapsedTimer timer;
    timer.start();
    qint64 size = 0;
    if (kind == u"read") {
        QFile file(logPath);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        size = file.readAll().size();
    } else {
        QString output;
        QTextStream out(&output);
        QString errors;
        QTextStream err(&errors);
        const QStringList arguments = {QStringLiteral("tallyhawk"), QStringLiteral("--summary"),
                                       QStringLiteral("--by"),      kind.section(u'-', 1, 1),
                                       QStringLiteral("--format"),  kind.section(u'-', 0, 0)};
        if (summarycommand::run(arguments, logPath, out, err, UnitedStates) != 0)
            return 1;
        size = output.size();
    }
    std::printf("%lld %ld %lld\n", timer.elapsed(), peakKib(), size);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == u"--case")
        return runCase(args[2], args[3]);

    QTemporaryDir temp;
    const QString folder = args.size() > 1 ? args[1] : temp.path();
    QDir().mkpath(folder);
    const QString logPath = datafiles::path(folder, datafiles::Tasks);
    writeHeavyLog(logPath, Sessions, UnitedStates);
    std::printf("%d sessions, %.1f MB\n", Sessions, double(QFileInfo(logPath).size()) / 1e6);
    std::printf("%-36s %8s %10s %12s\n", "case", "ms", "peak MiB", "output chars");
    const QList<std::pair<QString, const char*>> cases = {
        {QStringLiteral("read"), "bare QFile::readAll"},
        {QStringLiteral("text-project"), "--summary (text, by project)"},
        {QStringLiteral("csv-project"), "--summary --format csv"},
        {QStringLiteral("json-project"), "--summary --format json"},
        {QStringLiteral("html-project"), "--summary --format html"},
        {QStringLiteral("text-day"), "--summary --by day"},
        {QStringLiteral("html-week"), "--summary --by week --format html"},
        {QStringLiteral("json-month"), "--summary --by month --format json"},
    };
    for (const auto& [kind, title] : cases) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--case"), kind, logPath});
        child.waitForFinished(-1);
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        if (child.exitCode() != 0 || fields.size() < 3) {
            std::printf("%-36s failed\n", title);
            continue;
        }
        std::printf("%-36s %8s %10.1f %12s\n", title, fields[0].constData(),
                    fields[1].toDouble() / 1024.0, fields[2].constData());
    }
    return 0;
}
