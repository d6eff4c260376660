#pragma once

#include "storage/datetimetext.h"
#include "storage/logedit.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

// A session as the user corrects or adds it.
struct SessionFields {
    QString project;
    QDateTime start;
    QDateTime stop;
    QString startingComment;
};

// A record as the user chose it: where it stood and its bytes, so that a change is made to
// that record only, and only while the log still holds it.
struct RecordRef {
    qsizetype start = 0;
    QByteArray bytes;
};

// Works out the changes that fix the past in the session log: a record corrected, deleted or
// added, and the start of the running session moved. Each is worked out from the log's bytes
// as they are now and is either a LogEdit, which SessionLog makes, or a refusal that says why.
// Every byte outside the changed record stays as it was. A record is written as Start and Stop
// write it, in the user's date-time text, with its total taken from its two moments.
class LogEditor {
public:
    struct Moments {
        QDateTime now;
        // The start of the running session, which no session may overlap; none when idle.
        std::optional<QDateTime> runningSince;
    };
    using Result = std::variant<LogEdit, QString>;

    explicit LogEditor(const QLocale& locale);

    // The fields of the record, or why it cannot be corrected.
    std::variant<SessionFields, QString> read(QByteArrayView log, const RecordRef& record) const;

    Result correct(QByteArrayView log, const RecordRef& record, const SessionFields& fields,
                   const Moments& moments) const;
    Result remove(QByteArrayView log, const RecordRef& record) const;
    Result add(QByteArrayView log, const SessionFields& fields, const Moments& moments) const;
    // The running session's start lines, stamped at another moment.
    Result moveRunningStart(QByteArrayView log, const QDateTime& from, const QDateTime& to,
                            const Moments& moments) const;

    const DateTimeText& stamps() const { return m_stamps; }

private:
    class Scan;

    std::optional<QString> checkFields(const SessionFields& fields, const Moments& moments) const;
    // A record's start lines and its stop lines, each line ended.
    struct RecordText {
        QString start;
        QString stop;
    };
    RecordText recordText(const SessionFields& fields) const;

    DateTimeText m_stamps;
};
