#pragma once

#include "storage/fileresult.h"

#include <QAbstractListModel>
#include <QStringList>

#include <optional>

// The project list: the names the user picks from, kept in alphabetical order ignoring case
// whatever order they arrive in, and mirrored in Projects.txt. Names that differ only in letter
// case stay in the order they arrived, so "alpha" added before "Alpha" stays before it. A name
// is the text exactly as typed: not trimmed, case kept; blank and repeated names read from the
// file are kept. An added name is appended to the file at once; a removal rewrites it.
class ProjectList final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ProjectList(QString path, QObject* parent = nullptr);

    const QString& path() const { return m_path; }
    const QStringList& names() const { return m_names; }
    // Exact comparison of the whole text with each name.
    bool contains(const QString& name) const { return m_names.contains(name); }

    // Start-up: every line of the file becomes a name. Without a file the list stays empty.
    FileResult load();

    // Adds the name and appends it to the file, unless it is empty or listed already. A name
    // the file could not take stays listed for this run.
    FileResult add(const QString& name);

    // Removes the name at the row, when there is one, and rewrites the file either way.
    FileResult removeAt(int row);

    // Why the file cannot take the name as it is kept now; nothing when it can.
    std::optional<QString> cannotHold(const QString& name) const;
    // Rewrites the file as UTF-8 from now on.
    FileResult keepAsUtf8();

signals:
    // The file could not take a change: the name added (empty for a removal) and why.
    void writeFailed(const QString& name, const FileResult& result);

public:
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    qsizetype sortedPlace(const QString& name) const;
    void insertSorted(const QString& name);

    QString m_path;
    QStringList m_names;
};
