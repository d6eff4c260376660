#pragma once

#include "app/services.h"
#include "storage/datetimetext.h"
#include "storage/fileresult.h"
#include "storage/logwriter.h"
#include "storage/projectlistfile.h"
#include "tray/trayicon.h"

#include <QPointer>
#include <QWidget>

class FrmLog;
class FrmAbout;
class FrmNotes;
class FrmSettings;
class LinkLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class UpDownControl;

// The main window: the project box, Start/Stop, the clock, the activity prompt and the menu
// that the notification-area icon pops up. A session runs exactly while the Start/Stop button
// reads "&Stop".
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: restores the project list and the saved settings. Call once, before showing.
    void Form_Load();
    // Shut-down: saves settings and completes a running session's record. Runs once, whichever
    // way the program is closed; emits unloaded() when done.
    void Form_Unload();
    // Closing from outside the window (end of the desktop session, SIGTERM, SIGINT).
    void requestShutdown();

    bool isRunning() const;
    QString appFolder() const { return m_services.appFolder; }
    const PendingLog& pendingLog() const { return m_pending; }

    // Session
    void CmdStartStop_Click();
    void MnuStartStop_Click();

    // Clock
    void Timer1_Timer();
    void Text1_Change();

    // Activity prompt
    void ChkAskMe_Click();
    void TxtAsk_Change();
    void UpDown_Change();
    void TxtMin_Change();

    // Notes
    void CmdNotes_Click();
    void MnuNotes_Click();
    FrmNotes* notesWindow() const;
    FrmLog* reportsWindow() const;

    // Project list
    void CmdAdd_Click();
    void CmdRemove_Click();

    // Other windows
    void LblReports_Click();
    void LblSettings_Click();
    void LblAbout_Click();
    // The Settings and About windows while they exist; null before they are reached and
    // after they were closed.
    FrmSettings* settingsWindow() const;
    FrmAbout* aboutWindow() const;

    // Tray
    int RespondToTray(TrayIcon::Event event);
    void MnuOpen_Click();
    void MnuExit_Click();

    // The controls, named as in the window's design.
    QPushButton* CmdStartStop;
    QPushButton* CmdNotes;
    QPushButton* CmdAdd;
    QPushButton* CmdRemove;
    QComboBox* CboProject;
    QCheckBox* ChkAskMe;
    QLineEdit* TxtAsk;
    UpDownControl* UpDown;
    QLineEdit* TxtMin;
    QLineEdit* Text1;
    QLabel* Label3;
    QLabel* LblStartTime;
    QLabel* LblStopTime;
    QLabel* LblTotalTime;
    LinkLabel* LblReports;
    LinkLabel* LblSettings;
    LinkLabel* LblAbout;
    QLabel* ImgTop;
    QLabel* ImgBottom;
    SecondTimer* Timer1;

    QMenu* MnuFile;
    QAction* MnuElapsed;
    QAction* MnuExit;
    QAction* MnuOpen;
    QAction* MnuStartStop;
    QAction* MnuNotes;
    QAction* MnuOk;

signals:
    void unloaded();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenu();
    void nameControls();
    void connectHandlers();

    bool startSession();
    void stopSession();
    void setControlsAfterStartStop();
    void FlushLog();
    void reportLogFailure(const FileResult& result);
    QString recoveryPath() const;
    void restoreUnwrittenLines();
    void keepUnwrittenLines();
    void forgetRecoveredLinesOnceWritten();

    void UpdateElapsed();
    void setTotalTime(const QString& text);
    void LblTotalTime_Change();

    // The project name as the box gives it: its text, on one line.
    QString projectName() const;
    QString projectsPath() const;
    QString settingsPath() const;
    void warn(const QString& text);
    void loadProjectList();
    void LoadProjectList(const QString& path);
    void insertProjectEntry(const QString& name);
    int selectedProjectIndex() const;
    void AddProject();
    void SaveProjectList();
    void applySavedScheme();
    void applySavedSettings();
    void saveSettings();
    bool minimizeOnStartSetting() const;
    FrmNotes* showNotesWindow();
    FrmSettings* loadSettingsWindow();

    void Form_Resize();
    void restoreFromTray();
    void onTrayEvent(TrayIcon::Event event);

    QString logPath() const;

    Services m_services;
    DateTimeText m_dateText;
    PendingLog m_pending;
    ProjectList m_projects;
    QPointer<FrmNotes> m_notes;
    QPointer<FrmSettings> m_settings;
    QPointer<FrmAbout> m_about;
    QPointer<FrmLog> m_reports;

    // Session fields
    QString m_stamp;
    QString m_startingComment;
    int m_stopped = 0;
    int m_tickCount = 0;
    QDateTime m_startedAt;

    bool m_unloaded = false;
    bool m_starting = false;
    bool m_shutdownRequested = false;
    bool m_quietFailures = false;
    // Lines found in the recovery file at start-up that have not reached the log yet.
    bool m_recoveredLinesPending = false;
};
