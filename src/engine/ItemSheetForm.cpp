#include "engine/ItemSheetForm.h"

namespace velkor {

ItemSheetForm::ItemSheetForm(const QString& name, AppContext& context, WorkspaceState& state,
                             IndexLookup& index, InterestLookup& interest, Table& sbkTable, QObject* parent)
    : FormModel(name, parent), m_context(context), m_state(state), m_index(index), m_interest(interest),
      m_table(sbkTable) {}

} // namespace velkor
