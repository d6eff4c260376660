#include "session/sessionlog.h"

#include "storage/ansitext.h"
#include "storage/logrecovery.h"
#include "storage/textfile.h"

#include <QFile>

SessionLog::SessionLog(QString path, QString recoveryFolder, QObject* parent)
    : QObject(parent)
    , m_path(std::move(path))
    , m_recoveryFolder(std::move(recoveryFolder)) {
    (void)encoding();
}

QString SessionLog::recoveryPath() const {
    return logrecovery::path(m_recoveryFolder, m_path);
}

ansi::Encoding SessionLog::encoding() const {
    QFile file(m_path);
    // A log that is there but cannot be read keeps the encoding it was last seen in, so that
    // lines kept for it meanwhile are kept in it; a new log starts as every log did.
    if (file.open(QIODevice::ReadOnly))
        m_encoding = ansi::detectEncoding(file.read(3));
    else if (!file.exists())
        m_encoding = ansi::Encoding::Windows1252;
    return m_encoding;
}

std::optional<QString> SessionLog::cannotHold(QStringView text) const {
    return ansi::cannotHold(text, encoding());
}

FileResult SessionLog::keepAsUtf8() {
    FileResult result = textfile::keepAsUtf8(m_path);
    if (result.ok())
        (void)undofile::remove(undoPath());
    return result;
}

void SessionLog::hold(QStringView lines) {
    m_held += lines;
}

FileResult SessionLog::write(QStringView lines) {
    // Lines the log cannot hold would fail every later write with them; they go no further,
    // and the lines that wait keep waiting.
    if (std::optional<QString> why = cannotHold(lines))
        return FileResult::failure(m_path, QStringLiteral("Windows-1252 cannot hold %1").arg(*why));
    const QString added = m_held + lines.toString();
    m_held.clear();
    const QString chunk = m_unwritten + added + ansi::LineEnd;
    FileResult result = textfile::appendText(m_path, chunk, textfile::AppendEncoding::AsTheFileIs);
    if (!result.ok()) {
        m_unwritten = chunk;
        return result;
    }
    m_unwritten.clear();
    emit written();
    if (m_restoredPending)
        forgetRecoveryFile();
    return result;
}

FileResult SessionLog::clear() {
    const textfile::Read read = textfile::readWhole(m_path);
    if (!read.result)
        return read.result;
    // A log kept as UTF-8 keeps its mark.
    const ansi::Encoding encoding = ansi::detectEncoding(read.bytes);
    return apply({0, read.bytes, ansi::encodeFile(ansi::LineEnd, encoding)});
}

QString SessionLog::undoPath() const {
    return undofile::path(m_recoveryFolder, m_path);
}

bool SessionLog::canUndo() const {
    return undofile::load(undoPath()).edit.has_value();
}

FileResult SessionLog::apply(const LogEdit& edit) {
    const textfile::Read read = textfile::readWhole(m_path);
    if (!read.result)
        return read.result;
    const std::optional<QByteArray> changed = edit.applyTo(read.bytes);
    if (!changed) {
        return FileResult::failure(m_path, QStringLiteral("the log has changed since it was "
                                                          "read"));
    }
    const QString undo = undoPath();
    const textfile::Read previousUndo = textfile::readWhole(undo);
    if (FileResult kept = undofile::save(undo, edit); !kept.ok())
        return kept;
    FileResult result = textfile::writeWhole(m_path, *changed);
    if (!result.ok()) {
        // The change was not made: the undo kept before it stands again.
        (void)(previousUndo.bytes.isEmpty() ? undofile::remove(undo)
                                            : textfile::writeWhole(undo, previousUndo.bytes));
        return result;
    }
    emit written();
    return result;
}

FileResult SessionLog::undoLastChange() {
    const QString undo = undoPath();
    const undofile::Load load = undofile::load(undo);
    if (!load.result)
        return load.result;
    if (!load.edit)
        return FileResult::failure(undo, QStringLiteral("there is no change to undo"));
    const textfile::Read read = textfile::readWhole(m_path);
    if (!read.result)
        return read.result;
    const std::optional<QByteArray> restored = load.edit->reversed().applyTo(read.bytes);
    if (!restored) {
        return FileResult::failure(m_path, QStringLiteral("the log no longer holds the last "
                                                          "change"));
    }
    FileResult result = textfile::writeWhole(m_path, *restored);
    if (!result.ok())
        return result;
    (void)undofile::remove(undo);
    emit written();
    return result;
}

SessionLog::Restored SessionLog::restoreKept() {
    const logrecovery::Load load = logrecovery::load(recoveryPath());
    if (!load.result.ok())
        return {Restored::Outcome::Unreadable, load.result};
    if (load.lines.isEmpty()) {
        (void)logrecovery::remove(recoveryPath());
        return {};
    }
    // They go out first, in front of anything held, so that a log that still cannot be
    // written keeps them ahead of everything new.
    QStringView lines = load.lines;
    if (lines.endsWith(ansi::LineEnd))
        lines.chop(ansi::LineEnd.size());
    const QString held = std::exchange(m_held, QString());
    m_restoredPending = true;
    FileResult result = write(lines);
    m_held = held;
    if (!result.ok())
        return {Restored::Outcome::Waiting, std::move(result)};
    return {Restored::Outcome::Written, FileResult::success()};
}

SessionLog::Kept SessionLog::keepUnwritten() {
    const QString lines = m_unwritten + (m_held.isEmpty() ? QString() : m_held + ansi::LineEnd);
    if (lines.isEmpty()) {
        if (m_restoredPending)
            forgetRecoveryFile();
        return {};
    }
    Kept kept;
    kept.lines = lines;
    kept.write = textfile::appendText(m_path, lines, textfile::AppendEncoding::AsTheFileIs);
    m_held.clear();
    if (kept.write.ok()) {
        m_unwritten.clear();
        emit written();
        if (m_restoredPending)
            forgetRecoveryFile();
        return kept;
    }
    kept.save = logrecovery::save(recoveryPath(), lines, encoding());
    if (!kept.save.ok()) {
        kept.outcome = Kept::Outcome::Lost;
        return kept;
    }
    // The file holds them now, restored lines included; the next start puts them back.
    m_unwritten.clear();
    m_restoredPending = false;
    kept.outcome = Kept::Outcome::Saved;
    return kept;
}

void SessionLog::forgetRecoveryFile() {
    m_restoredPending = false;
    const FileResult removed = logrecovery::remove(recoveryPath());
    if (!removed.ok())
        emit recoveryFileLeft(removed);
}
