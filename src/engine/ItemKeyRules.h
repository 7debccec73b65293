#pragma once

#include "base/AmountKeyRules.h"

namespace velkor {

/// The key rule of a control of the three item sheets by its name: amounts for the book
/// values, financing inputs and turnover amounts, digits for the record numbers and the
/// useful life, free text for the rest.
KeyRule keyRuleOf(const QString& control);

} // namespace velkor
