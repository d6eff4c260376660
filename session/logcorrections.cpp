#include "session/logcorrections.h"

#include "session/clock.h"
#include "session/sessionlog.h"
#include "session/sessionmodel.h"
#include "storage/textfile.h"

LogCorrections::LogCorrections(SessionLog& log, SessionModel& session, const Clock& clock)
    : m_log(log)
    , m_session(session)
    , m_clock(clock)
    , m_editor(session.dateText().locale()) {}

QByteArray LogCorrections::current(QString& failure) const {
    textfile::Read read = textfile::readWhole(m_log.path());
    if (!read.result)
        failure = read.result.message(u"read");
    return std::move(read.bytes);
}

LogEditor::Moments LogCorrections::moments() const {
    LogEditor::Moments m{m_clock.now(), std::nullopt};
    if (m_session.isRunning())
        m.runningSince = m_session.startedAt();
    return m;
}

LogCorrections::Why LogCorrections::make(const LogEditor::Result& result) {
    if (const QString* refusal = std::get_if<QString>(&result))
        return *refusal;
    const FileResult written = m_log.apply(std::get<LogEdit>(result));
    if (!written.ok())
        return written.message();
    return std::nullopt;
}

std::variant<SessionFields, QString> LogCorrections::read(const RecordRef& record) const {
    QString failure;
    const QByteArray log = current(failure);
    if (!failure.isEmpty())
        return failure;
    return m_editor.read(log, record);
}

LogCorrections::Why LogCorrections::correct(const RecordRef& record, const SessionFields& f) {
    QString failure;
    const QByteArray log = current(failure);
    if (!failure.isEmpty())
        return failure;
    return make(m_editor.correct(log, record, f, moments()));
}

LogCorrections::Why LogCorrections::remove(const RecordRef& record) {
    QString failure;
    const QByteArray log = current(failure);
    if (!failure.isEmpty())
        return failure;
    return make(m_editor.remove(log, record));
}

LogCorrections::Why LogCorrections::add(const SessionFields& f) {
    QString failure;
    const QByteArray log = current(failure);
    if (!failure.isEmpty())
        return failure;
    return make(m_editor.add(log, f, moments()));
}

LogCorrections::Why LogCorrections::moveRunningStart(const QDateTime& to) {
    if (!m_session.isRunning() || m_session.isStarting())
        return QStringLiteral("No session is running.");
    QString failure;
    const QByteArray log = current(failure);
    if (!failure.isEmpty())
        return failure;
    const QDateTime at = to.addMSecs(-to.time().msec());
    if (Why why = make(m_editor.moveRunningStart(log, m_session.startedAt(), at, moments())))
        return why;
    m_session.moveStart(at);
    return std::nullopt;
}

LogCorrections::Why LogCorrections::clear() {
    const FileResult cleared = m_log.clear();
    if (!cleared.ok())
        return cleared.message();
    return std::nullopt;
}

bool LogCorrections::canUndo() const {
    return m_log.canUndo();
}

LogCorrections::Why LogCorrections::undo() {
    const FileResult undone = m_log.undoLastChange();
    if (!undone.ok())
        return undone.message();
    return std::nullopt;
}
