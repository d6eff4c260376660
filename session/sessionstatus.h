#pragma once

#include "storage/datetimetext.h"
#include "storage/logtail.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

// What a status line or a desktop panel shows of the session: from the running program, or,
// where none runs, from the last record of the log. The same value travels from the program to
// the command line and goes out as JSON with exactly these keys, which scripts rely on.
struct SessionStatus {
    bool running = false;
    // Empty: none.
    QString project;
    // Invalid: none. Local time, to the whole second that the stamp shows.
    QDateTime started;
    std::optional<qint64> elapsedSeconds;
    // Empty: none.
    QString comment;
    // The log's last record has no stop lines, and no program runs that could still stop it.
    bool incomplete = false;

    // Where no program runs: the last record's project, start and comment when it has no stop
    // lines, and nothing when it has them.
    static SessionStatus fromLog(const std::optional<LogTail::Record>& last,
                                 const DateTimeText& stamps);

    // {"running", "project", "started", "elapsedSeconds", "comment", "incomplete"}, with null
    // for what is not there; "started" is ISO 8601 with the offset from UTC.
    QJsonObject toJson() const;
    static std::optional<SessionStatus> fromJson(const QJsonObject& object);

    friend bool operator==(const SessionStatus&, const SessionStatus&) = default;
};

// ISO 8601 with the offset from UTC that the moment has in local time, such as
// "2008-06-03T09:00:05-04:00"; "+00:00" rather than "Z", so that a reader always finds one.
QString isoWithOffset(const QDateTime& when);
