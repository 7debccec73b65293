#include "engine/FixedAssetSheet.h"

#include "base/AmountKeyRules.h"
#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/Depreciation.h"
#include "engine/FinancingCost.h"
#include "engine/FixedAssetAdjustment.h"
#include "engine/FixedAssetBaseMonth.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/FixedAssetStore.h"
#include "engine/IndexFields.h"
#include "engine/ItemKeyRules.h"
#include "engine/ItemRowFields.h"
#include "engine/ItemSheetControls.h"
#include "engine/MonthKey.h"
#include "engine/WorkspaceState.h"

#include <algorithm>
#include <cmath>

namespace velkor {

FixedAssetSheet::FixedAssetSheet(AppContext& context, WorkspaceState& state, IndexLookup& index,
                                 InterestLookup& interest, Table& sbkTable, QObject* parent)
    : ItemSheetForm(QStringLiteral("SabitKiymetler"), context, state, index, interest, sbkTable, parent) {
    const QDate entry(2005, 1, 1);
    addEdit(ctl::fixedasset::Kayit_No_Edit, {}, QStringLiteral("Kayıt No"));
    setReadOnly(ctl::fixedasset::Kayit_No_Edit, true);
    addCombo(ctl::fixedasset::DuzeltmeAnaHesapCombo, accountItems(), QStringLiteral("250"),
             QStringLiteral("ANA HESAP"));
    addEdit(ctl::fixedasset::KoduEdit, {}, QStringLiteral("Alt Hesap"));
    addEdit(ctl::fixedasset::AdiEdit, {}, QStringLiteral("Adı"));
    addDate(ctl::fixedasset::GirisTarihiDate, entry, QStringLiteral("Kayıt Tarihi"));
    addDate(ctl::fixedasset::itfaTarihiDate, entry, QStringLiteral("İtfa Tarihi"));
    setEnabled(ctl::fixedasset::itfaTarihiDate, false);
    addEdit(ctl::fixedasset::KayitliTutariEdit, {}, QStringLiteral("Kayıtlı Değeri"));
    addEdit(ctl::fixedasset::AmortSureEdit, QStringLiteral("5"), QStringLiteral("Süre"));
    addEdit(ctl::fixedasset::AmortOranEdit, FormatFloat(patterns::kPlainAmount, 20.0), QStringLiteral("%"));
    addCombo(ctl::fixedasset::AmortYontemCombo, depreciationMethods(), depreciation::kNormal,
             QStringLiteral("Amort.Yöntemi"));
    setListOnly(ctl::fixedasset::AmortYontemCombo, true);
    addButton(ctl::fixedasset::AmortHesaplaBut, QStringLiteral("Amortisman Hesapla"));
    addEdit(ctl::fixedasset::BirikmisAmortEdit, {}, QStringLiteral("Bir.Amort."));
    addEdit(ctl::fixedasset::AmortHesapEdit, {}, QStringLiteral("Amrt. He."));
    addRadio(ctl::fixedasset::MDVDYokRadio, ctl::fixedasset::MDVD, true, QStringLiteral("MDVD Yok"));
    addRadio(ctl::fixedasset::MDVDVarRadio, ctl::fixedasset::MDVD, false, QStringLiteral("MDVD Var"));
    addCombo(ctl::fixedasset::MDVDCombo, revaluationDates(), revaluationDates().first(),
             QStringLiteral("Son MDVD Tarihi"));
    setListOnly(ctl::fixedasset::MDVDCombo, true);
    addDate(ctl::fixedasset::YiUfeGirisDate, QDate(2004, 12, 31), QStringLiteral("Yİ-ÜFE Tarihi"));
    setEnabled(ctl::fixedasset::YiUfeGirisDate, false);
    addEdit(ctl::fixedasset::GirisYi_UfeEdit, {}, QStringLiteral("Giriş Yİ-ÜFE"));
    addEdit(ctl::fixedasset::HesapYi_UfeEdit, {}, QStringLiteral("Hesap Yİ-ÜFE"));
    addEdit(ctl::fixedasset::DuzeltKatsayiEdit, {}, QStringLiteral("Düzeltme Katsayısı"));
    addRadioGroup(ctl::fixedasset::ROFMRadio, financingMethods(), 0,
                  QStringLiteral("Reel Olmayan Finansal Maliyet Düzeltmesi"));
    addDate(ctl::fixedasset::ROFMBasDate, entry, QStringLiteral("ROFM Başl. Tar."));
    addDate(ctl::fixedasset::ROFMBitDate, kAdjustmentDate, QStringLiteral("Bitiş Tar."));
    addEdit(ctl::fixedasset::ROFMAnaparaEdit, {}, QStringLiteral("Anapara Tut."));
    addEdit(ctl::fixedasset::ROFMFaizEdit, {}, QStringLiteral("Faiz Tutarı"));
    addCheck(ctl::fixedasset::FaizOcakAlCheck, true, QStringLiteral("Ocak Ort. Faizi Al"));
    addButton(ctl::fixedasset::ROFMHesapla, QStringLiteral("ROFM Hesapla"));
    addEdit(ctl::fixedasset::ROFMEdit, {}, QStringLiteral("ROFM"));
    addEdit(ctl::fixedasset::ROFMDuzeltilmisEdit, {}, QStringLiteral("F.D. Değer"));
    addEdit(ctl::fixedasset::ROFMArtisEdit, {}, QStringLiteral("ROFM Yİ-ÜFE Artış"));
    addEdit(ctl::fixedasset::ROFMFaizOranEdit, {}, QStringLiteral("Faiz"));
    addEdit(ctl::fixedasset::ReelFaizEdit, {}, QStringLiteral("Reel Faiz"));
    addEdit(ctl::fixedasset::ReelFaizKatsayiEdit, {}, QStringLiteral("Reel Faiz.Kats."));
    addEdit(ctl::fixedasset::Duz_Reel_FaizEdit, {}, QStringLiteral("Duz.Reel Faiz"));
    addEdit(ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit, {}, QStringLiteral("ROFM'dan Ayrılmamış Amortisman"));
    addResultControls(*this, kFixedAssetFields);
    addEdit(ctl::fixedasset::DuzeltilmisAmortismanEdit, {}, QStringLiteral("Düzeltilmiş Amort."));
    addEdit(ctl::fixedasset::AmortismanFarkEdit, {}, QStringLiteral("Amortisman Farkı"));
    addItemButtons(*this, {ctl::fixedasset::DuzeltBut, ctl::fixedasset::KaydetButton,
                           ctl::fixedasset::YeniBut, ctl::fixedasset::YazSBKBut, ctl::fixedasset::SBKRich});

    for (const QString& name :
         {ctl::fixedasset::AmortOranEdit, ctl::fixedasset::GirisYi_UfeEdit, ctl::fixedasset::HesapYi_UfeEdit,
          ctl::fixedasset::DuzeltKatsayiEdit, ctl::fixedasset::ROFMEdit, ctl::fixedasset::ROFMDuzeltilmisEdit,
          ctl::fixedasset::ROFMArtisEdit, ctl::fixedasset::ROFMFaizOranEdit, ctl::fixedasset::ReelFaizEdit,
          ctl::fixedasset::ReelFaizKatsayiEdit, ctl::fixedasset::Duz_Reel_FaizEdit,
          ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit, ctl::fixedasset::DuzeltilmisTutarEdit,
          ctl::fixedasset::EnflasyonFarkEdit, ctl::fixedasset::DuzeltilmisAmortismanEdit,
          ctl::fixedasset::AmortismanFarkEdit, ctl::fixedasset::SBKRich})
        setReadOnly(name, true);

    onClick(ctl::fixedasset::DuzeltBut, [this] { DuzeltButClick(); });
    onClick(ctl::fixedasset::KaydetButton, [this] { KaydetButtonClick(); });
    onClick(ctl::fixedasset::AmortHesaplaBut, [this] { AmortHesaplaButClick(); });
    onClick(ctl::fixedasset::ROFMHesapla, [this] { ROFMHesaplaClick(); });
    onChange(ctl::fixedasset::AmortSureEdit, [this] { AmortSureEditChange(); });
    onChange(ctl::fixedasset::AmortYontemCombo, [this] { AmortYontemComboChange(); });
    onLeave(ctl::fixedasset::GirisTarihiDate, [this] { GirisTarihiDateExit(); });
    // The write-off date counts from the entry date, so a new entry date moves it too.
    onChange(ctl::fixedasset::GirisTarihiDate, [this] {
        const double life = ParseAmount(text(ctl::fixedasset::AmortSureEdit));
        if (life > 0 && life <= kLifeLimit)
            setDate(ctl::fixedasset::itfaTarihiDate,
                    writeOffDate(date(ctl::fixedasset::GirisTarihiDate), static_cast<int>(life)));
    });
    reformatAmountsOnLeave(*this, {ctl::fixedasset::KayitliTutariEdit, ctl::fixedasset::ROFMAnaparaEdit,
                                   ctl::fixedasset::ROFMFaizEdit});
    applyItemKeyRules(*this);
    applyDateRanges(*this);
    // The accumulated depreciation keeps its text on leaving, so it keeps it on entering too.
    setKeepsTextOnEnter(ctl::fixedasset::BirikmisAmortEdit, true);
}

QStringList FixedAssetSheet::accountItems() {
    return {QStringLiteral("250"), QStringLiteral("251"), QStringLiteral("252"), QStringLiteral("253"),
            QStringLiteral("254"), QStringLiteral("255"), QStringLiteral("256"), QStringLiteral("258"),
            QStringLiteral("259"), QStringLiteral("260"), QStringLiteral("261"), QStringLiteral("262"),
            QStringLiteral("263"), QStringLiteral("264"), QStringLiteral("267")};
}

QStringList FixedAssetSheet::depreciationMethods() {
    return {depreciation::kNormal, depreciation::kDeclining, depreciation::kPartYear};
}

QStringList FixedAssetSheet::revaluationDates() {
    return {QStringLiteral("31.12.2004"), QStringLiteral("30.04.2018"), QStringLiteral("31.05.2021"),
            QStringLiteral("31.12.2021"), QStringLiteral("31.12.2022"), QStringLiteral("30.09.2023")};
}

QStringList FixedAssetSheet::financingMethods() {
    return financingMethodCaptions();
}

QStringList FixedAssetSheet::clearedEdits() {
    return {ctl::fixedasset::Kayit_No_Edit,
            ctl::fixedasset::KoduEdit,
            ctl::fixedasset::AdiEdit,
            ctl::fixedasset::KayitliTutariEdit,
            ctl::fixedasset::AmortSureEdit,
            ctl::fixedasset::AmortOranEdit,
            ctl::fixedasset::BirikmisAmortEdit,
            ctl::fixedasset::GirisYi_UfeEdit,
            ctl::fixedasset::HesapYi_UfeEdit,
            ctl::fixedasset::DuzeltKatsayiEdit,
            ctl::fixedasset::ROFMAnaparaEdit,
            ctl::fixedasset::ROFMFaizEdit,
            ctl::fixedasset::ROFMEdit,
            ctl::fixedasset::ROFMDuzeltilmisEdit,
            ctl::fixedasset::DuzeltilmisTutarEdit,
            ctl::fixedasset::DuzeltilmisAmortismanEdit,
            ctl::fixedasset::EnflasyonFarkEdit,
            ctl::fixedasset::AmortismanFarkEdit,
            ctl::fixedasset::ROFMArtisEdit,
            ctl::fixedasset::ROFMFaizOranEdit,
            ctl::fixedasset::ReelFaizEdit,
            ctl::fixedasset::ReelFaizKatsayiEdit,
            ctl::fixedasset::Duz_Reel_FaizEdit,
            ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit};
}

void FixedAssetSheet::DuzeltButClick() {
    if (text(ctl::fixedasset::DuzeltmeAnaHesapCombo) != QLatin1String("258"))
        m_state.resetAdjustmentDate();
    // A financing step that stopped leaves no figure to adjust: going on would take the
    // financing cost out without adding the real interest back.
    if (!runFinancingStep()) {
        clearResults();
        return;
    }
    YeniKatsayiBul();
}

bool FixedAssetSheet::runFinancingStep() {
    setText(ctl::fixedasset::ROFMDuzeltilmisEdit, text(ctl::fixedasset::KayitliTutariEdit));
    const double principal = ParseAmount(text(ctl::fixedasset::ROFMAnaparaEdit));
    const double interest = ParseAmount(text(ctl::fixedasset::ROFMFaizEdit));
    const int method = itemIndex(ctl::fixedasset::ROFMRadio);
    if (method == 0 && principal > 0 && interest > 0)
        return BorcTutarROFM();
    if (method == 1 && interest > 0)
        return ToplamFinansmanROFM();
    return true;
}

void FixedAssetSheet::clearResults() {
    for (const QString& name :
         {ctl::fixedasset::GirisYi_UfeEdit, ctl::fixedasset::HesapYi_UfeEdit,
          ctl::fixedasset::DuzeltKatsayiEdit, ctl::fixedasset::DuzeltilmisTutarEdit,
          ctl::fixedasset::EnflasyonFarkEdit, ctl::fixedasset::DuzeltilmisAmortismanEdit,
          ctl::fixedasset::AmortismanFarkEdit})
        setText(name, QString());
    setLines(ctl::fixedasset::SBKRich, {});
}

bool FixedAssetSheet::YeniKatsayiBul() {
    const double k = ParseAmount(text(ctl::fixedasset::KayitliTutariEdit));
    const double f = ParseAmount(text(ctl::fixedasset::ROFMFaizEdit));
    const double a = ParseAmount(text(ctl::fixedasset::BirikmisAmortEdit));
    const double n = k - f;

    const FixedAssetBaseMonth base =
        baseMonthOf(date(ctl::fixedasset::GirisTarihiDate), isChecked(ctl::fixedasset::MDVDVarRadio),
                    text(ctl::fixedasset::MDVDCombo));
    setDate(ctl::fixedasset::YiUfeGirisDate, base.shownDate);
    m_revaluationSentence = base.revaluationSentence;
    Prompt& prompt = m_context.prompt();
    if (!fillIndexField(*this, ctl::fixedasset::GirisYi_UfeEdit, m_index, base.key, prompt) ||
        !fillIndexField(*this, ctl::fixedasset::HesapYi_UfeEdit, m_index, MonthKey(m_state.adjustmentDate()),
                        prompt)) {
        clearResults();
        return false;
    }
    const double c = Coefficient(ParseAmount(text(ctl::fixedasset::GirisYi_UfeEdit)),
                                 ParseAmount(text(ctl::fixedasset::HesapYi_UfeEdit)));
    const double d = ParseAmount(text(ctl::fixedasset::Duz_Reel_FaizEdit));
    const FixedAssetResult r = adjustFixedAsset(k, n, c, d, a);

    setText(ctl::fixedasset::DuzeltKatsayiEdit, FormatFloat(patterns::kCoefficient, c));
    setText(ctl::fixedasset::DuzeltilmisTutarEdit, FormatFloat(patterns::kAmount, r.adjusted));
    setText(ctl::fixedasset::EnflasyonFarkEdit, FormatFloat(patterns::kAmount, r.difference));
    setText(ctl::fixedasset::DuzeltilmisAmortismanEdit,
            FormatFloat(patterns::kAmount, r.adjustedDepreciation));
    setText(ctl::fixedasset::AmortismanFarkEdit, FormatFloat(patterns::kAmount, r.depreciationDifference));

    FixedAssetExplanation e;
    e.mainAccount = text(ctl::fixedasset::DuzeltmeAnaHesapCombo);
    e.subAccount = text(ctl::fixedasset::KoduEdit);
    e.name = text(ctl::fixedasset::AdiEdit);
    e.difference = text(ctl::fixedasset::EnflasyonFarkEdit);
    e.netValue = n;
    e.coefficient = text(ctl::fixedasset::DuzeltKatsayiEdit);
    e.financingLines = ParseAmount(text(ctl::fixedasset::ROFMEdit)) > 0;
    e.method = static_cast<FinancingMethod>(std::clamp(itemIndex(ctl::fixedasset::ROFMRadio), 0, 2));
    e.realInterest = text(ctl::fixedasset::ReelFaizEdit);
    e.realCoefficient = text(ctl::fixedasset::ReelFaizKatsayiEdit);
    e.financingAmount = text(ctl::fixedasset::ROFMEdit);
    e.revaluationSentence = m_revaluationSentence;
    e.unamortised = text(ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit);
    e.depreciationDifference = text(ctl::fixedasset::AmortismanFarkEdit);
    e.accumulated = text(ctl::fixedasset::BirikmisAmortEdit);
    e.increaseRate = r.increaseRate;
    setLines(ctl::fixedasset::SBKRich, fixedAssetExplanation(e));
    return true;
}

void FixedAssetSheet::KaydetButtonClick() {
    if (!runFinancingStep()) {
        clearResults();
        return;
    }
    // Results of a computation that could not find its index values are empty; storing
    // them would put an item with no adjustment into the journal.
    if (!YeniKatsayiBul())
        return;
    try {
        saveFixedAsset(*this, m_table, m_state);
    } catch (const StaleRowError&) {
        // The list then shows what the others saved, for the user to load again.
        m_state.refreshItemList();
        throw;
    }
    m_state.refreshItemList();
}

void FixedAssetSheet::Duzelt(const Dataset& row) {
    loadFixedAsset(*this, row, m_state);
    m_shownRow = storedItemStamp(m_table, text(ctl::fixedasset::Kayit_No_Edit));
}

QString FixedAssetSheet::lifeLimitMessage() {
    return QStringLiteral("\"Süre\" (%1) alanına en fazla %2 yıl yazılabilir.")
        .arg(ctl::fixedasset::AmortSureEdit)
        .arg(kLifeLimit);
}

void FixedAssetSheet::AmortSureEditChange() {
    const double life = ParseAmount(text(ctl::fixedasset::AmortSureEdit));
    if (life <= 0) {
        userSet(ctl::fixedasset::AmortSureEdit, QStringLiteral("5"));
        return;
    }
    if (life > kLifeLimit) {
        m_context.prompt().showMessage(lifeLimitMessage());
        userSet(ctl::fixedasset::AmortSureEdit, QStringLiteral("5"));
        return;
    }
    setText(ctl::fixedasset::AmortOranEdit, FormatFloat(patterns::kPlainAmount, straightLineRate(life)));
    setDate(ctl::fixedasset::itfaTarihiDate,
            writeOffDate(date(ctl::fixedasset::GirisTarihiDate), static_cast<int>(life)));
}

void FixedAssetSheet::AmortYontemComboChange() {
    if (text(ctl::fixedasset::AmortYontemCombo).size() < 2)
        setText(ctl::fixedasset::AmortYontemCombo, depreciation::kNormal);
}

void FixedAssetSheet::AmortHesaplaButClick() {
    const double k = ParseAmount(text(ctl::fixedasset::KayitliTutariEdit));
    const int life = static_cast<int>(std::nearbyint(ParseAmount(text(ctl::fixedasset::AmortSureEdit))));
    if (k <= 0 || life <= 0) {
        m_context.prompt().showMessage(depreciation::kMissingInputs);
        return;
    }
    const QDate entry = date(ctl::fixedasset::GirisTarihiDate);
    const std::optional<double> a =
        accumulatedDepreciation(text(ctl::fixedasset::AmortYontemCombo), k, life,
                                yearsOfUse(entry, m_state.adjustmentDate()), entry.month());
    if (a)
        setText(ctl::fixedasset::BirikmisAmortEdit, FormatFloat(QStringLiteral("#,###0.00"), *a));
}

bool FixedAssetSheet::BorcTutarROFM() {
    return runFinancing(computeDebtAmountFinancing);
}

bool FixedAssetSheet::ToplamFinansmanROFM() {
    return runFinancing(computeTotalFinancing);
}

bool FixedAssetSheet::runFinancing(bool (*compute)(FormModel&, const FinancingFields&, FinancingContext&)) {
    FinancingContext context = financingContext();
    if (isChecked(ctl::fixedasset::MDVDVarRadio))
        context.revaluationDate = revaluationDateOf(text(ctl::fixedasset::MDVDCombo));
    if (!compute(*this, kFixedAssetFinancing, context))
        return false;
    unamortisedFinancing();
    return true;
}

void FixedAssetSheet::unamortisedFinancing() {
    const double r = ParseAmount(text(ctl::fixedasset::ROFMEdit));
    const double a = ParseAmount(text(ctl::fixedasset::BirikmisAmortEdit));
    const double k = ParseAmount(text(ctl::fixedasset::KayitliTutariEdit));
    if (r > 0 && a > 0 && k > 0)
        setText(ctl::fixedasset::ROFM_Ayrilmamis_AmortEdit, FormatFloat(patterns::kAmount, r - r * (a / k)));
}

void FixedAssetSheet::ROFMHesaplaClick() {
    const int method = itemIndex(ctl::fixedasset::ROFMRadio);
    if (method == 0)
        BorcTutarROFM();
    else if (method == 1)
        ToplamFinansmanROFM();
}

void FixedAssetSheet::GirisTarihiDateExit() {
    if (ParseAmount(text(ctl::fixedasset::KayitliTutariEdit)) > 0)
        YeniKatsayiBul();
}

} // namespace velkor
