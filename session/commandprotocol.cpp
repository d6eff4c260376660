#include "session/commandprotocol.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <array>
#include <utility>

namespace commandprotocol {
namespace {

const QString VerbKey = QStringLiteral("verb");
const QString ProjectKey = QStringLiteral("project");
const QString CommentKey = QStringLiteral("comment");
const QString TextKey = QStringLiteral("text");
const QString TokenKey = QStringLiteral("token");
const QString AtKey = QStringLiteral("at");
const QString OkKey = QStringLiteral("ok");
const QString ReasonKey = QStringLiteral("reason");
const QString StatusKey = QStringLiteral("status");

struct VerbForm {
    Verb verb;
    QStringView word;
    // The keys it may carry besides "verb", and the one it must carry.
    QStringList keys;
    QString required;
};

const std::array<VerbForm, 7>& forms() {
    static const std::array<VerbForm, 7> table = {{
        {Verb::Activate, u"activate", {TokenKey}, {}},
        {Verb::Start, u"start", {ProjectKey, CommentKey, AtKey}, ProjectKey},
        {Verb::Switch, u"switch", {ProjectKey, CommentKey}, ProjectKey},
        {Verb::Stop, u"stop", {AtKey}, {}},
        {Verb::Toggle, u"toggle", {}, {}},
        {Verb::Note, u"note", {TextKey}, TextKey},
        {Verb::Status, u"status", {}, {}},
    }};
    return table;
}

const VerbForm& formOf(Verb verb) {
    for (const VerbForm& form : forms()) {
        if (form.verb == verb)
            return form;
    }
    return forms().back();
}

QByteArray line(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> objectOf(QByteArrayView line) {
    if (line.size() > MaxLine)
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

bool isActivationToken(QStringView text) {
    constexpr qsizetype LongestToken = 1024;
    if (text.isEmpty() || text.size() > LongestToken)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c > u' ' && c <= u'~'; });
}

QByteArray requestLine(const Request& request) {
    const VerbForm& form = formOf(request.verb);
    QJsonObject object{{VerbKey, form.word.toString()}};
    const std::array<std::pair<QString, QString>, 4> texts = {{
        {ProjectKey, request.project},
        {CommentKey, request.comment},
        {TextKey, request.text},
        {TokenKey, request.text},
    }};
    for (const auto& [key, value] : texts) {
        if (form.keys.contains(key) && (key == form.required || !value.isEmpty()))
            object.insert(key, value);
    }
    // In UTC: the moment itself, whatever the two programs' time zones.
    if (form.keys.contains(AtKey) && request.at.isValid())
        object.insert(AtKey, isoWithOffset(request.at.toUTC()));
    return line(object);
}

std::variant<Request, QString> parseRequest(QByteArrayView text) {
    const std::optional<QJsonObject> object = objectOf(text);
    if (!object)
        return QStringLiteral("The request is not one JSON object of at most %1 bytes.")
            .arg(MaxLine);
    const QString word = object->value(VerbKey).toString();
    const VerbForm* form = nullptr;
    for (const VerbForm& candidate : forms()) {
        if (candidate.word == word)
            form = &candidate;
    }
    if (!form)
        return QStringLiteral("The request names no verb that Tallyhawk knows.");
    Request request;
    request.verb = form->verb;
    for (auto it = object->begin(); it != object->end(); ++it) {
        if (it.key() == VerbKey)
            continue;
        const QString value = it.value().toString();
        // A lone surrogate is no character: nothing could show or keep it.
        if (!form->keys.contains(it.key()) || !it.value().isString() || !value.isValidUtf16())
            return QStringLiteral("\"%1\" is not a text that %2 takes.").arg(it.key(), word);
        if (it.key() == ProjectKey) {
            request.project = value;
        } else if (it.key() == CommentKey) {
            request.comment = value;
        } else if (it.key() == AtKey) {
            request.at = QDateTime::fromString(value, Qt::ISODate).toLocalTime();
            if (!request.at.isValid())
                return QStringLiteral("\"%1\" is not an ISO 8601 moment.").arg(value);
            // Stamps show whole seconds.
            request.at = request.at.addMSecs(-request.at.time().msec());
        } else {
            request.text = value;
        }
    }
    if (!form->required.isEmpty() && !object->contains(form->required))
        return QStringLiteral("%1 needs \"%2\".").arg(word, form->required);
    if (request.verb == Verb::Activate && !request.text.isEmpty() &&
        !isActivationToken(request.text))
        return QStringLiteral("The activation token is not one a desktop gives.");
    return request;
}

QByteArray replyLine(const Reply& reply) {
    QJsonObject object{{OkKey, reply.done()}};
    if (!reply.done())
        object.insert(ReasonKey, reply.failure);
    if (reply.status)
        object.insert(StatusKey, reply.status->toJson());
    return line(object);
}

std::optional<Reply> parseReply(QByteArrayView text) {
    const std::optional<QJsonObject> object = objectOf(text);
    if (!object || !object->value(OkKey).isBool())
        return std::nullopt;
    Reply reply;
    if (!object->value(OkKey).toBool()) {
        reply.failure = object->value(ReasonKey).toString();
        // A refusal always says why.
        if (reply.failure.isEmpty())
            return std::nullopt;
    }
    if (object->contains(StatusKey)) {
        reply.status = SessionStatus::fromJson(object->value(StatusKey).toObject());
        if (!reply.status)
            return std::nullopt;
    }
    return reply;
}

} // namespace commandprotocol
