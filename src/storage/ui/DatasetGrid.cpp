#include "storage/ui/DatasetGrid.h"

#include <QHeaderView>

#include <algorithm>

namespace velkor {

DatasetGrid::DatasetGrid(Dataset& dataset, std::vector<GridColumn> columns, QWidget* parent)
    : QTableView(parent), m_model(new DatasetTableModel(dataset, std::move(columns), this)) {
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumWidth(36);
    horizontalHeader()->setHighlightSections(false);

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_following || !current.isValid())
                    return;
                Dataset& data = m_model->dataset();
                if (!data.isEmpty() && current.row() + 1 != data.recNo())
                    data.moveTo(current.row() + 1);
            });
    connect(&dataset, &Dataset::currentChanged, this, &DatasetGrid::followCursor);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DatasetGrid::followCursor);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT rowActivated();
    });
    followCursor();
}

void DatasetGrid::fitColumnsToContents(int minimumWidth) {
    auto fit = [this, minimumWidth] {
        resizeColumnsToContents();
        for (int column = 0; column < m_model->columnCount(); ++column)
            setColumnWidth(column, std::max(columnWidth(column), minimumWidth));
    };
    connect(m_model, &QAbstractItemModel::modelReset, this, fit);
    fit();
}

void DatasetGrid::followCursor() {
    Dataset& data = m_model->dataset();
    if (data.isEmpty())
        return;
    const int row = data.recNo() - 1;
    m_following = true;
    selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(m_model->index(row, 0));
    m_following = false;
}

} // namespace velkor
