#include "reports/reportmodel.h"

namespace {

// Qt hashes a model index as its row shifted by four plus its internal id, without mixing,
// and a view keeps such hashes for expanded and persistent indexes. Ids that count up in step
// with the rows collide in clusters there, so each id is spread by an odd multiplier, which
// is undone by multiplying with its inverse.
constexpr quintptr Spread = quintptr(0x9E3779B97F4A7C15ULL);

constexpr quintptr inverseOf(quintptr odd) {
    quintptr x = odd;
    for (int i = 0; i < 6; ++i)
        x *= 2 - odd * x;
    return x;
}

constexpr quintptr Unspread = inverseOf(Spread);
static_assert(Spread * Unspread == 1);

constexpr qsizetype LongestShownText = 10000;

} // namespace

ReportModel::ReportModel(ReportTree tree, QObject* parent)
    : QAbstractItemModel(parent)
    , m_tree(std::move(tree)) {}

quintptr ReportModel::idOf(Node node) {
    return ((quintptr(node.number) << 2) | quintptr(node.kind)) * Spread;
}

ReportModel::Node ReportModel::nodeOf(const QModelIndex& index) {
    const quintptr plain = index.internalId() * Unspread;
    return {Kind(plain & 3), qsizetype(plain >> 2)};
}

QModelIndex ReportModel::sessionIndex(qsizetype session) const {
    return createIndex(int(session), 0, idOf({Kind::Session, session}));
}

qsizetype ReportModel::sessionAt(const QModelIndex& index) const {
    if (!index.isValid())
        return -1;
    const Node node = nodeOf(index);
    switch (node.kind) {
    case Kind::Root:
        return -1;
    case Kind::Session:
        return node.number;
    case Kind::Line:
        return m_tree.sessionOfLine(node.number);
    }
    return -1;
}

QModelIndex ReportModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0 || row >= rowCount(parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, 0, idOf({Kind::Root, 0}));
    const Node node = nodeOf(parent);
    if (node.kind == Kind::Root)
        return sessionIndex(row);
    return createIndex(row, 0, idOf({Kind::Line, m_tree.firstLine(node.number) + row}));
}

QModelIndex ReportModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    const Node node = nodeOf(child);
    switch (node.kind) {
    case Kind::Root:
        return {};
    case Kind::Session:
        return rootIndex();
    case Kind::Line:
        return sessionIndex(m_tree.sessionOfLine(node.number));
    }
    return {};
}

int ReportModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return 1;
    if (parent.column() != 0)
        return 0;
    const Node node = nodeOf(parent);
    switch (node.kind) {
    case Kind::Root:
        return int(m_tree.sessionCount());
    case Kind::Session:
        return int(m_tree.lineCount(node.number));
    case Kind::Line:
        return 0;
    }
    return 0;
}

int ReportModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant ReportModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != KeyRole))
        return {};
    const Node node = nodeOf(index);
    if (role == KeyRole) {
        switch (node.kind) {
        case Kind::Root:
            return ReportTree::RootKey;
        case Kind::Session:
            return m_tree.sessionKey(node.number);
        case Kind::Line:
            return m_tree.lineKey(node.number);
        }
        return {};
    }
    QString text;
    switch (node.kind) {
    case Kind::Root:
        text = ReportTree::RootText;
        break;
    case Kind::Session:
        text = m_tree.sessionText(node.number);
        break;
    case Kind::Line:
        text = m_tree.lineText(node.number);
        break;
    }
    // A line of a damaged log can run to megabytes, and measuring it to elide it would hang
    // the view; the tree shows the start of such a line.
    if (text.size() > LongestShownText)
        text.truncate(LongestShownText);
    return text;
}

Qt::ItemFlags ReportModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (nodeOf(index).kind == Kind::Line)
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}
