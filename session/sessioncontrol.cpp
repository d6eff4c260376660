#include "session/sessioncontrol.h"

#include "session/clock.h"
#include "session/projectlist.h"
#include "session/sessionlog.h"
#include "session/sessionmodel.h"
#include "storage/ansitext.h"
#include "storage/logformat.h"
#include "storage/logtail.h"
#include "storage/onelinetext.h"

#include <QStringList>

#include <algorithm>

namespace {

Refusal refusal(Refusal::Kind kind, QString reason) {
    return {kind, std::move(reason)};
}

} // namespace

SessionControl::SessionControl(SessionModel& session, ProjectList& projects, const Clock& clock,
                               QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_projects(projects)
    , m_clock(clock) {}

Refused SessionControl::busy() const {
    if (!m_session.isStarting())
        return std::nullopt;
    return refusal(Refusal::Kind::Busy,
                   QStringLiteral("Tallyhawk is asking for the starting comment of %1.")
                       .arg(m_session.project()));
}

Refused SessionControl::checkText(const QString& text, QStringView what) const {
    if (text.size() > MaxTextLength) {
        return refusal(
            Refusal::Kind::TooLong,
            QStringLiteral("The %1 is longer than %2 characters.").arg(what).arg(MaxTextLength));
    }
    // Such a character would reach a Windows-1252 log as "?", and be lost.
    if (const std::optional<QString> lost = m_session.log().cannotHold(text)) {
        return refusal(Refusal::Kind::Unencodable,
                       QStringLiteral("The %1 holds characters that the session log cannot "
                                      "keep: %2.")
                           .arg(what, *lost));
    }
    return std::nullopt;
}

Refused SessionControl::checkName(const QString& name) const {
    if (name.isEmpty())
        return refusal(Refusal::Kind::NoName, QStringLiteral("Please enter a project name"));
    if (!logformat::canStartRecord(name)) {
        return refusal(
            Refusal::Kind::NoName,
            QStringLiteral("A project name cannot end with \"%1\".").arg(logformat::BeginMarker));
    }
    return checkText(name, u"project name");
}

Refused SessionControl::checkProject(const QString& project) const {
    const QString name = oneLineText(project);
    if (Refused refused = checkName(name))
        return refused;
    if (const std::optional<QString> lost = m_projects.cannotHold(name)) {
        return refusal(Refusal::Kind::Unencodable,
                       QStringLiteral("The project name holds characters that the project list "
                                      "cannot keep: %1.")
                           .arg(*lost));
    }
    return std::nullopt;
}

Refused SessionControl::checkComment(const QString& comment) const {
    return checkText(oneLineText(comment), u"starting comment");
}

Refused SessionControl::checkStartMoment(const QDateTime& at) const {
    if (!at.isValid())
        return std::nullopt;
    const DateTimeText& stamps = m_session.dateText();
    if (at > m_clock.now()) {
        return refusal(Refusal::Kind::Moment,
                       QStringLiteral("%1 is in the future.").arg(stamps.format(at)));
    }
    const LogTail tail = LogTail::read(m_session.log().path());
    if (!tail.last || tail.last->stopStamp.isEmpty())
        return std::nullopt;
    const std::optional<QDateTime> lastEnd = stamps.parse(tail.last->stopStamp);
    if (lastEnd && at < *lastEnd) {
        return refusal(Refusal::Kind::Moment,
                       QStringLiteral("%1 is before the end of the last session, %2 from %3 to "
                                      "%4.")
                           .arg(stamps.format(at), tail.last->project, tail.last->startStamp,
                                tail.last->stopStamp));
    }
    return std::nullopt;
}

Refused SessionControl::checkStopMoment(const QDateTime& at) const {
    if (!at.isValid())
        return std::nullopt;
    const DateTimeText& stamps = m_session.dateText();
    if (at > m_clock.now()) {
        return refusal(Refusal::Kind::Moment,
                       QStringLiteral("%1 is in the future.").arg(stamps.format(at)));
    }
    if (at < m_session.startedAt()) {
        return refusal(Refusal::Kind::Moment,
                       QStringLiteral("%1 is before the session started, at %2.")
                           .arg(stamps.format(at), m_session.startStamp()));
    }
    return std::nullopt;
}

Refused SessionControl::beginStart(const QString& project, const QDateTime& at) {
    if (Refused refused = busy())
        return refused;
    if (m_session.isRunning()) {
        return refusal(Refusal::Kind::Running,
                       QStringLiteral("%1 is running since %2.")
                           .arg(m_session.project(), m_session.startStamp()));
    }
    const QString name = oneLineText(project);
    if (Refused refused = checkProject(name))
        return refused;
    if (Refused refused = checkStartMoment(at))
        return refused;
    // The stamp too: some locales write their dates in digits of their own.
    const QString stamp = m_session.dateText().format(at.isValid() ? at : m_clock.now());
    if (const std::optional<QString> lost = m_session.log().cannotHold(stamp)) {
        return refusal(Refusal::Kind::Unencodable,
                       QStringLiteral("The date holds characters that the session log cannot "
                                      "keep: %1.")
                           .arg(*lost));
    }
    // A name the list's file could not take stays listed for this run; the list says so.
    (void)m_projects.add(name);
    m_session.begin(name, at);
    return std::nullopt;
}

void SessionControl::finishStart(const QString& startingComment) {
    m_session.finishStart(oneLineText(startingComment).left(MaxTextLength));
}

Refused SessionControl::start(const QString& project, const QString& startingComment,
                              const QDateTime& at) {
    if (Refused refused = checkComment(startingComment))
        return refused;
    if (Refused refused = beginStart(project, at))
        return refused;
    finishStart(startingComment);
    return std::nullopt;
}

Refused SessionControl::stop(const QDateTime& at) {
    if (Refused refused = busy())
        return refused;
    if (!m_session.isRunning())
        return refusal(Refusal::Kind::NotRunning, QStringLiteral("No session is running."));
    if (Refused refused = checkStopMoment(at))
        return refused;
    if (at.isValid())
        m_session.stopAt(at);
    else
        m_session.stop();
    return std::nullopt;
}

Refused SessionControl::switchTo(const QString& project, const QString& startingComment) {
    if (m_session.isStarting())
        return stop();
    const QString name = oneLineText(project);
    if (Refused refused = checkName(name))
        return refused;
    if (Refused refused = checkComment(startingComment))
        return refused;
    // The stop stamp and the start stamp are the same moment.
    const QDateTime now = m_clock.now();
    if (m_session.isRunning())
        m_session.stopAt(now);
    return start(name, startingComment, now);
}

Refused SessionControl::toggle(const QString& project) {
    if (m_session.isRunning() || m_session.isStarting())
        return stop();
    return start(project, QString());
}

Refused SessionControl::note(const QString& text) {
    // The note would come before the starting comment in the record.
    if (Refused refused = busy())
        return refused;
    if (!m_session.isRunning())
        return refusal(Refusal::Kind::NotRunning, QStringLiteral("No session is running."));
    // The Notes window drops an empty note silently; a script is told.
    if (text.isEmpty())
        return refusal(Refusal::Kind::Empty, QStringLiteral("The note is empty."));
    if (Refused refused = checkText(text, u"note"))
        return refused;
    if (const FileResult written = m_session.logNote(text); !written.ok())
        emit logFailed(written);
    return std::nullopt;
}

SessionStatus SessionControl::status() const {
    SessionStatus status;
    if (!m_session.isRunning() || m_session.isStarting())
        return status;
    status.running = true;
    status.project = m_session.project();
    status.started = m_session.startedAt();
    status.elapsedSeconds = m_session.startedAt().secsTo(m_clock.now());
    status.comment = m_session.startingComment();
    return status;
}
