#pragma once

#include "base/GridColumn.h"
#include "storage/Dataset.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <vector>

namespace velkor {

/// A grid's view of a dataset: reads the rows where they are (`cell()`), formats them
/// per column and follows the dataset's notifications. Rows with an odd record number
/// are light yellow (255, 255, 192), even ones white.
class DatasetTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    DatasetTableModel(Dataset& dataset, std::vector<GridColumn> columns, QObject* parent = nullptr);

    Dataset& dataset() const { return *m_dataset; }
    const std::vector<GridColumn>& columns() const { return m_columns; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// The colour of a row (0-based) when it is not selected.
    static QColor rowColor(int row);

private:
    void reset();
    int fieldIndex(int column) const;

    QPointer<Dataset> m_dataset;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldIndexes;
};

} // namespace velkor
