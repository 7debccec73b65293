#pragma once

#include "base/Prompt.h"
#include "engine/EquitySheet.h"

#include <QDate>

namespace velkor {

class IndexLookup;

/// The equity adjustment of the sheet (`OzkaynakKatsayiBul`): base month of the entry
/// date (December 2004 for earlier entries; the adjustment month for a capital increase
/// from 522/523/524), the two index values, coefficient, adjusted amount, difference (the
/// whole amount for such an increase) and explanation text. A missing index value
/// empties the results and the text and gives false.
bool computeEquityAdjustment(EquitySheet& sheet, const QDate& adjustmentDate, IndexLookup& index,
                             Prompt& prompt);

} // namespace velkor
