#pragma once

#include "base/FormModel.h"
#include "storage/AppContext.h"

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

protected:
    /// The lookups, prompt and adjustment date a financing computation of this sheet reads.
    FinancingContext financingContext() const;

    AppContext& m_context;
    WorkspaceState& m_state;
    IndexLookup& m_index;
    InterestLookup& m_interest;
    Table& m_table;
};

} // namespace velkor
