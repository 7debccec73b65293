#pragma once

#include "base/FormModel.h"
#include "base/Prompt.h"
#include "engine/IndexLookup.h"

#include <optional>

namespace velkor {

/// "Yİ-ÜFE endeksi bulunamadı: " + the month as mm.yyyy.
QString missingIndexMessage(int key);
/// The index value of a month key; a month missing from the table or a value of 0
/// shows the missing-index message and gives nothing, so no computation divides by it.
std::optional<double> requireIndex(IndexLookup& index, int key, Prompt& prompt);
/// Writes the index value of the key into the field with "#,##0.00"; when it is missing
/// the message is shown, the field emptied and false returned.
bool fillIndexField(FormModel& form, const QString& field, IndexLookup& index, int key, Prompt& prompt);
/// The adjustment coefficient: RoundDecimals(account / base, 5); the base must not be 0.
double Coefficient(double base, double account);

} // namespace velkor
