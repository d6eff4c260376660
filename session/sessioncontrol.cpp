#include "session/sessioncontrol.h"

#include "session/clock.h"
#include "session/projectlist.h"
#include "session/sessionlog.h"
#include "session/sessionmodel.h"
#include "storage/logformat.h"
#include "storage/logtail.h"
#include "storage/onelinetext.h"

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

Refused SessionControl::checkText(const QString& text, QStringView what) const {
    if (text.size() > MaxTextLength) {
        return refusal(
            Refusal::Kind::TooLong,
            QStringLiteral("The %1 is longer than %2 characters.").arg(what).arg(MaxTextLength));
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
    if (m_session.isStarting()) {
        return refusal(Refusal::Kind::Busy,
                       QStringLiteral("Tallyhawk is asking for the starting comment of %1.")
                           .arg(m_session.project()));
    }
    if (m_session.isRunning()) {
        return refusal(Refusal::Kind::Running,
                       QStringLiteral("%1 is running since %2.")
                           .arg(m_session.project(), m_session.startStamp()));
    }
    const QString name = oneLineText(project);
    if (Refused refused = checkName(name))
        return refused;
    if (Refused refused = checkStartMoment(at))
        return refused;
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
    if (Refused refused = checkText(oneLineText(startingComment), u"starting comment"))
        return refused;
    if (Refused refused = beginStart(project, at))
        return refused;
    finishStart(startingComment);
    return std::nullopt;
}

Refused SessionControl::stop(const QDateTime& at) {
    if (m_session.isStarting()) {
        return refusal(Refusal::Kind::Busy,
                       QStringLiteral("Tallyhawk is asking for the starting comment of %1.")
                           .arg(m_session.project()));
    }
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
    if (Refused refused = checkText(oneLineText(startingComment), u"starting comment"))
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
    if (!m_session.isRunning())
        return refusal(Refusal::Kind::NotRunning, QStringLiteral("No session is running."));
    if (Refused refused = checkText(text, u"note"))
        return refused;
    if (const FileResult written = m_session.logNote(text); !written.ok())
        emit logFailed(written);
    return std::nullopt;
}
