// The project list and the settings file, as the main window uses them.
#include "app/form1.h"

#include "storage/datafiles.h"
#include "storage/inifile.h"
#include "storage/onelinetext.h"
#include "ui/dialogs.h"
#include "ui/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

// A whole number as the settings file stores it; nothing for other text.
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The check box's value as the settings file keeps it: 0 unchecked, 1 checked, 2 grayed.
QString checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Unchecked:
        return QStringLiteral("0");
    case Qt::PartiallyChecked:
        return QStringLiteral("2");
    case Qt::Checked:
        break;
    }
    return QStringLiteral("1");
}

} // namespace

QString Form1::projectName() const {
    return oneLineText(CboProject->currentText());
}

QString Form1::projectsPath() const {
    return datafiles::path(m_services.appFolder, datafiles::Projects);
}

QString Form1::settingsPath() const {
    return datafiles::path(m_services.appFolder, datafiles::Settings);
}

void Form1::warn(const QString& text) {
    if (m_quietFailures) {
        qWarning("%s", qPrintable(text));
        return;
    }
    m_services.dialogs.messageBox(this, Dialogs::Message::warning(text));
}

void Form1::loadProjectList() {
    if (datafiles::FileExists(projectsPath()))
        LoadProjectList(projectsPath());
}

void Form1::LoadProjectList(const QString& path) {
    CboProject->clear();
    m_projects.clear();
    const ProjectListLoad load = ::loadProjectList(path);
    if (!load.result.ok()) {
        warn(QStringLiteral("The project list could not be read.\n\n%1")
                 .arg(load.result.message(u"read")));
        return;
    }
    for (const QString& name : load.entries)
        insertProjectEntry(name);
}

void Form1::insertProjectEntry(const QString& name) {
    // Adding the first entry would select it and replace the text being typed.
    const QString text = CboProject->currentText();
    const int index = CboProject->currentIndex();
    const qsizetype at = m_projects.insertSorted(name);
    CboProject->insertItem(static_cast<int>(at), name);
    CboProject->setCurrentIndex(index < 0 || index < at ? index : index + 1);
    CboProject->setEditText(text);
}

int Form1::selectedProjectIndex() const {
    // An entry is selected while the box shows it; typing another name selects none.
    const int index = CboProject->currentIndex();
    if (index < 0 || CboProject->itemText(index) != projectName())
        return -1;
    return index;
}

void Form1::AddProject() {
    const QString name = projectName();
    if (!shouldAddProject(m_projects.entries(), name))
        return;
    insertProjectEntry(name);
    const FileResult result = AppendProject(projectsPath(), name);
    if (!result.ok()) {
        warn(QStringLiteral("The project \"%1\" is in the list for now, but could not be "
                            "saved.\n\n%2")
                 .arg(name, result.message()));
    }
}

void Form1::CmdAdd_Click() {
    if (projectName().isEmpty()) {
        m_services.dialogs.messageBox(
            this, Dialogs::Message::plain(QStringLiteral("Please enter a project name")));
        return;
    }
    AddProject();
}

void Form1::CmdRemove_Click() {
    // Clearing the selection would also clear the box's text, which stays as it is.
    const QString text = CboProject->currentText();
    const int index = selectedProjectIndex();
    if (index >= 0) {
        m_projects.removeAt(index);
        CboProject->removeItem(index);
    }
    SaveProjectList();
    CboProject->setCurrentIndex(-1);
    CboProject->setEditText(text);
}

void Form1::SaveProjectList() {
    const FileResult result = ::SaveProjectList(projectsPath(), m_projects.entries());
    if (!result.ok())
        warn(QStringLiteral("The project list could not be saved.\n\n%1").arg(result.message()));
}

void Form1::applySavedSettings() {
    const QString ini = settingsPath();
    if (!datafiles::FileExists(ini))
        return;
    // Each value is applied on its own, through the control, so that the control's own
    // handler runs; a value that does not convert leaves its control as it is.
    // A check box takes 2 as well: grayed, which asks nothing, like an unchecked box.
    if (const auto askMe = wholeNumber(ReadINI(u"Checkboxes", u"ChkAskMe", ini));
        askMe && *askMe >= 0 && *askMe <= 2) {
        const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        ChkAskMe->setCheckState(states[*askMe]);
    }
    TxtAsk->setText(ReadINI(u"Textboxes", u"TxtAsk", ini));
    CboProject->setEditText(ReadINI(u"ComboBox", u"CboProject", ini));
    applySavedScheme();
    if (const auto interval = wholeNumber(TxtAsk->text());
        interval && *interval >= UpDown->minimum() && *interval <= UpDown->maximum()) {
        UpDown->setValue(*interval);
    }
}

void Form1::saveSettings() {
    const QString ini = settingsPath();
    for (const FileResult& result :
         {WriteINI(u"Checkboxes", u"ChkAskMe", checkValue(ChkAskMe), ini),
          WriteINI(u"Textboxes", u"TxtAsk", oneLineText(TxtAsk->text()), ini),
          WriteINI(u"ComboBox", u"CboProject", projectName(), ini)}) {
        if (!result.ok()) {
            warn(QStringLiteral("The settings could not be saved.\n\n%1").arg(result.message()));
            return;
        }
    }
}

bool Form1::minimizeOnStartSetting() const {
    return ReadINI(u"Checkboxes", u"ChkMin", settingsPath()) == u"1";
}
