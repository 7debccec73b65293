#include "engine/StockStore.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/ExplanationText.h"
#include "engine/FinancingColumns.h"
#include "engine/ItemRowFields.h"
#include "engine/Rounding.h"
#include "engine/StockExplanation.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceState.h"
#include "storage/Table.h"

namespace velkor {

namespace {

const FinancingFields& kFinancing = kStockFinancing;
const ItemFields& kFields = kStockFields;

void writeTurnover(const StockSheet& sheet, Table& table) {
    const bool turnover = sheet.method() == StockMethod::Turnover;
    auto put = [&](const QString& column, const QString& field) {
        table.setValue(column, turnover ? amountOf(sheet, field) : QVariant());
    };
    put(QStringLiteral("Devir_Hizi_DB"), ctl::stock::DBasiStokEdit);
    put(QStringLiteral("Devir_Hizi_DS"), ctl::stock::DSonuStokEdit);
    put(QStringLiteral("Devir_Hizi_SMM"), ctl::stock::DonemiciSMMEdit);
    put(QStringLiteral("Devir_Hizi_Ne"), ctl::stock::DevirHiziEdit);
    const double days = ParseAmount(sheet.text(ctl::stock::StoktaKalmaSureEdit));
    table.setValue(QStringLiteral("Devir_Hizi_Sure"),
                   turnover && days > 0 ? QVariant(static_cast<int>(RoundDecimals(days, 0))) : QVariant());
}

QString formatted(const Dataset& row, const QString& column, const QString& pattern) {
    return row.isNull(column) ? QString() : FormatFloat(pattern, row.number(column));
}

QStringList storedSentences(const StockSheet& sheet, const Dataset& row) {
    const bool withFinancing = !row.isNull(QStringLiteral("ROFM_Yontem"));
    double netValue = row.number(QStringLiteral("VUK_Son_Degeri"));
    if (withFinancing)
        netValue -= row.number(QStringLiteral("ROFM_Faiz"));
    QStringList sentences{netValueSentence(amountText(netValue), sheet.text(ctl::stock::DuzeltKatsayiEditS))};
    if (withFinancing) {
        const int method = financingMethodIndex(row.text(QStringLiteral("ROFM_Yontem")));
        if (method >= 0)
            sentences << financingMethodSentence(static_cast<FinancingMethod>(method),
                                                 sheet.text(kFinancing.realInterest),
                                                 sheet.text(kFinancing.realCoefficient));
        sentences << financingAmountSentence(amountText(row.number(QStringLiteral("ROFM_Tutar"))));
    }
    sentences << storedMethodSentence(row.text(QStringLiteral("Hesaplama_Yontemi")));
    return sentences;
}

} // namespace

qint64 saveStockSheet(const StockSheet& sheet, const QDate& adjustmentDate, Table& table) {
    return saveItemRow(
        table, sheet.text(kFields.record),
        [&] {
            writeRegisterColumns(table, sheet, kFields, adjustmentDate);
            writeFinancingColumns(table, sheet, kFinancing);
            writeResultColumns(table, sheet, kFields);
            table.setValue(QStringLiteral("Hesaplama_Yontemi"), stockMethodKey(sheet.method()));
            writeTurnover(sheet, table);
            table.setValue(QStringLiteral("SBK_Diger"), QStringLiteral("Diger"));
        },
        &sheet.shownRow());
}

void loadStockSheet(StockSheet& sheet, WorkspaceState& state, const Dataset& row) {
    loadRegisterFields(sheet, kFields, state, row);
    loadFinancingFields(sheet, kFinancing, row);
    if (const std::optional<StockMethod> method =
            stockMethodOfKey(row.text(QStringLiteral("Hesaplama_Yontemi"))))
        sheet.selectMethod(*method);

    loadResultFields(sheet, kFields, row);
    sheet.setText(ctl::stock::DBasiStokEdit,
                  formatted(row, QStringLiteral("Devir_Hizi_DB"), patterns::kAmount));
    sheet.setText(ctl::stock::DSonuStokEdit,
                  formatted(row, QStringLiteral("Devir_Hizi_DS"), patterns::kAmount));
    sheet.setText(ctl::stock::DonemiciSMMEdit,
                  formatted(row, QStringLiteral("Devir_Hizi_SMM"), patterns::kAmount));
    sheet.setText(ctl::stock::DevirHiziEdit,
                  formatted(row, QStringLiteral("Devir_Hizi_Ne"), patterns::kAmount));
    sheet.setText(ctl::stock::StoktaKalmaSureEdit,
                  formatted(row, QStringLiteral("Devir_Hizi_Sure"), patterns::kAmount));

    StockText text;
    readStoredPosting(text, row);
    text.sentences = storedSentences(sheet, row);
    sheet.setLines(ctl::stock::DigerRich, stockExplanation(text));
}

} // namespace velkor
