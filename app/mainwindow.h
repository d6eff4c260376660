#pragma once

#include "app/mainwindowcontrols.h"
#include "app/services.h"
#include "app/warnings.h"
#include "storage/appsettings.h"
#include "ui/dialogs.h"
#include "ui/momentdialog.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class ActivityPrompt;
class AwayQuestionWindow;
class AwayTracker;
struct AwayPeriod;
class FileResult;
class LogCorrections;
class NotesWindow;
class OtherWindows;
class ProjectList;
class SecondTimer;
class SessionLog;
class SessionControl;
class SessionModel;
class TrayMenu;
class UnicodeChoice;

// The main window: the project box, Start/Stop, the session's start, stop and elapsed time,
// the activity prompt's controls and the links to the other windows. It shows the session
// model and forwards the user's actions to it.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    MainWindow(const Services& services, std::unique_ptr<SecondTimer> timer,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: restores the project list, the saved settings and the log lines kept from the
    // last run. Call once, before showing.
    void startUp();
    // Closing from outside the window (end of the desktop session, SIGTERM, SIGINT).
    void requestShutdown();
    // Another start of the program asked for this one: out of the tray if it is there, and in
    // front of the other windows.
    void bringForward();
    // The project the project box shows: what Start, and a toggle from outside, start.
    QString shownProject() const;
    // Closing has begun: the session has been stopped for good.
    bool isClosing() const { return m_unloaded; }

    SessionModel& session() const { return *m_session; }
    SessionLog& log() const { return *m_log; }
    ProjectList& projects() const { return *m_projects; }
    SessionControl& control() const { return *m_control; }

signals:
    // The shut-down is done: settings saved, a running session's record completed, and every
    // box it opened answered.
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void connectSession();
    void shutDown();

    void startOrStop();
    void startSession();
    void askStartingComment();
    void finishStart(const QString& comment);
    void logRefusedNote(const QString& note, const QString& why);
    void showStartStopMenu(const QPoint& at);
    void askMoment(const QString& title, const QString& prompt, const QString& preset,
                   MomentDialog::Act act, std::function<void()> then = {});
    void startAt();
    void stopAt();
    void changeStart();
    void showSessionState();
    void onStartFinished();
    void reportProjectListFailure(const QString& name, const FileResult& result);
    void offerNotes();
    NotesWindow* showNotesWindow();
    void raisePrompt();
    void askAboutAwayTime(const AwayPeriod& period);
    void keepAwayTime();
    void reportLogFailure(const FileResult& result);

    void restoreKeptLines();
    void keepUnwrittenLines();
    void restoreSettings();
    void saveSettings();

    Services m_services;
    Warnings m_warnings;
    AppSettings m_settings;
    SessionLog* m_log;
    SessionModel* m_session;
    SessionControl* m_control;
    std::unique_ptr<LogCorrections> m_corrections;
    std::unique_ptr<UnicodeChoice> m_unicode;
    ProjectList* m_projects;
    TrayMenu* m_tray;
    OtherWindows* m_otherWindows;
    ActivityPrompt* m_prompt;
    QPointer<NotesWindow> m_notes;
    AwayTracker* m_away;
    QPointer<AwayQuestionWindow> m_awayQuestion;

    MainWindowControls m_ui;

    // Closes the starting-comment box while Start waits for its answer.
    Dialogs::Cancel m_cancelComment;
    bool m_closing = false;
    bool m_unloaded = false;
};
