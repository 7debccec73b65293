#pragma once

#include "base/FormModel.h"
#include "storage/AppContext.h"
#include "storage/RowStamp.h"

namespace velkor {

class IndexLookup;
class InterestLookup;
class Table;
struct FinancingContext;
class WorkspaceState;

/// What the fixed-asset, stock and equity sheets stand on: the workspace's state, its
/// index and interest lookups and the item table `sabit_kiymet`.
class ItemSheetForm : public FormModel {
    Q_OBJECT

public:
    ItemSheetForm(const QString& name, AppContext& context, WorkspaceState& state, IndexLookup& index,
                  InterestLookup& interest, Table& sbkTable, QObject* parent = nullptr);

    /// The item row the sheet shows, as stored when the sheet loaded or last saved it: a
    /// save that finds it changed since by someone else is refused.
    RowStamp& shownRow() const { return m_shownRow; }

protected:
    /// The lookups, prompt and adjustment date a financing computation of this sheet reads.
    FinancingContext financingContext() const;

    AppContext& m_context;
    WorkspaceState& m_state;
    IndexLookup& m_index;
    InterestLookup& m_interest;
    Table& m_table;
    /// Kept by the saves of a sheet that is otherwise read only while it is written.
    mutable RowStamp m_shownRow;
};

} // namespace velkor
