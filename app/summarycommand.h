#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QTextStream;

// The program's one command line: "--summary" prints the time per project from the session log
// and ends, without a window. Exit statuses: 0 done, 1 the log could not be read, 2 the
// command line is wrong.
namespace summarycommand {

enum Status : int { Done = 0, Unreadable = 1, Usage = 2 };

// The version of the program, as its build names it.
QString version();

// True when the arguments ask for the command line rather than the window: "--summary",
// "--help" or "--version". Looks at the bytes only, so that it can run before any
// QCoreApplication exists, and before deciding which kind to create.
bool isSummaryRun(int argc, const char* const* argv);

// Runs the command for the arguments, the program's name first. The log is read from
// defaultLogPath unless "--log" names another; its stamps are read in the locale's date-time
// text, as the program writes them. Needs no QCoreApplication.
int run(const QStringList& arguments, const QString& defaultLogPath, QTextStream& out,
        QTextStream& err, const QLocale& locale = QLocale::system());

} // namespace summarycommand
