#pragma once

#include <QString>

#include <functional>

class AppSettings;
class Dialogs;
class ProjectList;
class QWidget;
class SessionLog;

// The program's files keep their text in Windows-1252, as every existing file and the log's
// readers elsewhere expect. When the user gives text that code page cannot hold (a name in
// Japanese, a note with an emoji), Tallyhawk asks, once for that text, whether to keep the log,
// the project list and the settings as UTF-8 with a byte-order mark from now on. Yes rewrites
// the three files whole and lets the text through; No refuses the text, naming the characters.
// Nothing is ever written as '?'.
class UnicodeChoice {
public:
    UnicodeChoice(Dialogs& dialogs, SessionLog& log, ProjectList& projects, AppSettings& settings);

    // Asks about the text that could not be taken (`why` names the characters), over the
    // window; `then` runs once the files are kept as UTF-8, `otherwise` after No has been
    // answered and the refusal shown.
    void ask(QWidget* over, const QString& why, std::function<void()> then,
             std::function<void()> otherwise = {});

private:
    Dialogs& m_dialogs;
    SessionLog& m_log;
    ProjectList& m_projects;
    AppSettings& m_settings;
};
