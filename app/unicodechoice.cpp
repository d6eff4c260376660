#include "app/unicodechoice.h"

#include "session/projectlist.h"
#include "session/sessionlog.h"
#include "storage/appsettings.h"
#include "ui/dialogs.h"

#include <QCoreApplication>

UnicodeChoice::UnicodeChoice(Dialogs& dialogs, SessionLog& log, ProjectList& projects,
                             AppSettings& settings)
    : m_dialogs(dialogs)
    , m_log(log)
    , m_projects(projects)
    , m_settings(settings) {}

void UnicodeChoice::ask(QWidget* over, const QString& why, std::function<void()> then,
                        std::function<void()> otherwise) {
    const QString question =
        QCoreApplication::translate(
            "UnicodeChoice",
            "%1\n\nKeep the session log, the project list and the settings as UTF-8 "
            "from now on? They are then written in a way that holds every script. "
            "Other programs that read the log as Windows-1252 would show such "
            "characters wrongly.")
            .arg(why);
    m_dialogs.messageBox(
        over, Dialogs::Message::question(question),
        [this, over, why, then = std::move(then),
         otherwise = std::move(otherwise)](Dialogs::Answer answer) {
            if (answer != Dialogs::Answer::Yes) {
                m_dialogs.messageBox(
                    over,
                    Dialogs::Message::plain(why + QCoreApplication::translate(
                                                      "UnicodeChoice", " Nothing was written.")),
                    [otherwise](Dialogs::Answer) {
                        if (otherwise)
                            otherwise();
                    });
                return;
            }
            for (const FileResult& kept :
                 {m_log.keepAsUtf8(), m_projects.keepAsUtf8(), m_settings.keepAsUtf8()}) {
                if (!kept.ok()) {
                    m_dialogs.messageBox(over, Dialogs::Message::warning(kept.message()));
                    return;
                }
            }
            then();
        });
}
