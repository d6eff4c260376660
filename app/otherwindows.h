#pragma once

#include "app/services.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>

class AboutWindow;
class AppSettings;
class ReportsWindow;
class SchemeChoice;
class LogCorrections;
class SessionLog;
class SettingsWindow;
class TotalsWindow;
class QWidget;

// The Reports, Settings and About windows that the main window's links open, and the Totals
// window that the Reports window's menu opens. Each is created on first use and anew after it
// was closed; a window that is open is only brought forward, as a normal window if it was
// minimised.
class OtherWindows final : public QObject {
    Q_OBJECT
public:
    OtherWindows(const Services& services, const AppSettings& settings, SessionLog& log,
                 LogCorrections& corrections, QWidget* owner);

    // Start-up: the saved colour scheme and minimise option take effect without the Settings
    // window, which shows them when it is first opened.
    void restoreSettingsChoices();

    void showReports();
    void showTotals();
    void showSettings();
    void showAbout();

signals:
    // A colour scheme was chosen: the main window shows these pictures from now on.
    void schemeChosen(const QPixmap& top, const QPixmap& bottom);

private:
    Services m_services;
    SessionLog& m_log;
    LogCorrections& m_corrections;
    QWidget* m_owner;
    QPointer<ReportsWindow> m_reports;
    QPointer<TotalsWindow> m_totals;
    SchemeChoice* m_schemeChoice;
    QPointer<SettingsWindow> m_settings;
    QPointer<AboutWindow> m_about;
};
