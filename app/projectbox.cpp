#include "app/projectbox.h"

#include "session/projectlist.h"
#include "storage/onelinetext.h"

ProjectBox::ProjectBox(ProjectList& list, QWidget* parent)
    : QComboBox(parent)
    , m_list(list) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The name is used exactly as typed. With Qt's completer the box would complete it in
    // place, and swap in a listed name that differs only in case when the focus leaves it.
    setCompleter(nullptr);
    setModel(&list);
    // The box reacts to a change of its list by selecting an entry: the first one added to an
    // empty list, the next one after a removal. These run after it, and put back what it
    // showed.
    connect(&list, &QAbstractItemModel::rowsAboutToBeInserted, this, &ProjectBox::keepText);
    connect(&list, &QAbstractItemModel::rowsInserted, this, &ProjectBox::showKeptText);
    connect(&list, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] {
        keepText();
        m_keptSelection = false;
    });
    connect(&list, &QAbstractItemModel::rowsRemoved, this, &ProjectBox::showKeptText);
    // A list read anew shows no entry; start-up then puts the saved name in.
    connect(&list, &QAbstractItemModel::modelReset, this, [this] {
        setCurrentIndex(-1);
        clearEditText();
    });
}

QString ProjectBox::projectName() const {
    return oneLineText(currentText());
}

int ProjectBox::selectedRow() const {
    // An entry is selected while the box shows it; typing another name selects none.
    const int row = currentIndex();
    if (row < 0 || itemText(row) != projectName())
        return -1;
    return row;
}

void ProjectBox::keepText() {
    m_keptText = currentText();
    m_keptSelection = currentIndex() >= 0;
}

void ProjectBox::showKeptText() {
    if (!m_keptSelection)
        setCurrentIndex(-1);
    setEditText(m_keptText);
}

void ProjectBox::removeShownEntry() {
    const QString text = currentText();
    (void)m_list.removeAt(selectedRow());
    setCurrentIndex(-1);
    setEditText(text);
}
