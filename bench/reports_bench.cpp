// Times the Reports window on generated logs of 25,000 and 100,000 sessions, beside a bare
// QPlainTextEdit holding the same text, and the Totals window beside a bare read of the file.
// Each case runs in a child process of its own, so that its peak memory is its own.
// Usage: reports_bench [folder to keep the logs in]
#include "bench/benchsupport.h"
#include "reports/logprinter.h"
#include "reports/reportmodel.h"
#include "reports/reportswindow.h"
#include "reports/reportswindowlayout.h"
#include "reports/reporttree.h"
#include "reports/totalswindow.h"
#include "session/clock.h"
#include "session/logcorrections.h"
#include "session/secondtimer.h"
#include "session/sessionlog.h"
#include "session/sessionmodel.h"
#include "storage/ansitext.h"
#include "storage/datafiles.h"
#include "storage/logformat.h"
#include "ui/systemdialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>

namespace {

using benchsupport::words;

// Records of seven lines and about 400 bytes, as a heavy user writes them: a starting
// comment and one note.
void writeLog(const QString& path, int sessions) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QRandomGenerator random(7);
    QDateTime when(QDate(2015, 1, 5), QTime(9, 0, 5));
    QString chunk;
    for (int i = 0; i < sessions; ++i) {
        const QString project = QStringLiteral("Project %1 %2").arg(i % 41).arg(words(random, 1));
        const QString start = when.toString(QStringLiteral("M/d/yyyy h:mm:ss AP"));
        when = when.addSecs(4000 + random.bounded(3000));
        const QString stop = when.toString(QStringLiteral("M/d/yyyy h:mm:ss AP"));
        const QStringList lines = {
            logformat::BeginMarker,
            start + QStringLiteral(" [Started] ") + project,
            start + QStringLiteral(" [Starting Comments] ") + words(random, 9),
            start + QStringLiteral(" [Notes] ") + words(random, 11),
            stop + QStringLiteral(" [Stopped] ") + project,
            QStringLiteral("[Total Time] 0d 1h 15m 35s"),
            logformat::EndMarker,
            QString(),
            QString(),
        };
        chunk += lines.join(ansi::LineEnd) + ansi::LineEnd;
        if (chunk.size() > (1 << 20)) {
            file.write(ansi::encode(chunk));
            chunk.clear();
        }
    }
    file.write(ansi::encode(chunk));
}

using benchsupport::peakKib;

// What the program has done before the Reports window opens: fonts and style are loaded.
void warmUp() {
    QPlainTextEdit warm;
    warm.setPlainText(QStringLiteral("warm\nup"));
    QTreeView tree;
    warm.show();
    tree.show();
    QApplication::processEvents();
}

void shown(QWidget& widget) {
    widget.show();
    QApplication::processEvents();
}

