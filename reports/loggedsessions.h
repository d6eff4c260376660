#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

#include <vector>

// One session of the log, as the totals count it.
struct LoggedSession {
    enum class State : quint8 {
        Counted,    // stopped, and its time is known
        NotStopped, // no stop lines: still running, or the program was killed
        NoDuration, // stopped, but neither its total nor its two stamps read back
    };

    qsizetype project = 0; // index into LoggedSessions::projects()
    QDate date;            // the day it started; invalid when its stamp does not read back
    QTime time;            // the time it started, when known
    qint64 seconds = 0;
    State state = State::Counted;
    // The stamp that dates it as written, kept only when it does not read back: its started
    // stamp, or the stopped stamp of stop lines whose start lines were cleared away.
    QString stampText;
    qsizetype lineNumber = 0; // of its started line, or of its stopped line when it has none
    // A line of an incomplete session that could not be read, and so left it incomplete: a
    // stopped line whose tag was mistyped, a total that is no time, a stop stamp that does not
    // read back. 0 and empty when there is none to name.
    qsizetype unreadLine = 0;
    QString unreadText; // that line as written, cut short when it is long

    // How much of an unread line is kept: enough to find it in an editor.
    static constexpr qsizetype UnreadTextLength = 80;
};

// The sessions of a session log, read once from the file's bytes, record by record as
// LogRecordReader finds them.
//
// A session is a record with a started or a stopped line. Its project is the text after the
// "[Started] " of its first started line, exactly as written. Its time is the record's
// "[Total Time]"; when that is "N/A", missing or unreadable, the span from its started to its
// stopped stamp. A record without a stopped line is listed as not stopped. Stop lines whose
// start lines were cleared away count as a session of the project after their "[Stopped] ",
// started their total before the stop. Lines between records count for nothing.
class LoggedSessions {
public:
    static LoggedSessions read(QByteArrayView fileBytes, const QLocale& locale = QLocale::system());

    const std::vector<LoggedSession>& sessions() const { return m_sessions; }
    // Each project once, in the order of its first session.
    const QStringList& projects() const { return m_projects; }
    // The projects whose names differ from the name only in letter case or in spaces at their
    // ends, the name itself left out: what was meant by a name that matches no project.
    QStringList projectsLike(const QString& name) const;

private:
    class Reader;
    std::vector<LoggedSession> m_sessions;
    QStringList m_projects;
};
