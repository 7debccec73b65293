#pragma once

#include "storage/ui/DatasetTableModel.h"

#include <QTableView>

namespace velkor {

/// A read-only grid over a dataset with whole-row selection: the selected row follows the
/// dataset's cursor, and choosing a row moves the cursor there.
class DatasetGrid : public QTableView {
    Q_OBJECT

public:
    DatasetGrid(Dataset& dataset, std::vector<GridColumn> columns, QWidget* parent = nullptr);

    DatasetTableModel& tableModel() { return *m_model; }

    /// Sizes every column to its title and values, now and whenever the rows are read
    /// again, never narrower than `minimumWidth`.
    void fitColumnsToContents(int minimumWidth = 0);

Q_SIGNALS:
    /// A row was double-clicked (the cursor stands on it).
    void rowActivated();

private:
    void followCursor();

    DatasetTableModel* m_model;
    bool m_following = false;
};

} // namespace velkor
