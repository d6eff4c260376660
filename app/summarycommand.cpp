#include "app/summarycommand.h"

#include "reports/loggedsessions.h"
#include "reports/totalsformat.h"
#include "reports/totalstable.h"
#include "storage/textfile.h"
#include "tallyhawk/version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>
#include <optional>

namespace summarycommand {
namespace {

using Grouping = TotalsQuery::Grouping;

const QString SummaryName = QStringLiteral("summary");
const QString ByName = QStringLiteral("by");
const QString FromName = QStringLiteral("from");
const QString ToName = QStringLiteral("to");
const QString ProjectName = QStringLiteral("project");
const QString FormatName = QStringLiteral("format");
const QString LogName = QStringLiteral("log");

std::optional<Grouping> grouping(const QString& value) {
    if (value == u"project")
        return Grouping::Project;
    if (value == u"day")
        return Grouping::Day;
    if (value == u"week")
        return Grouping::Week;
    if (value == u"month")
        return Grouping::Month;
    return std::nullopt;
}

struct Options {
    QCommandLineOption summary{SummaryName,
                               QStringLiteral("Print the time spent per project from the session "
                                              "log, and end.")};
    QCommandLineOption by{ByName,
                          QStringLiteral("One row per project (the default), or per day, ISO week "
                                         "(from Monday) or month and project."),
                          QStringLiteral("project|day|week|month"), QStringLiteral("project")};
    QCommandLineOption from{FromName,
                            QStringLiteral("Count only sessions started on this day or later."),
                            QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption to{ToName,
                          QStringLiteral("Count only sessions started on this day or earlier."),
                          QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption project{
        ProjectName,
        QStringLiteral("Count only this project; the name must match exactly, letter case and "
                       "spaces included."),
        QStringLiteral("name")};
    QCommandLineOption format{FormatName,
                              QStringLiteral("Print an aligned table (the default), CSV, JSON, or "
                                             "an HTML page with a bar chart."),
                              QStringLiteral("text|csv|json|html"), QStringLiteral("text")};
    QCommandLineOption log{LogName,
                           QStringLiteral("Read this session log instead of the one in use, such "
                                          "as a saved copy."),
                           QStringLiteral("file")};
};

QString programName(const QStringList& arguments) {
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.front()).fileName();
    return name.isEmpty() ? QStringLiteral("tallyhawk") : name;
}

int usageError(QTextStream& err, const QString& program, const QString& message) {
    err << program << ": " << message << '\n'
        << "Try '" << program << " --help' for more information.\n";
    err.flush();
    return Usage;
}

std::optional<QDate> isoDate(const QString& text) {
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || text.size() != 10)
        return std::nullopt;
    return date;
}

// Says that a --project matched no session, and names the projects that differ from it only
// in letter case or spaces at their ends, which compare as other projects.
void noSessionOfProject(QTextStream& err, const QString& program, const QString& project,
                        const LoggedSessions& log) {
    err << program << ": no session matched --project \"" << project << '"';
    const QStringList like = log.projectsLike(project);
    if (!like.isEmpty()) {
        err << "; the log has \"" << like.join(QStringLiteral("\", \""))
            << "\" (names must match exactly, letter case and spaces included)";
    }
    err << ".\n";
    err.flush();
}

} // namespace

QString version() {
    return programversion::Number.toString();
}

bool isSummaryRun(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            return false;
        for (const char* name : {"--summary", "--help", "-h", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argument, name) == 0)
                return true;
        }
    }
    return false;
}

int run(const QStringList& arguments, const QString& defaultLogPath, QTextStream& out,
        QTextStream& err, const QLocale& locale) {
    const QString program = programName(arguments);
    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tallyhawk tracks the time spent on projects. With --summary it prints the "
                       "time per project from its session log, without opening a window."));
    parser.addOptions({options.summary, options.by, options.from, options.to, options.project,
                       options.format, options.log});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    if (!parser.parse(arguments))
        return usageError(err, program, parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(
            err, program,
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().front()));
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        // Where a run without --log reads, and where the window keeps its files.
        out << "\nData files (Tasks.txt, Projects.txt, Settings.ini) are kept in "
            << QDir::toNativeSeparators(QFileInfo(defaultLogPath).absolutePath()) << '\n';
        out << "\nCSV and JSON name their fields alike: period, from and to (the period's first "
               "and last\nday, with --by day, week or month), project, seconds, sessions and "
               "incomplete;\nCSV adds hours.\n";
        out << "\nAway time: a session left running while nobody is at the computer, or across "
               "a suspend, is\ncaught, and you are asked whether to keep that time. Settings.ini "
               "sets how long\nwithout input counts as away:\n  [Away]\n  Minutes=15\n0 "
               "turns it off.\n";
        out.flush();
        return Done;
    }
    if (parser.isSet(versionOption)) {
        out << "Tallyhawk " << version() << '\n';
        out.flush();
        return Done;
    }
    if (!parser.isSet(options.summary))
        return usageError(err, program, QStringLiteral("Nothing to do without --summary."));

    TotalsQuery query;
    const auto by = grouping(parser.value(options.by));
    if (!by) {
        return usageError(err, program,
                          QStringLiteral("Unknown value '%1' for --by; use project, day, week or "
                                         "month.")
                              .arg(parser.value(options.by)));
    }
    query.grouping = *by;
    const auto chosenFormat = totalsformat::named(parser.value(options.format));
    if (!chosenFormat) {
        return usageError(err, program,
                          QStringLiteral("Unknown value '%1' for --format; use text, csv, json or "
                                         "html.")
                              .arg(parser.value(options.format)));
    }
    for (const auto& [option, limit] :
         {std::pair{&options.from, &query.from}, std::pair{&options.to, &query.to}}) {
        if (!parser.isSet(*option))
            continue;
        const QString text = parser.value(*option);
        const auto date = isoDate(text);
        if (!date) {
            return usageError(err, program,
                              QStringLiteral("'%1' is not a date for --%2; write it as YYYY-MM-DD, "
                                             "such as 2024-01-31.")
                                  .arg(text, option->names().front()));
        }
        *limit = *date;
    }
    if (query.from.isValid() && query.to.isValid() && query.from > query.to) {
        return usageError(
            err, program,
            QStringLiteral("--from %1 comes after --to %2.")
                .arg(query.from.toString(Qt::ISODate), query.to.toString(Qt::ISODate)));
    }
    if (parser.isSet(options.project))
        query.project = parser.value(options.project);

    // The program's own log is missing only until the first session; a log named with --log
    // must be there.
    const bool named = parser.isSet(options.log);
    const QString path = named ? parser.value(options.log) : defaultLogPath;
    std::optional<TotalsTable> table;
    {
        // The file's bytes go before the output is written, which may be as long as the log.
        const textfile::Read read = textfile::readWhole(path, named ? textfile::Missing::IsFailure
                                                                    : textfile::Missing::IsEmpty);
        if (!read.result) {
            err << program << ": " << read.result.message(u"read") << '\n';
            err.flush();
            return Unreadable;
        }
        const LoggedSessions log = LoggedSessions::read(read.bytes, locale);
        table = TotalsTable::build(log, query);
        if (query.project && table->rows().empty())
            noSessionOfProject(err, program, *query.project, log);
    }
    out << totalsformat::write(*table, *chosenFormat, totalstext::subtitle(path, query));
    out.flush();
    return Done;
}

} // namespace summarycommand
