#include "engine/FixedAssetStore.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/FinancingColumns.h"
#include "engine/FixedAssetAdjustment.h"
#include "engine/FixedAssetBaseMonth.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/ItemRowFields.h"
#include "engine/Rounding.h"
#include "engine/WorkspaceState.h"
#include "engine/WorkspaceStateControls.h"
#include "storage/Table.h"

namespace velkor {

namespace {

const ItemFields& kFields = kFixedAssetFields;

} // namespace

static void writeFixedAssetColumns(FixedAssetSheet& s, Table& table, const WorkspaceState& state);

void saveFixedAsset(FixedAssetSheet& s, Table& table, const WorkspaceState& state) {
    const qint64 id = saveItemRow(
        table, s.text(kFields.record), [&] { writeFixedAssetColumns(s, table, state); }, &s.shownRow());
    s.setText(kFields.record, QString::number(id));
}

static void writeFixedAssetColumns(FixedAssetSheet& s, Table& table, const WorkspaceState& state) {
    writeItemIdentity(table, s, kFields);
    if (s.isChecked(ctl::fixedasset::MDVDVarRadio)) {
        table.setValue(QStringLiteral("MDVD_Yapildi"), QStringLiteral("Evet"));
        table.setValue(QStringLiteral("MDVD_Tarih"), revaluationDateOf(s.text(ctl::fixedasset::MDVDCombo)));
    } else {
        table.setValue(QStringLiteral("MDVD_Yapildi"), QVariant());
        table.setValue(QStringLiteral("MDVD_Tarih"), QVariant());
    }
    table.setValue(QStringLiteral("fatura_tarihi"), s.date(ctl::fixedasset::GirisTarihiDate));
    table.setValue(QStringLiteral("vuk_amort_bitis_tarihi"), s.date(ctl::fixedasset::itfaTarihiDate));
    table.setValue(QStringLiteral("Hesap_Yi_UFE_Tarihi"), state.adjustmentDate());
    table.setValue(QStringLiteral("Giris_Yi_UFE_Tarihi"), s.date(ctl::fixedasset::YiUfeGirisDate));
    table.setValue(QStringLiteral("VUK_Son_Degeri"), amountOf(s, ctl::fixedasset::KayitliTutariEdit));
    const double life = ParseAmount(s.text(ctl::fixedasset::AmortSureEdit));
    if (life > FixedAssetSheet::kLifeLimit)
        throw ShownError(FixedAssetSheet::lifeLimitMessage());
    if (life > 0)
        table.setValue(QStringLiteral("vuk_amortisman_sure"), static_cast<int>(life));
    table.setValue(QStringLiteral("vuk_amortisman_yontem"), s.text(ctl::fixedasset::AmortYontemCombo));
    table.setValue(QStringLiteral("vuk_birikmis_amortisman"),
                   amountOf(s, ctl::fixedasset::BirikmisAmortEdit));
    const QString depreciationAccount = s.text(ctl::fixedasset::AmortHesapEdit);
    table.setValue(QStringLiteral("amortisman_kodu"),
                   depreciationAccount.size() >= 3 ? QVariant(depreciationAccount) : QVariant());
    writeIndexColumns(table, s, kFields);
    writeFinancingColumns(table, s, kFixedAssetFinancing, ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit);
    table.setValue(QStringLiteral("Duzeltilmis_Tutar"), amountOf(s, ctl::fixedasset::DuzeltilmisTutarEdit));
    table.setValue(QStringLiteral("Duzeltilmis_Amortisman"),
                   amountOf(s, ctl::fixedasset::DuzeltilmisAmortismanEdit));
    table.setValue(QStringLiteral("Enflasyon_Farki"), amountOf(s, ctl::fixedasset::EnflasyonFarkEdit));
    table.setValue(QStringLiteral("Amortisman_Farki"), amountOf(s, ctl::fixedasset::AmortismanFarkEdit));
    table.setValue(QStringLiteral("SBK_Diger"), QStringLiteral("SBK"));
}

void loadFixedAsset(FixedAssetSheet& s, const Dataset& row, WorkspaceState& state) {
    const QString mainAccount = row.text(QStringLiteral("anahesapkodu"));
    const double account = ParseAmount(mainAccount);
    if (!(account > 249 && account < 269))
        return;

    loadItemIdentity(s, kFields, row);

    if (row.text(QStringLiteral("MDVD_Yapildi")) == QLatin1String("Evet")) {
        s.setChecked(ctl::fixedasset::MDVDVarRadio, true);
        const QString shown = FormatDate(row.date(QStringLiteral("MDVD_Tarih")));
        s.setText(ctl::fixedasset::MDVDCombo, shown);
        s.setRevaluationSentence(revaluationSentence(shown));
    } else {
        s.setChecked(ctl::fixedasset::MDVDYokRadio, true);
        s.setRevaluationSentence(QString());
    }

    loadDate(s, ctl::fixedasset::GirisTarihiDate, row, QStringLiteral("fatura_tarihi"));
    loadDate(s, ctl::fixedasset::itfaTarihiDate, row, QStringLiteral("vuk_amort_bitis_tarihi"));
    loadDate(state, ctl::workspace::HesapTarihiDate, row, QStringLiteral("Hesap_Yi_UFE_Tarihi"));
    loadDate(s, ctl::fixedasset::YiUfeGirisDate, row, QStringLiteral("Giris_Yi_UFE_Tarihi"));

    s.setText(ctl::fixedasset::KayitliTutariEdit, amountColumn(row, QStringLiteral("VUK_Son_Degeri")));
    // Setting the life is a change of its text: the rate and the write-off date follow.
    if (!row.isNull(QStringLiteral("vuk_amortisman_sure")))
        s.userSet(ctl::fixedasset::AmortSureEdit, row.text(QStringLiteral("vuk_amortisman_sure")));
    const QString method = row.text(QStringLiteral("vuk_amortisman_yontem"));
    s.setText(ctl::fixedasset::AmortYontemCombo, method.isEmpty() ? QStringLiteral("Normal") : method);
    s.setText(ctl::fixedasset::BirikmisAmortEdit,
              amountColumn(row, QStringLiteral("vuk_birikmis_amortisman")));
    s.setText(ctl::fixedasset::AmortHesapEdit, row.text(QStringLiteral("amortisman_kodu")));
    loadIndexFields(s, kFields, row);

    loadFinancingFields(s, kFixedAssetFinancing, row, ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit);

    loadResultFields(s, kFields, row);
    s.setText(ctl::fixedasset::DuzeltilmisAmortismanEdit,
              amountColumn(row, QStringLiteral("Duzeltilmis_Amortisman")));
    s.setText(ctl::fixedasset::AmortismanFarkEdit, amountColumn(row, QStringLiteral("Amortisman_Farki")));

    const bool financed = !row.isNull(QStringLiteral("ROFM_Yontem"));
    const double bookValue = row.number(QStringLiteral("VUK_Son_Degeri"));
    const double adjusted = row.number(QStringLiteral("Duzeltilmis_Tutar"));
    FixedAssetExplanation e;
    e.mainAccount = mainAccount;
    e.subAccount = row.text(QStringLiteral("sbk_kodu"));
    e.name = row.text(QStringLiteral("sbk_adi"));
    e.difference = s.text(ctl::fixedasset::EnflasyonFarkEdit);
    e.netValue = financed ? bookValue - row.number(QStringLiteral("ROFM_Faiz")) : bookValue;
    e.coefficient = s.text(ctl::fixedasset::DuzeltKatsayiEdit);
    e.financingLines = financed;
    const int financingMethod = financingMethodIndex(row.text(QStringLiteral("ROFM_Yontem")));
    e.method = static_cast<FinancingMethod>(financingMethod < 0 ? 0 : financingMethod);
    e.realInterest = s.text(ctl::fixedasset::ReelFaizEdit);
    e.realCoefficient = s.text(ctl::fixedasset::ReelFaizKatsayiEdit);
    e.financingAmount = amountColumn(row, QStringLiteral("ROFM_Tutar"));
    e.revaluationSentence = s.revaluationSentence();
    e.unamortised = s.text(ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit);
    e.depreciationDifference = s.text(ctl::fixedasset::AmortismanFarkEdit);
    e.accumulated = s.text(ctl::fixedasset::BirikmisAmortEdit);
    e.increaseRate = bookValue != 0.0 ? RoundDecimals((adjusted - bookValue) / bookValue, 5) : 0.0;
    s.setLines(ctl::fixedasset::SBKRich, fixedAssetExplanation(e));
}

} // namespace velkor
