#include "session/projectlist.h"

#include "storage/ansitext.h"
#include "storage/datafiles.h"
#include "storage/projectlistfile.h"
#include "storage/textfile.h"

#include <QFile>

#include <algorithm>

ProjectList::ProjectList(QString path, QObject* parent)
    : QAbstractListModel(parent)
    , m_path(std::move(path)) {}

FileResult ProjectList::load() {
    if (!datafiles::FileExists(m_path))
        return FileResult::success();
    const ProjectListLoad loaded = loadProjectList(m_path);
    beginResetModel();
    m_names.clear();
    for (const QString& name : loaded.entries)
        m_names.insert(sortedPlace(name), name);
    endResetModel();
    return loaded.result;
}

qsizetype ProjectList::sortedPlace(const QString& name) const {
    const auto before = [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    };
    return std::upper_bound(m_names.begin(), m_names.end(), name, before) - m_names.begin();
}

void ProjectList::insertSorted(const QString& name) {
    const int row = int(sortedPlace(name));
    beginInsertRows({}, row, row);
    m_names.insert(row, name);
    endInsertRows();
}

FileResult ProjectList::add(const QString& name) {
    if (name.isEmpty() || contains(name))
        return FileResult::success();
    insertSorted(name);
    FileResult result = AppendProject(m_path, name);
    if (!result.ok())
        emit writeFailed(name, result);
    return result;
}

FileResult ProjectList::removeAt(int row) {
    if (row >= 0 && row < m_names.size()) {
        beginRemoveRows({}, row, row);
        m_names.removeAt(row);
        endRemoveRows();
    }
    FileResult result = SaveProjectList(m_path, m_names);
    if (!result.ok())
        emit writeFailed(QString(), result);
    return result;
}

std::optional<QString> ProjectList::cannotHold(const QString& name) const {
    QFile file(m_path);
    const ansi::Encoding encoding = file.open(QIODevice::ReadOnly)
                                        ? ansi::detectEncoding(file.read(3))
                                        : ansi::Encoding::Windows1252;
    return ansi::cannotHold(name, encoding);
}

FileResult ProjectList::keepAsUtf8() {
    return textfile::keepAsUtf8(m_path);
}

int ProjectList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant ProjectList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_names.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_names[index.row()];
}
