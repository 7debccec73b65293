#pragma once

#include "base/FormModel.h"
#include "base/Prompt.h"
#include "engine/ItemRowFields.h"

#include <QDate>

#include <optional>

namespace velkor {

class IndexLookup;

/// Empties the two index values, the coefficient, both results and the explanation text.
void emptyAdjustmentResults(FormModel& sheet, const ItemFields& fields, const QString& textField);
/// The base date of the entry date, shown in the base-date field: 31.12.2004 for earlier
/// entries, whose balances were already restated then. An invalid entry date empties the
/// results, shows "Kayıt Tarihi geçerli bir tarih değil: " + its text and gives nothing.
std::optional<QDate> itemBaseDate(FormModel& sheet, const ItemFields& fields, const QString& textField,
                                  Prompt& prompt);
/// Empties the results and fills both index fields from the month keys; when a value is
/// missing (message shown) the results are emptied again and false returned.
bool fillItemIndexes(FormModel& sheet, const ItemFields& fields, const QString& textField, IndexLookup& index,
                     int baseKey, int accountKey, Prompt& prompt);
/// Shows the coefficient ("#,##0.00000"), the adjusted amount and the difference ("#,##0.00").
void showItemResults(FormModel& sheet, const ItemFields& fields, double coefficient, double adjusted,
                     double difference);

} // namespace velkor
