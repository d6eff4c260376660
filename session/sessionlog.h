#pragma once

#include "storage/ansitext.h"
#include "storage/fileresult.h"
#include "storage/logedit.h"

#include <QObject>
#include <QString>

#include <optional>

// The session log's one owner. Every line that goes into Tasks.txt goes through here, in the
// order it was given: nothing is lost while the log cannot be written, and nothing overtakes a
// line that waits. Lines that a write could not append are kept and go out in front of the next
// write; lines still unwritten when the program ends are kept in a recovery file in the user's
// data folder, and the next start puts them back into the log ahead of anything new.
class SessionLog final : public QObject {
    Q_OBJECT
public:
    // recoveryFolder: the user's data folder, which keeps the lines of a log that could not be
    // written at exit; empty when there is none.
    SessionLog(QString path, QString recoveryFolder, QObject* parent = nullptr);

    const QString& path() const { return m_path; }
    // The recovery file of this log.
    QString recoveryPath() const;

    // How the log keeps its text: Windows-1252, as it always has, or UTF-8 once the user chose
    // to keep it so (keepAsUtf8()).
    ansi::Encoding encoding() const;
    // Why the log cannot take the text as it is kept now, naming the characters; nothing when
    // it can.
    std::optional<QString> cannotHold(QStringView text) const;
    // Rewrites the log as UTF-8 from now on, whole and at once. A change kept for undo was in
    // the old bytes and can no longer be undone.
    FileResult keepAsUtf8();

    // Lines that wait for the next write, which appends them first: the start lines wait so
    // while Start asks for the starting comment.
    void hold(QStringView lines);
    // Appends whatever waits, then the lines, then CR LF. A failure keeps all of it for the
    // next write, except lines the log cannot hold, which are refused and not kept.
    FileResult write(QStringView lines = {});
    // "Clear Log and Exit": the log becomes a single empty line, and the clearing can be
    // undone. Lines that wait stay waiting.
    FileResult clear();

    // A change made on purpose (see LogEdit), to the log as it is now: the log is replaced
    // whole and at once, or not at all. The bytes it replaces are kept first, so that
    // undoLastChange() can put them back until the next change, also after a restart; a change
    // whose undo cannot be kept is not made.
    FileResult apply(const LogEdit& edit);
    // Whether there is a change to undo.
    bool canUndo() const;
    FileResult undoLastChange();
    QString undoPath() const;

    // Lines that writes could not append, each ended by CR LF.
    const QString& unwritten() const { return m_unwritten; }

    // Start-up: puts the lines kept at the end of the last run back into the log.
    struct Restored {
        enum class Outcome : quint8 {
            // Nothing was kept.
            None,
            // The kept lines are in the log now.
            Written,
            // They could not be written yet; they wait, in front of everything new.
            Waiting,
            // The recovery file could not be read; it stays where it is.
            Unreadable,
        };
        Outcome outcome = Outcome::None;
        FileResult result = FileResult::success();
    };
    Restored restoreKept();

    // The end of the program: one more try at the log for the lines that wait, then the
    // recovery file.
    struct Kept {
        enum class Outcome : quint8 {
            // Nothing was owed, or the last try wrote it.
            Written,
            // The recovery file holds the lines.
            Saved,
            // Neither the log nor the recovery file could take them: `lines` are all there is.
            Lost,
        };
        Outcome outcome = Outcome::Written;
        FileResult write = FileResult::success();
        FileResult save = FileResult::success();
        QString lines;
    };
    Kept keepUnwritten();

signals:
    // Lines reached the log.
    void written();
    // The lines kept from the last run are in the log, but the recovery file that held them
    // could not be deleted; unless the user deletes it, the next start adds them again.
    void recoveryFileLeft(const FileResult& removal);

private:
    void forgetRecoveryFile();

    QString m_path;
    QString m_recoveryFolder;
    QString m_held;
    mutable ansi::Encoding m_encoding = ansi::Encoding::Windows1252;
    QString m_unwritten;
    // Lines read back at start-up that have not reached the log yet.
    bool m_restoredPending = false;
};
