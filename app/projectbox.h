#pragma once

#include <QComboBox>
#include <QString>

class ProjectList;

// The project box: its entries are the project list, its text the current project name, used
// exactly as typed. Changes to the list never change what the box shows: a name added is not
// selected, and the typed text stays.
class ProjectBox final : public QComboBox {
    Q_OBJECT
public:
    ProjectBox(ProjectList& list, QWidget* parent);

    // The text on one line: line breaks pasted into it become one space each.
    QString projectName() const;

    // The entry the box shows, if it shows one: the row chosen last, while the text is still
    // that entry's. -1 once another name is typed.
    int selectedRow() const;

    // "-": removes the entry the box shows, if it shows one, and rewrites the list's file
    // either way. The box then shows no entry, and keeps its text.
    void removeShownEntry();

private:
    void keepText();
    void showKeptText();

    ProjectList& m_list;
    QString m_keptText;
    bool m_keptSelection = false;
};
