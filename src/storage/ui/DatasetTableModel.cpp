#include "storage/ui/DatasetTableModel.h"

#include <QColor>

namespace velkor {

DatasetTableModel::DatasetTableModel(Dataset& dataset, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_dataset(&dataset), m_columns(std::move(columns)) {
    connect(&dataset, &Dataset::rowsReset, this, &DatasetTableModel::reset);
    connect(&dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    reset();
}

void DatasetTableModel::reset() {
    beginResetModel();
    m_fieldIndexes.clear();
    for (const GridColumn& column : m_columns)
        m_fieldIndexes.push_back(m_dataset ? m_dataset->columnIndex(column.field) : -1);
    endResetModel();
}

int DatasetTableModel::fieldIndex(int column) const {
    return column >= 0 && column < static_cast<int>(m_fieldIndexes.size()) ? m_fieldIndexes[column] : -1;
}

int DatasetTableModel::rowCount(const QModelIndex& parent) const {
    // The rows are announced before the dataset counts as open, so the count alone decides.
    if (parent.isValid() || !m_dataset)
        return 0;
    return m_dataset->recordCount();
}

int DatasetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QColor DatasetTableModel::rowColor(int row) {
    // Record numbers start at 1: the first row has an odd number.
    return row % 2 == 0 ? QColor(255, 255, 192) : QColor(Qt::white);
}

QVariant DatasetTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int field = fieldIndex(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (field < 0)
            return {};
        return gridText(m_columns[index.column()], m_dataset->cell(index.row(), field));
    case Qt::BackgroundRole:
        return rowColor(index.row());
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::TextAlignmentRole: {
        if (field < 0)
            return {};
        const QVariant& value = m_dataset->cell(index.row(), field);
        const bool number = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::LongLong ||
                            value.typeId() == QMetaType::Int;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant DatasetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < columnCount() ? m_columns[section].label : QVariant();
    return section + 1;
}

} // namespace velkor
