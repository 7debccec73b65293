#pragma once

#include <QAbstractTableModel>

namespace velkor {

class PeriodSheet;
class Prompt;

/// The lines of the period sheet as a table: the sheet's cell texts, editable where the
/// sheet allows; an edit goes to the sheet as the user's change of the line's control,
/// and a refusal is shown through the prompt.
class PeriodGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    PeriodGridModel(PeriodSheet& sheet, Prompt& prompt, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    PeriodSheet& m_sheet;
    Prompt& m_prompt;
    int m_columns = 0;
};

} // namespace velkor