int runCase(const QString& kind, const QString& folder) {
    warmUp();
    const QString logPath = datafiles::path(folder, datafiles::Tasks);
    QElapsedTimer timer;
    timer.start();
    if (kind == u"read") {
        QFile file(logPath);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const qsizetype size = file.readAll().size();
        std::printf("%lld %ld %lld\n", timer.elapsed(), peakKib(), qint64(size));
    } else if (kind == u"totals" || kind == u"totals-all") {
        SystemDialogs dialogs;
        SystemClock clock;
        SessionLog log(logPath, QString());
        auto* window =
            new TotalsWindow(log, clock, dialogs, QLocale(QLocale::English, QLocale::UnitedStates));
        shown(*window);
        if (kind == u"totals-all") {
            timer.restart();
            for (const auto& [box, item] :
                 {std::pair{"CboRange", "Everything"}, std::pair{"CboBy", "Day"}}) {
                auto* combo = window->findChild<QComboBox*>(QLatin1StringView(box));
                combo->setCurrentIndex(combo->findText(QLatin1StringView(item)));
                emit combo->activated(combo->currentIndex());
            }
            QApplication::processEvents();
        }
        std::printf("%lld %ld 0\n", timer.elapsed(), peakKib());
        delete window;
    } else if (kind == u"correct") {
        // A session in the middle renamed, from the user's choice to the log rewritten.
        SystemClock clock;
        SessionLog log(logPath, folder);
        SessionModel session(clock, std::make_unique<WholeSecondTimer>(clock),
                             QLocale(QLocale::English, QLocale::UnitedStates), log);
        LogCorrections corrections(log, session, clock);
        QFile file(logPath);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const ReportTree tree = ReportTree::build(file.readAll());
        const qsizetype middle = tree.sessionCount() / 2;
        const RecordRef record{tree.recordStart(middle), tree.recordBytes(middle).toByteArray()};
        const auto fields = corrections.read(record);
        if (!std::holds_alternative<SessionFields>(fields)) {
            std::fprintf(stderr, "%s\n", qPrintable(std::get<QString>(fields)));
            return 1;
        }
        SessionFields renamed = std::get<SessionFields>(fields);
        renamed.project += QStringLiteral(" (renamed)");
        timer.restart();
        if (const auto why = corrections.correct(record, renamed)) {
            std::fprintf(stderr, "%s\n", qPrintable(*why));
            return 1;
        }
        std::printf("%lld %ld 0\n", timer.elapsed(), peakKib());
    } else if (kind == u"pane") {
        QFile file(logPath);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        QPlainTextEdit pane;
        pane.setGeometry(reportswindowlayout::LogPane.pixels());
        pane.setPlainText(ansi::decode(file.readAll()));
        shown(pane);
        std::printf("%lld %ld %d\n", timer.elapsed(), peakKib(), pane.document()->blockCount());
    } else if (kind == u"tree" || kind == u"expand") {
        QFile file(logPath);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        ReportModel model(ReportTree::build(file.readAll()));
        QTreeView view;
        view.setGeometry(reportswindowlayout::ReportTree.pixels());
        view.setHeaderHidden(true);
        view.setUniformRowHeights(true);
        view.setModel(&model);
        view.expand(model.rootIndex());
        shown(view);
        if (kind == u"expand") {
            timer.restart();
            view.expandAll();
            QApplication::processEvents();
        }
        std::printf("%lld %ld %lld\n", timer.elapsed(), peakKib(), model.tree().lineCount());
    } else {
        SystemDialogs dialogs;
        QtLogPrinter printer;
        SystemClock clock;
        SessionLog log(datafiles::path(folder, datafiles::Tasks), QString());
        SessionModel session(clock, std::make_unique<WholeSecondTimer>(clock), QLocale::system(),
                             log);
        LogCorrections corrections(log, session, clock);
        auto* window = new ReportsWindow(log, corrections, dialogs, printer);
        window->loadLog();
        shown(*window);
        std::printf("%lld %ld %lld\n", timer.elapsed(), peakKib(),
                    window->report()->tree().sessionCount());
        delete window;
    }
    return 0;
}

void runSize(const QString& program, const QString& folder, int sessions) {
    const QString logPath = datafiles::path(folder, datafiles::Tasks);
    writeLog(logPath, sessions);
    std::printf("\n%d sessions, %.1f MB\n", sessions, double(QFileInfo(logPath).size()) / 1e6);
    std::printf("%-36s %10s %12s\n", "case", "shown ms", "peak MiB");
    const QList<std::pair<QString, const char*>> cases = {
        {QStringLiteral("pane"), "bare QPlainTextEdit::setPlainText"},
        {QStringLiteral("tree"), "report tree alone"},
        {QStringLiteral("window"), "Reports window, pane and tree"},
        {QStringLiteral("expand"), "then every session expanded"},
        {QStringLiteral("read"), "bare QFile::readAll"},
        {QStringLiteral("totals"), "Totals window (this week)"},
        {QStringLiteral("totals-all"), "then everything, by day"},
        {QStringLiteral("correct"), "a session renamed (log rewritten)"},
    };
    for (const auto& [kind, title] : cases) {
        QProcess child;
        child.start(program, {QStringLiteral("--case"), kind, folder});
        child.waitForFinished(-1);
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
        if (child.exitCode() != 0 || fields.size() < 2) {
            std::printf("%-36s failed\n", title);
            continue;
        }
        std::printf("%-36s %10s %12.0f\n", title, fields[0].constData(),
                    fields[1].toDouble() / 1024.0);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args[1] == u"--case")
        return runCase(args[2], args[3]);

    QTemporaryDir temp;
    const QString folder = args.size() > 1 ? args[1] : temp.path();
    QDir().mkpath(folder);
    for (int sessions : {25000, 100000})
        runSize(QApplication::applicationFilePath(), folder, sessions);
    return 0;
}
