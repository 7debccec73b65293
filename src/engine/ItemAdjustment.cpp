#include "engine/ItemAdjustment.h"

#include "base/NumberFormat.h"
#include "engine/IndexFields.h"

namespace velkor {

namespace {

// Balances carried from before 2005 were already restated at 31.12.2004.
const QDate kFloorDate{2004, 12, 31};

} // namespace

void emptyAdjustmentResults(FormModel& sheet, const ItemFields& fields, const QString& textField) {
    for (const QString& name :
         {fields.baseIndex, fields.accountIndex, fields.coefficient, fields.adjusted, fields.difference})
        sheet.setText(name, QString());
    sheet.setLines(textField, {});
}

std::optional<QDate> itemBaseDate(FormModel& sheet, const ItemFields& fields, const QString& textField,
                                  Prompt& prompt) {
    QDate base = sheet.date(fields.entryDate);
    if (!base.isValid()) {
        emptyAdjustmentResults(sheet, fields, textField);
        prompt.showMessage(QStringLiteral("Kayıt Tarihi geçerli bir tarih değil: ") +
                           sheet.text(fields.entryDate));
        return std::nullopt;
    }
    if (base.year() < 2005)
        base = kFloorDate;
    sheet.setDate(fields.baseDate, base);
    return base;
}

bool fillItemIndexes(FormModel& sheet, const ItemFields& fields, const QString& textField, IndexLookup& index,
                     int baseKey, int accountKey, Prompt& prompt) {
    emptyAdjustmentResults(sheet, fields, textField);
    if (!fillIndexField(sheet, fields.baseIndex, index, baseKey, prompt) ||
        !fillIndexField(sheet, fields.accountIndex, index, accountKey, prompt)) {
        emptyAdjustmentResults(sheet, fields, textField);
        return false;
    }
    return true;
}

void showItemResults(FormModel& sheet, const ItemFields& fields, double coefficient, double adjusted,
                     double difference) {
    sheet.setText(fields.coefficient, FormatFloat(patterns::kCoefficient, coefficient));
    sheet.setText(fields.adjusted, FormatFloat(patterns::kAmount, adjusted));
    sheet.setText(fields.difference, FormatFloat(patterns::kAmount, difference));
}

} // namespace velkor
