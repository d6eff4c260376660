#include "app/otherwindows.h"

#include "reports/reportswindow.h"
#include "reports/totalswindow.h"
#include "ui/aboutwindow.h"
#include "ui/onscreen.h"
#include "ui/schemechoice.h"
#include "ui/settingswindow.h"

namespace {

void bringForward(QWidget* window) {
    onscreen::keep(window);
    window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace

OtherWindows::OtherWindows(const Services& services, const AppSettings& settings, SessionLog& log,
                           LogCorrections& corrections, QWidget* owner)
    : QObject(owner)
    , m_services(services)
    , m_log(log)
    , m_corrections(corrections)
    , m_owner(owner)
    , m_schemeChoice(new SchemeChoice(settings, services.dialogs, owner)) {
    connect(m_schemeChoice, &SchemeChoice::schemeApplied, this, &OtherWindows::schemeChosen);
}

void OtherWindows::restoreSettingsChoices() {
    m_schemeChoice->restore();
}

void OtherWindows::showReports() {
    // An open Reports window is only brought forward: its report is not read again.
    if (!m_reports) {
        m_reports = new ReportsWindow(m_log, m_corrections, m_services.dialogs, m_services.printer,
                                      m_owner);
        connect(m_reports, &ReportsWindow::totalsAsked, this, &OtherWindows::showTotals);
        m_reports->loadLog();
    }
    bringForward(m_reports);
}

void OtherWindows::showTotals() {
    // Owned by the main window, as the Reports window is, so that it outlives the Reports
    // window it was opened from.
    if (!m_totals) {
        m_totals = new TotalsWindow(m_log, m_services.clock, m_services.dialogs, m_services.locale,
                                    m_owner);
    }
    bringForward(m_totals);
}

void OtherWindows::showSettings() {
    if (!m_settings)
        m_settings = new SettingsWindow(*m_schemeChoice, m_owner);
    bringForward(m_settings);
}

void OtherWindows::showAbout() {
    if (!m_about)
        m_about = new AboutWindow(m_services.desktop, m_services.dialogs, m_owner);
    bringForward(m_about);
}
