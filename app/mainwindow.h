#pragma once

#include "app/mainwindowcontrols.h"
#include "app/services.h"
#include "app/warnings.h"
#include "storage/appsettings.h"

#include <QPointer>
#include <QWidget>

class ActivityPrompt;
class AwayQuestionWindow;
class AwayTracker;
struct AwayPeriod;
class FileResult;
class KeptLogLines;
class NotesWindow;
class OtherWindows;
class SessionModel;
class TrayMenu;

// The main window: the project box, Start/Stop, the session's start, stop and elapsed time,
// the activity prompt's controls and the links to the other windows. It shows the session
// model and forwards the user's actions to it.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: restores the project list, the saved settings and the log lines kept from the
    // last run. Call once, before showing.
    void startUp();
    // Closing from outside the window (end of the desktop session, SIGTERM, SIGINT).
    void requestShutdown();
    // Another start of the program asked for this one: out of the tray if it is there, and in
    // front of the other windows.
    void bringForward();

    SessionModel& session() const { return *m_session; }

signals:
    // The shut-down is done: settings saved, a running session's record completed.
    void unloaded();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void shutDown();

    void startOrStop();
    bool startSession();
    void showSessionState();
    void offerNotes();
    NotesWindow* showNotesWindow();
    void raisePrompt();
    void askAboutAwayTime(const AwayPeriod& period);
    void keepAwayTime();
    void stopWhenLeft();
    void reportLogFailure(const FileResult& result);

    void restoreSettings();
    void saveSettings();

    Services m_services;
    Warnings m_warnings;
    AppSettings m_settings;
    SessionModel* m_session;
    KeptLogLines* m_keptLines;
    TrayMenu* m_tray;
    OtherWindows* m_otherWindows;
    ActivityPrompt* m_prompt;
    QPointer<NotesWindow> m_notes;
    AwayTracker* m_away;
    QPointer<AwayQuestionWindow> m_awayQuestion;

    MainWindowControls m_ui;

    bool m_unloaded = false;
    // Start waits in its input box for the starting comment.
    bool m_starting = false;
    bool m_shutdownRequested = false;
};
