#pragma once

#include "session/commandprotocol.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for, read before any application object exists: a mistake is
// told the same way with or without a display, and the run then makes the kind of application
// it needs. Qt's own options (-platform, -style...) are set apart for the window.
namespace commandline {

enum class Status : int { Done = 0, Refused = 1, Usage = 2 };

struct Command {
    // Its verb and what goes with it; the note's text is still to be read when
    // noteFromInput is set.
    commandprotocol::Request request;
    // "--note -": the note is standard input.
    bool noteFromInput = false;
    // "--status --format json".
    bool json = false;
};

struct Invocation {
    enum class Kind : quint8 { Window, Summary, Help, Version, Command, Usage };
    Kind kind = Kind::Window;
    Command command;
    // Usage: what is wrong, in one sentence.
    QString mistake;
    // Qt's own options and their values, in their order: for the window, or for the program
    // that a command starts.
    QStringList qtOptions;
};

// The arguments without the program's name; now is the moment a TIME of today is read against.
Invocation read(const QStringList& arguments, const QDateTime& now);

// A TIME of --at: "HH:MM" or "HH:MM:SS" today, or "YYYY-MM-DDTHH:MM[:SS]", in local time.
std::optional<QDateTime> moment(QStringView text, const QDateTime& now);

// The lines that show how the program is called, for --help and after a mistake.
QString usage(const QString& program);
// --help: the usage, every option, the exit statuses and where the data files are.
QString help(const QString& program, const QString& dataFolder);

} // namespace commandline
