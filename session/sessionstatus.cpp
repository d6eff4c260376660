#include "session/sessionstatus.h"

#include <QJsonValue>

#include <cstdlib>

namespace {

const QString RunningKey = QStringLiteral("running");
const QString ProjectKey = QStringLiteral("project");
const QString StartedKey = QStringLiteral("started");
const QString ElapsedKey = QStringLiteral("elapsedSeconds");
const QString CommentKey = QStringLiteral("comment");
const QString IncompleteKey = QStringLiteral("incomplete");

QJsonValue orNull(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

// A string or null; anything else is not a status.
std::optional<QString> text(const QJsonValue& value) {
    if (value.isNull())
        return QString();
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace

QString isoWithOffset(const QDateTime& when) {
    const int offset = when.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           (offset < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

SessionStatus SessionStatus::fromLog(const std::optional<LogTail::Record>& last,
                                     const DateTimeText& stamps) {
    SessionStatus status;
    if (!last || last->startStamp.isEmpty() || !last->stopStamp.isEmpty())
        return status;
    status.incomplete = true;
    status.project = last->project;
    status.started = stamps.parse(last->startStamp).value_or(QDateTime());
    status.comment = last->startingComment;
    return status;
}

QJsonObject SessionStatus::toJson() const {
    return {
        {RunningKey, running},
        {ProjectKey, orNull(project)},
        {StartedKey, started.isValid() ? QJsonValue(isoWithOffset(started)) : QJsonValue()},
        {ElapsedKey, elapsedSeconds ? QJsonValue(*elapsedSeconds) : QJsonValue()},
        {CommentKey, orNull(comment)},
        {IncompleteKey, incomplete},
    };
}

std::optional<SessionStatus> SessionStatus::fromJson(const QJsonObject& object) {
    const QJsonValue running = object.value(RunningKey);
    const QJsonValue incomplete = object.value(IncompleteKey);
    const QJsonValue elapsed = object.value(ElapsedKey);
    const std::optional<QString> project = text(object.value(ProjectKey));
    const std::optional<QString> started = text(object.value(StartedKey));
    const std::optional<QString> comment = text(object.value(CommentKey));
    if (!running.isBool() || !incomplete.isBool() || !project || !started || !comment ||
        !(elapsed.isNull() || elapsed.isDouble()))
        return std::nullopt;
    SessionStatus status;
    status.running = running.toBool();
    status.incomplete = incomplete.toBool();
    status.project = *project;
    status.comment = *comment;
    if (!started->isEmpty()) {
        status.started = QDateTime::fromString(*started, Qt::ISODate).toLocalTime();
        if (!status.started.isValid())
            return std::nullopt;
    }
    if (elapsed.isDouble())
        status.elapsedSeconds = elapsed.toInteger();
    return status;
}
