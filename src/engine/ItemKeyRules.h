#pragma once

#include "base/AmountKeyRules.h"
#include "base/FormModel.h"

namespace velkor {

/// The key rule of a control of the three item sheets by its name: amounts for the book
/// values, financing inputs and turnover amounts, digits for the record numbers and the
/// useful life, free text for the rest.
KeyRule keyRuleOf(const QString& control);
/// Gives every control of an item sheet its rule, so that its window and the CLI type by it.
void applyItemKeyRules(FormModel& sheet);

} // namespace velkor
