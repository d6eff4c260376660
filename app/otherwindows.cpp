#include "app/otherwindows.h"

#include "reports/reportswindow.h"
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
                           QWidget* owner)
    : QObject(owner)
    , m_services(services)
    , m_log(log)
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
        m_reports = new ReportsWindow(m_log, m_services.dialogs, m_services.printer, m_owner);
        m_reports->loadLog();
    }
    bringForward(m_reports);
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
