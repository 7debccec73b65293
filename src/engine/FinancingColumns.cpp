#include "engine/FinancingColumns.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "storage/Table.h"

namespace velkor {

namespace {

const QStringList kMethodKeys{QStringLiteral("Borc"), QStringLiteral("Toplam"), QStringLiteral("Fazla")};

struct ValueColumn {
    QString column;
    QString FinancingFields::*field;
    const QString* pattern;
};

const std::vector<ValueColumn>& valueColumns() {
    static const std::vector<ValueColumn> columns{
        {QStringLiteral("ROFM_Anapara"), &FinancingFields::principal, &patterns::kAmount},
        {QStringLiteral("ROFM_Faiz"), &FinancingFields::interest, &patterns::kAmount},
        {QStringLiteral("ROFM_Tutar"), &FinancingFields::amount, &patterns::kAmount},
        {QStringLiteral("ROFM_Duzeltilmis_Tutar"), &FinancingFields::netValue, &patterns::kAmount},
        {QStringLiteral("ROFM_Yi_Ufe_Artis"), &FinancingFields::increase, &patterns::kPlainCoefficient},
        {QStringLiteral("ROFM_Ortalama_Faiz"), &FinancingFields::rate, &patterns::kAmount},
        {QStringLiteral("ROFM_Reel_Finansman"), &FinancingFields::realInterest, &patterns::kAmount},
        {QStringLiteral("ROFM_Reel_Katsayi"), &FinancingFields::realCoefficient, &patterns::kCoefficient},
        {QStringLiteral("ROFM_Reel_Duzeltilmis"), &FinancingFields::adjustedReal, &patterns::kAmount},
    };
    return columns;
}

const QString kUnamortisedColumn = QStringLiteral("ROFM_Ayrilmamis_Amort");

QString formatted(const Dataset& row, const QString& column, const QString& pattern) {
    return row.isNull(column) ? QString() : FormatFloat(pattern, row.number(column));
}

} // namespace

QString financingMethodKey(int index) {
    return index >= 0 && index < kMethodKeys.size() ? kMethodKeys.at(index) : QString();
}

int financingMethodIndex(const QString& key) {
    return static_cast<int>(kMethodKeys.indexOf(key));
}

void writeFinancingColumns(Table& table, const FormModel& sheet, const FinancingFields& f,
                           const QString& unamortisedField) {
    const bool present = ParseAmount(sheet.text(f.interest)) > 0;
    auto valueOf = [&](const QVariant& v) { return present ? v : QVariant(); };
    const QString key = financingMethodKey(sheet.itemIndex(f.method));
    table.setValue(QStringLiteral("ROFM_Yontem"), valueOf(key.isEmpty() ? QVariant() : QVariant(key)));
    table.setValue(QStringLiteral("ROFM_Baslama_Tarihi"), valueOf(sheet.date(f.start)));
    table.setValue(QStringLiteral("ROFM_Bitis_Tarihi"), valueOf(sheet.date(f.end)));
    for (const ValueColumn& c : valueColumns())
        table.setValue(c.column, valueOf(ParseAmount(sheet.text(f.*c.field))));
    if (!unamortisedField.isEmpty())
        table.setValue(kUnamortisedColumn, valueOf(ParseAmount(sheet.text(unamortisedField))));
}

void loadFinancingFields(FormModel& sheet, const FinancingFields& f, const Dataset& row,
                         const QString& unamortisedField) {
    if (row.isNull(QStringLiteral("ROFM_Yontem"))) {
        for (const QString& name : f.resultAndInputFields())
            sheet.setText(name, QString());
        return;
    }
    const int method = financingMethodIndex(row.text(QStringLiteral("ROFM_Yontem")));
    if (method >= 0)
        sheet.setItemIndex(f.method, method);
    if (!row.isNull(QStringLiteral("ROFM_Baslama_Tarihi")))
        sheet.setDate(f.start, row.date(QStringLiteral("ROFM_Baslama_Tarihi")));
    if (!row.isNull(QStringLiteral("ROFM_Bitis_Tarihi")))
        sheet.setDate(f.end, row.date(QStringLiteral("ROFM_Bitis_Tarihi")));
    for (const ValueColumn& c : valueColumns())
        sheet.setText(f.*c.field, formatted(row, c.column, *c.pattern));
    if (!unamortisedField.isEmpty())
        sheet.setText(unamortisedField, formatted(row, kUnamortisedColumn, patterns::kAmount));
}

} // namespace velkor
