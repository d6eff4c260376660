#pragma once

#include "reports/totalschart.h"
#include "reports/totalstable.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

// The rows of a totals table for a view: the period when there is one, the project in its
// colour of the chart (so that the table is the chart's legend), its time, hours and sessions.
// Texts are made as the view asks for them, so that years of days show at once.
class TotalsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(TotalsTable table, const TotalsChart& chart);
    // The table shown; null before the first show().
    const TotalsTable* table() const { return m_table ? &*m_table : nullptr; }
    // The first column of figures, after the project's.
    int firstFigure() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::optional<TotalsTable> m_table;
    std::vector<int> m_colours; // per row
};
