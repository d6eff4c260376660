#include "app/projectbox.h"

#include "storage/datafiles.h"
#include "storage/onelinetext.h"

ProjectBox::ProjectBox(QString listFile, QWidget* parent)
    : QComboBox(parent)
    , m_listFile(std::move(listFile)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The name is used exactly as typed. With Qt's completer the box would complete it in
    // place, and swap in a listed name that differs only in case when the focus leaves it.
    setCompleter(nullptr);
}

QString ProjectBox::projectName() const {
    return oneLineText(currentText());
}

void ProjectBox::loadList() {
    if (!datafiles::FileExists(m_listFile))
        return;
    clear();
    m_projects.clear();
    const ProjectListLoad load = loadProjectList(m_listFile);
    if (!load.result.ok()) {
        emit failed(QStringLiteral("The project list could not be read.\n\n%1")
                        .arg(load.result.message(u"read")));
        return;
    }
    for (const QString& name : load.entries)
        insertEntry(name);
}

void ProjectBox::insertEntry(const QString& name) {
    // Adding the first entry would select it and replace the text being typed.
    const QString text = currentText();
    const int index = currentIndex();
    const qsizetype at = m_projects.insertSorted(name);
    insertItem(static_cast<int>(at), name);
    setCurrentIndex(index < 0 || index < at ? index : index + 1);
    setEditText(text);
}

int ProjectBox::selectedIndex() const {
    // An entry is selected while the box shows it; typing another name selects none.
    const int index = currentIndex();
    if (index < 0 || itemText(index) != projectName())
        return -1;
    return index;
}

void ProjectBox::addCurrentName() {
    const QString name = projectName();
    if (!shouldAddProject(m_projects.entries(), name))
        return;
    insertEntry(name);
    const FileResult result = AppendProject(m_listFile, name);
    if (!result.ok()) {
        emit failed(QStringLiteral("The project \"%1\" is in the list for now, but could not be "
                                   "saved.\n\n%2")
                        .arg(name, result.message()));
    }
}

void ProjectBox::removeSelectedEntry() {
    // Clearing the selection would also clear the box's text, which stays as it is.
    const QString text = currentText();
    const int index = selectedIndex();
    if (index >= 0) {
        m_projects.removeAt(index);
        removeItem(index);
    }
    const FileResult result = SaveProjectList(m_listFile, m_projects.entries());
    if (!result.ok()) {
        emit failed(
            QStringLiteral("The project list could not be saved.\n\n%1").arg(result.message()));
    }
    setCurrentIndex(-1);
    setEditText(text);
}
