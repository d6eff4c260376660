#pragma once

#include "storage/projectlistfile.h"

#include <QComboBox>
#include <QString>

// The project box: its entries are the project list, kept sorted ignoring case and mirrored in
// Projects.txt; its text is the current project name, used exactly as typed. An entry added
// or removed goes to the file at once.
class ProjectBox final : public QComboBox {
    Q_OBJECT
public:
    ProjectBox(QString listFile, QWidget* parent);

    // The text on one line: line breaks pasted into it become one space each.
    QString projectName() const;

    // Fills the box from the file, when there is one.
    void loadList();
    // Adds the current name to the entries and to the file, unless it is empty or listed.
    void addCurrentName();
    // Removes the entry the box shows, if it shows one, and rewrites the file either way.
    void removeSelectedEntry();

signals:
    // The file could not be read or written; the text says which and why.
    void failed(const QString& message);

private:
    void insertEntry(const QString& name);
    int selectedIndex() const;

    QString m_listFile;
    ProjectList m_projects;
};
