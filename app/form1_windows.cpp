// The links to the Reports, Settings and About windows.
#include "app/form1.h"

#include "reports/frmlog.h"
#include "storage/datafiles.h"
#include "storage/inifile.h"
#include "ui/frmabout.h"
#include "ui/frmsettings.h"
#include "ui/schemes.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

void Form1::LblReports_Click() {
    // An open Reports window is only brought forward: its report is not read again.
    if (!m_reports) {
        m_reports = new FrmLog(m_services.appFolder, m_services.dialogs, m_services.printer, this);
        m_reports->Form_Load();
    }
    m_reports->showNormal();
    m_reports->raise();
    m_reports->activateWindow();
}

// A window that was minimised comes back as a normal window, as the Reports window does.
void Form1::LblSettings_Click() {
    FrmSettings* settings = loadSettingsWindow();
    settings->showNormal();
    settings->raise();
    settings->activateWindow();
}

void Form1::LblAbout_Click() {
    if (!m_about) {
        m_about = new FrmAbout(m_services.desktop, m_services.dialogs, this);
        m_about->setObjectName(QStringLiteral("FrmAbout"));
    }
    m_about->showNormal();
    m_about->raise();
    m_about->activateWindow();
}

FrmSettings* Form1::loadSettingsWindow() {
    // Created hidden on first use, and anew after it was closed, with nothing chosen.
    if (!m_settings) {
        m_settings = new FrmSettings(settingsPath(), m_services.dialogs, this);
        m_settings->setObjectName(QStringLiteral("FrmSettings"));
        connect(m_settings, &FrmSettings::schemeApplied, this,
                [this](const QPixmap& top, const QPixmap& bottom) {
                    ImgTop->setPixmap(top);
                    ImgBottom->setPixmap(bottom);
                });
    }
    return m_settings;
}

void Form1::applySavedScheme() {
    // The saved scheme is chosen through its option button, whose handler shows it and writes
    // all four flags again; each flag is read only just before its button is set, so the
    // first "True" wins and the file is left with that one.
    FrmSettings* settings = loadSettingsWindow();
    const QString ini = settingsPath();
    for (const schemes::Scheme scheme : schemes::RestoreOrder) {
        const auto flag =
            schemes::parseFlag(ReadINI(schemes::Section, schemes::info(scheme).key, ini));
        if (flag.value_or(false))
            settings->option(scheme)->setChecked(true);
    }
    bool converted = false;
    const int minimize = ReadINI(u"Checkboxes", u"ChkMin", ini).trimmed().toInt(&converted);
    if (converted && (minimize == 0 || minimize == 1))
        settings->ChkMin->setChecked(minimize == 1);
}

FrmSettings* Form1::settingsWindow() const {
    return m_settings;
}

FrmAbout* Form1::aboutWindow() const {
    return m_about;
}

FrmLog* Form1::reportsWindow() const {
    return m_reports;
}
