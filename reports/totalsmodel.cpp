#include "reports/totalsmodel.h"

#include <QColor>

void TotalsModel::show(TotalsTable table, const TotalsChart& chart) {
    beginResetModel();
    m_colours.clear();
    m_colours.reserve(table.rows().size());
    for (const TotalsRow& row : table.rows())
        m_colours.push_back(chart.colour(row.project));
    m_table = std::move(table);
    endResetModel();
}

int TotalsModel::firstFigure() const {
    return m_table && m_table->byPeriod() ? 2 : 1;
}

int TotalsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_table ? 0 : int(m_table->rows().size());
}

int TotalsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : firstFigure() + 3;
}

QVariant TotalsModel::data(const QModelIndex& index, int role) const {
    if (!m_table || !index.isValid())
        return {};
    const TotalsRow& row = m_table->rows()[size_t(index.row())];
    const int figure = index.column() - firstFigure();
    switch (role) {
    case Qt::DisplayRole:
        if (figure == 0)
            return totalstext::duration(row.seconds);
        if (figure == 1)
            return totalstext::hours(row.seconds);
        if (figure == 2)
            return QString::number(row.sessions);
        return figure == -1 ? totalstext::shownName(row.project) : m_table->periodLabel(row);
    case Qt::DecorationRole:
        if (figure == -1)
            return QColor(TotalsChart::BarColours[size_t(m_colours[size_t(index.row())])]);
        return {};
    case Qt::TextAlignmentRole:
        return int((figure >= 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TotalsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    const int figure = section - firstFigure();
    if (role == Qt::TextAlignmentRole)
        return int((figure >= 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (figure) {
    case -2:
        return m_table ? totalstext::periodHeading(m_table->query().grouping) : QString();
    case -1:
        return tr("Project");
    case 0:
        return tr("Time");
    case 1:
        return tr("Hours");
    default:
        return tr("Sessions");
    }
}
