#pragma once

#include "app/commandline.h"
#include "session/sessionstatus.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QIODevice;
class QTextStream;

// A command of the command line, carried out by the Tallyhawk that holds the data folder. Where
// none does, --status answers from the log, --stop and --note are refused, and the verbs that
// start a session start the program first. It never writes a file itself.
namespace commandclient {

struct Setup {
    QString dataFolder;
    // The program to start where none runs, and its arguments (Qt's options).
    QString program;
    QStringList arguments;
    QLocale locale = QLocale::system();
};

// Returns the exit status. Reads the note from input for "--note -".
int run(const commandline::Command& command, const Setup& setup, QIODevice& input, QTextStream& out,
        QTextStream& err);

// --status as one line of text.
QString statusText(const SessionStatus& status, const DateTimeText& stamps);

} // namespace commandclient
