#pragma once

#include "session/sessionstatus.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// The messages between a command line and the running program, over the user's own local
// socket: one request line and one reply line, each a JSON object in UTF-8 ended by LF. JSON
// carries a note's line breaks and any character inside one line, and Qt reads it strictly.
namespace commandprotocol {

// The longest line either side reads. A request with a note of the longest text the session
// takes, every character escaped, fits with room to spare.
constexpr qsizetype MaxLine = 64 * 1024;

enum class Verb : quint8 { Activate, Start, Switch, Stop, Toggle, Note, Status };

struct Request {
    Verb verb = Verb::Status;
    // Start and Switch.
    QString project;
    QString comment;
    // Note: its text. Activate: the desktop's activation token, if it gave one.
    QString text;
    // Start and Stop: the earlier moment to take instead of now; invalid for now.
    QDateTime at;

    friend bool operator==(const Request&, const Request&) = default;
};

struct Reply {
    // Why the request was refused or not understood; empty when it was done.
    QString failure;
    // What Status answers.
    std::optional<SessionStatus> status;

    bool done() const { return failure.isEmpty(); }
    friend bool operator==(const Reply&, const Reply&) = default;
};

// What a desktop hands over as an activation token: printable ASCII without spaces, and short.
// Nothing else is put into the environment.
bool isActivationToken(QStringView text);

// The lines, LF included.
QByteArray requestLine(const Request& request);
QByteArray replyLine(const Reply& reply);

// A line without its LF. A request that cannot be read gives the reason, for the reply.
std::variant<Request, QString> parseRequest(QByteArrayView line);
std::optional<Reply> parseReply(QByteArrayView line);

} // namespace commandprotocol
