#include "engine/IndexFields.h"

#include "base/NumberFormat.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"

namespace velkor {

QString missingIndexMessage(int key) {
    return QStringLiteral("Yİ-ÜFE endeksi bulunamadı: ") + MonthKeyText(key);
}

std::optional<double> requireIndex(IndexLookup& index, int key, Prompt& prompt) {
    const std::optional<double> value = index.LookupIndex(key);
    if (!value || *value == 0.0) {
        prompt.showMessage(missingIndexMessage(key));
        return std::nullopt;
    }
    return value;
}

bool fillIndexField(FormModel& form, const QString& field, IndexLookup& index, int key, Prompt& prompt) {
    const std::optional<double> value = requireIndex(index, key, prompt);
    form.setText(field, value ? FormatFloat(patterns::kAmount, *value) : QString());
    return value.has_value();
}

double Coefficient(double base, double account) {
    return RoundDecimals(account / base, 5);
}

} // namespace velkor
