#include "engine/FixedAssetSheet.h"

#include "base/AmountKeyRules.h"
#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/Depreciation.h"
#include "engine/FinancingCost.h"
#include "engine/FixedAssetAdjustment.h"
#include "engine/FixedAssetBaseMonth.h"
#include "engine/FixedAssetStore.h"
#include "engine/IndexFields.h"
#include "engine/ItemSheetControls.h"
#include "engine/MonthKey.h"
#include "engine/WorkspaceState.h"

#include <algorithm>
#include <cmath>

namespace velkor {

namespace {

const QString kAccount = QStringLiteral("DuzeltmeAnaHesapCombo");
const QString kBookValue = QStringLiteral("KayitliTutariEdit");
const QString kLife = QStringLiteral("AmortSureEdit");
const QString kMethod = QStringLiteral("AmortYontemCombo");
const QString kAccumulated = QStringLiteral("BirikmisAmortEdit");
const QString kEntryDate = QStringLiteral("GirisTarihiDate");
const QString kUnamortised = QStringLiteral("ROFM_Ayrilmamis_AmortEdit");
const QString kRich = QStringLiteral("SBKRich");

} // namespace

FixedAssetSheet::FixedAssetSheet(AppContext& context, WorkspaceState& state, IndexLookup& index,
                                 InterestLookup& interest, Table& sbkTable, QObject* parent)
    : ItemSheetForm(QStringLiteral("SabitKiymetler"), context, state, index, interest, sbkTable, parent) {
    const QDate entry(2005, 1, 1);
    addEdit(QStringLiteral("Kayit_No_Edit"), {}, QStringLiteral("Kayıt No"));
    setReadOnly(QStringLiteral("Kayit_No_Edit"), true);
    addCombo(kAccount, accountItems(), QStringLiteral("250"), QStringLiteral("ANA HESAP"));
    addEdit(QStringLiteral("KoduEdit"), {}, QStringLiteral("Alt Hesap"));
    addEdit(QStringLiteral("AdiEdit"), {}, QStringLiteral("Adı"));
    addDate(kEntryDate, entry, QStringLiteral("Kayıt Tarihi"));
    addDate(QStringLiteral("itfaTarihiDate"), entry, QStringLiteral("İtfa Tarihi"));
    setEnabled(QStringLiteral("itfaTarihiDate"), false);
    addEdit(kBookValue, {}, QStringLiteral("Kayıtlı Değeri"));
    addEdit(kLife, QStringLiteral("5"), QStringLiteral("Süre"));
    addEdit(QStringLiteral("AmortOranEdit"), FormatFloat(patterns::kPlainAmount, 20.0), QStringLiteral("%"));
    addCombo(kMethod, depreciationMethods(), depreciation::kNormal, QStringLiteral("Amort.Yöntemi"));
    addButton(QStringLiteral("AmortHesaplaBut"), QStringLiteral("Amortisman Hesapla"));
    addEdit(kAccumulated, {}, QStringLiteral("Bir.Amort."));
    addEdit(QStringLiteral("AmortHesapEdit"), {}, QStringLiteral("Amrt. He."));
    addRadio(QStringLiteral("MDVDYokRadio"), QStringLiteral("MDVD"), true, QStringLiteral("MDVD Yok"));
    addRadio(QStringLiteral("MDVDVarRadio"), QStringLiteral("MDVD"), false, QStringLiteral("MDVD Var"));
    addCombo(QStringLiteral("MDVDCombo"), revaluationDates(), revaluationDates().first(),
             QStringLiteral("Son MDVD Tarihi"));
    addDate(QStringLiteral("YiUfeGirisDate"), QDate(2004, 12, 31), QStringLiteral("Yİ-ÜFE Tarihi"));
    setEnabled(QStringLiteral("YiUfeGirisDate"), false);
    addEdit(QStringLiteral("GirisYi_UfeEdit"), {}, QStringLiteral("Giriş Yİ-ÜFE"));
    addEdit(QStringLiteral("HesapYi_UfeEdit"), {}, QStringLiteral("Hesap Yİ-ÜFE"));
    addEdit(QStringLiteral("DuzeltKatsayiEdit"), {}, QStringLiteral("Düzeltme Katsayısı"));
    addRadioGroup(QStringLiteral("ROFMRadio"), financingMethods(), 0,
                  QStringLiteral("Reel Olmayan Finansal Maliyet Düzeltmesi"));
    addDate(QStringLiteral("ROFMBasDate"), entry, QStringLiteral("ROFM Başl. Tar."));
    addDate(QStringLiteral("ROFMBitDate"), kAdjustmentDate, QStringLiteral("Bitiş Tar."));
    addEdit(QStringLiteral("ROFMAnaparaEdit"), {}, QStringLiteral("Anapara Tut."));
    addEdit(QStringLiteral("ROFMFaizEdit"), {}, QStringLiteral("Faiz Tutarı"));
    addCheck(QStringLiteral("FaizOcakAlCheck"), true, QStringLiteral("Ocak Ort. Faizi Al"));
    addButton(QStringLiteral("ROFMHesapla"), QStringLiteral("ROFM Hesapla"));
    addEdit(QStringLiteral("ROFMEdit"), {}, QStringLiteral("ROFM"));
    addEdit(QStringLiteral("ROFMDuzeltilmisEdit"), {}, QStringLiteral("F.D. Değer"));
    addEdit(QStringLiteral("ROFMArtisEdit"), {}, QStringLiteral("ROFM Yİ-ÜFE Artış"));
    addEdit(QStringLiteral("ROFMFaizOranEdit"), {}, QStringLiteral("Faiz"));
    addEdit(QStringLiteral("ReelFaizEdit"), {}, QStringLiteral("Reel Faiz"));
    addEdit(QStringLiteral("ReelFaizKatsayiEdit"), {}, QStringLiteral("Reel Faiz.Kats."));
    addEdit(QStringLiteral("Duz_Reel_FaizEdit"), {}, QStringLiteral("Duz.Reel Faiz"));
    addEdit(kUnamortised, {}, QStringLiteral("ROFM'dan Ayrılmamış Amortisman"));
    addResultControls(*this, ItemFields());
    addEdit(QStringLiteral("DuzeltilmisAmortismanEdit"), {}, QStringLiteral("Düzeltilmiş Amort."));
    addEdit(QStringLiteral("AmortismanFarkEdit"), {}, QStringLiteral("Amortisman Farkı"));
    addItemButtons(*this, QString(), QStringLiteral("YazSBKBut"), kRich);

    for (const QString& name :
         {QStringLiteral("AmortOranEdit"), QStringLiteral("GirisYi_UfeEdit"),
          QStringLiteral("HesapYi_UfeEdit"), QStringLiteral("DuzeltKatsayiEdit"), QStringLiteral("ROFMEdit"),
          QStringLiteral("ROFMDuzeltilmisEdit"), QStringLiteral("ROFMArtisEdit"),
          QStringLiteral("ROFMFaizOranEdit"), QStringLiteral("ReelFaizEdit"),
          QStringLiteral("ReelFaizKatsayiEdit"), QStringLiteral("Duz_Reel_FaizEdit"), kUnamortised,
          QStringLiteral("DuzeltilmisTutarEdit"), QStringLiteral("EnflasyonFarkEdit"),
          QStringLiteral("DuzeltilmisAmortismanEdit"), QStringLiteral("AmortismanFarkEdit"), kRich})
        setReadOnly(name, true);

    onClick(QStringLiteral("DuzeltBut"), [this] { DuzeltButClick(); });
    onClick(QStringLiteral("KaydetButton"), [this] { KaydetButtonClick(); });
    onClick(QStringLiteral("AmortHesaplaBut"), [this] { AmortHesaplaButClick(); });
    onClick(QStringLiteral("ROFMHesapla"), [this] { ROFMHesaplaClick(); });
    onChange(kLife, [this] { AmortSureEditChange(); });
    onChange(kMethod, [this] { AmortYontemComboChange(); });
    onLeave(kEntryDate, [this] { GirisTarihiDateExit(); });
    // The write-off date counts from the entry date, so a new entry date moves it too.
    onChange(kEntryDate, [this] {
        const double life = ParseAmount(text(kLife));
        if (life > 0 && life <= kLifeLimit)
            setDate(QStringLiteral("itfaTarihiDate"), writeOffDate(date(kEntryDate), static_cast<int>(life)));
    });
    reformatAmountsOnLeave(*this,
                           {kBookValue, QStringLiteral("ROFMAnaparaEdit"), QStringLiteral("ROFMFaizEdit")});
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
    return {QStringLiteral("Kayit_No_Edit"),
            QStringLiteral("KoduEdit"),
            QStringLiteral("AdiEdit"),
            kBookValue,
            kLife,
            QStringLiteral("AmortOranEdit"),
            kAccumulated,
            QStringLiteral("GirisYi_UfeEdit"),
            QStringLiteral("HesapYi_UfeEdit"),
            QStringLiteral("DuzeltKatsayiEdit"),
            QStringLiteral("ROFMAnaparaEdit"),
            QStringLiteral("ROFMFaizEdit"),
            QStringLiteral("ROFMEdit"),
            QStringLiteral("ROFMDuzeltilmisEdit"),
            QStringLiteral("DuzeltilmisTutarEdit"),
            QStringLiteral("DuzeltilmisAmortismanEdit"),
            QStringLiteral("EnflasyonFarkEdit"),
            QStringLiteral("AmortismanFarkEdit"),
            QStringLiteral("ROFMArtisEdit"),
            QStringLiteral("ROFMFaizOranEdit"),
            QStringLiteral("ReelFaizEdit"),
            QStringLiteral("ReelFaizKatsayiEdit"),
            QStringLiteral("Duz_Reel_FaizEdit"),
            kUnamortised};
}

void FixedAssetSheet::DuzeltButClick() {
    if (text(kAccount) != QLatin1String("258"))
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
    setText(QStringLiteral("ROFMDuzeltilmisEdit"), text(kBookValue));
    const double principal = ParseAmount(text(QStringLiteral("ROFMAnaparaEdit")));
    const double interest = ParseAmount(text(QStringLiteral("ROFMFaizEdit")));
    const int method = itemIndex(QStringLiteral("ROFMRadio"));
    if (method == 0 && principal > 0 && interest > 0)
        return BorcTutarROFM();
    if (method == 1 && interest > 0)
        return ToplamFinansmanROFM();
    return true;
}

void FixedAssetSheet::clearResults() {
    for (const QString& name :
         {QStringLiteral("GirisYi_UfeEdit"), QStringLiteral("HesapYi_UfeEdit"),
          QStringLiteral("DuzeltKatsayiEdit"), QStringLiteral("DuzeltilmisTutarEdit"),
          QStringLiteral("EnflasyonFarkEdit"), QStringLiteral("DuzeltilmisAmortismanEdit"),
          QStringLiteral("AmortismanFarkEdit")})
        setText(name, QString());
    setLines(kRich, {});
}

bool FixedAssetSheet::YeniKatsayiBul() {
    const double k = ParseAmount(text(kBookValue));
    const double f = ParseAmount(text(QStringLiteral("ROFMFaizEdit")));
    const double a = ParseAmount(text(kAccumulated));
    const double n = k - f;

    const FixedAssetBaseMonth base = baseMonthOf(date(kEntryDate), isChecked(QStringLiteral("MDVDVarRadio")),
                                                 text(QStringLiteral("MDVDCombo")));
    setDate(QStringLiteral("YiUfeGirisDate"), base.shownDate);
    m_revaluationSentence = base.revaluationSentence;
    Prompt& prompt = m_context.prompt();
    if (!fillIndexField(*this, QStringLiteral("GirisYi_UfeEdit"), m_index, base.key, prompt) ||
        !fillIndexField(*this, QStringLiteral("HesapYi_UfeEdit"), m_index, MonthKey(m_state.adjustmentDate()),
                        prompt)) {
        clearResults();
        return false;
    }
    const double c = Coefficient(ParseAmount(text(QStringLiteral("GirisYi_UfeEdit"))),
                                 ParseAmount(text(QStringLiteral("HesapYi_UfeEdit"))));
    const double d = ParseAmount(text(QStringLiteral("Duz_Reel_FaizEdit")));
    const FixedAssetResult r = adjustFixedAsset(k, n, c, d, a);

    setText(QStringLiteral("DuzeltKatsayiEdit"), FormatFloat(patterns::kCoefficient, c));
    setText(QStringLiteral("DuzeltilmisTutarEdit"), FormatFloat(patterns::kAmount, r.adjusted));
    setText(QStringLiteral("EnflasyonFarkEdit"), FormatFloat(patterns::kAmount, r.difference));
    setText(QStringLiteral("DuzeltilmisAmortismanEdit"),
            FormatFloat(patterns::kAmount, r.adjustedDepreciation));
    setText(QStringLiteral("AmortismanFarkEdit"), FormatFloat(patterns::kAmount, r.depreciationDifference));

    FixedAssetExplanation e;
    e.mainAccount = text(kAccount);
    e.subAccount = text(QStringLiteral("KoduEdit"));
    e.name = text(QStringLiteral("AdiEdit"));
    e.difference = text(QStringLiteral("EnflasyonFarkEdit"));
    e.netValue = n;
    e.coefficient = text(QStringLiteral("DuzeltKatsayiEdit"));
    e.financingLines = ParseAmount(text(QStringLiteral("ROFMEdit"))) > 0;
    e.method = static_cast<FinancingMethod>(std::clamp(itemIndex(QStringLiteral("ROFMRadio")), 0, 2));
    e.realInterest = text(QStringLiteral("ReelFaizEdit"));
    e.realCoefficient = text(QStringLiteral("ReelFaizKatsayiEdit"));
    e.financingAmount = text(QStringLiteral("ROFMEdit"));
    e.revaluationSentence = m_revaluationSentence;
    e.unamortised = text(kUnamortised);
    e.depreciationDifference = text(QStringLiteral("AmortismanFarkEdit"));
    e.accumulated = text(kAccumulated);
    e.increaseRate = r.increaseRate;
    setLines(kRich, fixedAssetExplanation(e));
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
    saveFixedAsset(*this, m_table, m_state);
    m_state.refreshItemList();
}

void FixedAssetSheet::Duzelt(const Dataset& row) {
    loadFixedAsset(*this, row, m_state);
}

QString FixedAssetSheet::lifeLimitMessage() {
    return QStringLiteral("\"Süre\" (%1) alanına en fazla %2 yıl yazılabilir.").arg(kLife).arg(kLifeLimit);
}

void FixedAssetSheet::AmortSureEditChange() {
    const double life = ParseAmount(text(kLife));
    if (life <= 0) {
        userSet(kLife, QStringLiteral("5"));
        return;
    }
    if (life > kLifeLimit) {
        m_context.prompt().showMessage(lifeLimitMessage());
        userSet(kLife, QStringLiteral("5"));
        return;
    }
    setText(QStringLiteral("AmortOranEdit"), FormatFloat(patterns::kPlainAmount, straightLineRate(life)));
    setDate(QStringLiteral("itfaTarihiDate"), writeOffDate(date(kEntryDate), static_cast<int>(life)));
}

void FixedAssetSheet::AmortYontemComboChange() {
    if (text(kMethod).size() < 2)
        setText(kMethod, depreciation::kNormal);
}

void FixedAssetSheet::AmortHesaplaButClick() {
    const double k = ParseAmount(text(kBookValue));
    const int life = static_cast<int>(std::nearbyint(ParseAmount(text(kLife))));
    if (k <= 0 || life <= 0) {
        m_context.prompt().showMessage(depreciation::kMissingInputs);
        return;
    }
    const QDate entry = date(kEntryDate);
    const std::optional<double> a = accumulatedDepreciation(
        text(kMethod), k, life, yearsOfUse(entry, m_state.adjustmentDate()), entry.month());
    if (a)
        setText(kAccumulated, FormatFloat(QStringLiteral("#,###0.00"), *a));
}

bool FixedAssetSheet::BorcTutarROFM() {
    return runFinancing(computeDebtAmountFinancing);
}

bool FixedAssetSheet::ToplamFinansmanROFM() {
    return runFinancing(computeTotalFinancing);
}

bool FixedAssetSheet::runFinancing(bool (*compute)(FormModel&, const FinancingFields&, FinancingContext&)) {
    FinancingContext context = financingContext();
    if (isChecked(QStringLiteral("MDVDVarRadio")))
        context.revaluationDate = revaluationDateOf(text(QStringLiteral("MDVDCombo")));
    if (!compute(*this, FinancingFields(), context))
        return false;
    unamortisedFinancing();
    return true;
}

void FixedAssetSheet::unamortisedFinancing() {
    const double r = ParseAmount(text(QStringLiteral("ROFMEdit")));
    const double a = ParseAmount(text(kAccumulated));
    const double k = ParseAmount(text(kBookValue));
    if (r > 0 && a > 0 && k > 0)
        setText(kUnamortised, FormatFloat(patterns::kAmount, r - r * (a / k)));
}

void FixedAssetSheet::ROFMHesaplaClick() {
    const int method = itemIndex(QStringLiteral("ROFMRadio"));
    if (method == 0)
        BorcTutarROFM();
    else if (method == 1)
        ToplamFinansmanROFM();
}

void FixedAssetSheet::GirisTarihiDateExit() {
    if (ParseAmount(text(kBookValue)) > 0)
        YeniKatsayiBul();
}

} // namespace velkor
