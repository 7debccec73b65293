#include "engine/ItemSheetForm.h"

#include "engine/FinancingCost.h"
#include "engine/WorkspaceState.h"

namespace velkor {

ItemSheetForm::ItemSheetForm(const QString& name, AppContext& context, WorkspaceState& state,
                             IndexLookup& index, InterestLookup& interest, Table& sbkTable, QObject* parent)
    : FormModel(name, parent), m_context(context), m_state(state), m_index(index), m_interest(interest),
      m_table(sbkTable) {}

FinancingContext ItemSheetForm::financingContext() const {
    return FinancingContext{m_index, m_interest, m_context.prompt(), m_state.adjustmentDate(), std::nullopt};
}

} // namespace velkor
