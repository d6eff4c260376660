#include "app/keptloglines.h"

#include "app/warnings.h"
#include "session/sessionmodel.h"
#include "storage/ansitext.h"
#include "storage/logrecovery.h"

KeptLogLines::KeptLogLines(SessionModel& session, QString dataFolder, Warnings& warnings,
                           QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_dataFolder(std::move(dataFolder))
    , m_warnings(warnings) {
    connect(&m_session, &SessionModel::logWritten, this, &KeptLogLines::forgetOnceWritten);
}

QString KeptLogLines::path() const {
    return logrecovery::path(m_dataFolder, m_session.logPath());
}

void KeptLogLines::restore() {
    const QString file = path();
    const logrecovery::Load load = logrecovery::load(file);
    if (!load.result.ok()) {
        m_warnings.warn(QStringLiteral("Lines that could not be written to the session log when "
                                       "Tallyhawk last ended could not be read back.\n\n%1\n\n"
                                       "They stay in that file.")
                            .arg(load.result.message(u"read")));
        return;
    }
    if (load.lines.isEmpty()) {
        (void)logrecovery::remove(file);
        return;
    }
    // They go out first, through the pending log, so that a log that still cannot be written
    // keeps them in front of everything new.
    QStringView lines = load.lines;
    if (lines.endsWith(ansi::LineEnd))
        lines.chop(ansi::LineEnd.size());
    m_restoredPending = true;
    const FileResult result = m_session.writeKeptLines(lines);
    if (!result.ok()) {
        m_warnings.warn(QStringLiteral("Lines that could not be written to the session log when "
                                       "Tallyhawk last ended are kept in \"%1\".\n\nThey cannot "
                                       "be added to the session log yet.\n\n%2\n\nThey will be "
                                       "written ahead of the next entry once the log can be "
                                       "written again.")
                            .arg(file, result.message()));
        return;
    }
    m_warnings.tell(QStringLiteral("Lines that could not be written to the session log when "
                                   "Tallyhawk last ended have now been added to \"%1\".")
                        .arg(m_session.logPath()));
}

void KeptLogLines::forgetOnceWritten() {
    if (!m_restoredPending || !m_session.pendingLog().unwritten().isEmpty())
        return;
    m_restoredPending = false;
    const FileResult removed = logrecovery::remove(path());
    if (!removed.ok()) {
        m_warnings.warn(QStringLiteral("The lines kept from the last time Tallyhawk ended are "
                                       "now in the session log, but the file that kept them "
                                       "could not be deleted.\n\n%1\n\nPlease delete it, or its "
                                       "lines will be added to the session log again at the "
                                       "next start.")
                            .arg(removed.message(u"delete")));
    }
}

void KeptLogLines::keep() {
    PendingLog& pending = m_session.pendingLog();
    const QString lines = pending.unwritten();
    if (lines.isEmpty()) {
        forgetOnceWritten();
        return;
    }
    // One more try before the program ends.
    const FileResult retry = appendText(m_session.logPath(), lines);
    if (retry.ok()) {
        pending = PendingLog();
        forgetOnceWritten();
        return;
    }
    const QString file = path();
    const FileResult saved = logrecovery::save(file, lines);
    if (saved.ok()) {
        // The file holds them now, restored lines included; the next start puts them back.
        pending = PendingLog();
        m_restoredPending = false;
        m_warnings.warn(QStringLiteral("The session log could not be written.\n\n%1\n\nThe "
                                       "lines it still lacks have been saved to \"%2\" and will "
                                       "be added to the session log when Tallyhawk next starts.")
                            .arg(retry.message(), file));
        return;
    }
    m_warnings.warn(QStringLiteral("The session log could not be written.\n\n%1\n\nThe lines "
                                   "it still lacks could not be saved elsewhere either.\n\n%2\n\n"
                                   "These are the lines; please copy them:\n\n%3")
                        .arg(retry.message(), saved.message(), lines));
}
