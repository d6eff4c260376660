#pragma once

#include "reports/reporttree.h"

#include <QAbstractItemModel>

// The report tree as a Qt model: the root node "Session", its session nodes and their line
// nodes, one column. A log of a hundred thousand sessions would need as many item objects in
// a QStandardItemModel or QTreeWidget; this model keeps none and answers from the tree.
class ReportModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    // Each node's key ("main", "I1", "SI0") under this role.
    static constexpr int KeyRole = Qt::UserRole + 1;

    explicit ReportModel(ReportTree tree, QObject* parent = nullptr);

    const ReportTree& tree() const { return m_tree; }
    QModelIndex rootIndex() const { return index(0, 0); }
    // The session of a session node or of one of its lines; -1 for the root.
    qsizetype sessionAt(const QModelIndex& index) const;
    QModelIndex sessionIndex(qsizetype session) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    enum class Kind { Root, Session, Line };
    struct Node {
        Kind kind;
        qsizetype number; // session or line number
    };

    static quintptr idOf(Node node);
    static Node nodeOf(const QModelIndex& index);

    ReportTree m_tree;
};
