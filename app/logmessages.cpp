#include "app/logmessages.h"

#include <QCoreApplication>

namespace logmessages {

QString writeFailed(const FileResult& result) {
    return QCoreApplication::translate(
               "logmessages",
               "The session log could not be written.\n\n%1\n\nThe lines are kept and "
               "will be written with the next entry once the log can be written "
               "again.")
        .arg(result.message());
}

std::optional<Notice> restored(const SessionLog::Restored& restored, const SessionLog& log) {
    using Outcome = SessionLog::Restored::Outcome;
    switch (restored.outcome) {
    case Outcome::None:
        return std::nullopt;
    case Outcome::Unreadable:
        return Notice{QCoreApplication::translate(
                          "logmessages",
                          "Lines that could not be written to the session log when "
                          "Tallyhawk last ended could not be read back.\n\n%1\n\nThey "
                          "stay in that file.")
                          .arg(restored.result.message(u"read"))};
    case Outcome::Waiting:
        return Notice{QCoreApplication::translate(
                          "logmessages",
                          "Lines that could not be written to the session log when "
                          "Tallyhawk last ended are kept in \"%1\".\n\nThey cannot be "
                          "added to the session log yet.\n\n%2\n\nThey will be written "
                          "ahead of the next entry once the log can be written again.")
                          .arg(log.recoveryPath(), restored.result.message())};
    case Outcome::Written:
        break;
    }
    return Notice{QCoreApplication::translate(
                      "logmessages", "Lines that could not be written to the session log when "
                                     "Tallyhawk last ended have now been added to \"%1\".")
                      .arg(log.path()),
                  false};
}

std::optional<Notice> kept(const SessionLog::Kept& kept, const SessionLog& log) {
    using Outcome = SessionLog::Kept::Outcome;
    switch (kept.outcome) {
    case Outcome::Written:
        return std::nullopt;
    case Outcome::Saved:
        return Notice{QCoreApplication::translate(
                          "logmessages",
                          "The session log could not be written.\n\n%1\n\nThe lines it "
                          "still lacks have been saved to \"%2\" and will be added to "
                          "the session log when Tallyhawk next starts.")
                          .arg(kept.write.message(), log.recoveryPath())};
    case Outcome::Lost:
        break;
    }
    return Notice{QCoreApplication::translate(
                      "logmessages",
                      "The session log could not be written.\n\n%1\n\nThe lines it "
                      "still lacks could not be saved elsewhere either.\n\n%2\n\nThese "
                      "are the lines; please copy them:\n\n%3")
                      .arg(kept.write.message(), kept.save.message(), kept.lines)};
}

QString recoveryFileLeft(const FileResult& removal) {
    return QCoreApplication::translate(
               "logmessages", "The lines kept from the last time Tallyhawk ended are now in the "
                              "session log, but the file that kept them could not be deleted.\n\n%1"
                              "\n\nPlease delete it, or its lines will be added to the session log "
                              "again at the next start.")
        .arg(removal.message(u"delete"));
}

} // namespace logmessages
