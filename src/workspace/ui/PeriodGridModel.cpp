#include "workspace/ui/PeriodGridModel.h"

#include "base/ErrorReport.h"
#include "periods/PeriodReport.h"
#include "periods/PeriodSheet.h"

#include <QTimer>

namespace velkor {

namespace {

// The columns holding amounts and coefficients, right-aligned as in the report.
bool isNumberColumn(int column) {
    return column >= 4 && column <= 14;
}

} // namespace

PeriodGridModel::PeriodGridModel(PeriodSheet& sheet, Prompt& prompt, QObject* parent)
    : QAbstractTableModel(parent), m_sheet(sheet), m_prompt(prompt),
      m_columns(static_cast<int>(sheet.gridHeaders().size())) {
    // The sheet reads its lines again inside an edit of the grid; the reset waits until
    // the view has finished with the edited cell.
    connect(&sheet, &PeriodSheet::linesChanged, this, [this] {
        QTimer::singleShot(0, this, [this] {
            beginResetModel();
            endResetModel();
        });
    });
}

int PeriodGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_sheet.rowCount();
}

int PeriodGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant PeriodGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_sheet.rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_sheet.rowCells(index.row()).value(index.column());
    if (role == Qt::TextAlignmentRole && isNumberColumn(index.column()))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant PeriodGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_sheet.gridHeaders().value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags PeriodGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && m_sheet.isCellEditable(index.row(), index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool PeriodGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const QString text = value.toString();
    if (text == m_sheet.rowCells(index.row()).value(index.column()))
        return false;
    const bool done = runGuarded(m_prompt, [&] { m_sheet.setCell(index.row(), index.column(), text); });
    if (done)
        Q_EMIT dataChanged(index, index);
    return done;
}

} // namespace velkor
