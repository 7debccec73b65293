#include "engine/StockSheet.h"

#include "base/AmountKeyRules.h"
#include "base/TextHelpers.h"
#include "engine/FinancingCost.h"
#include "engine/ItemAdjustment.h"
#include "engine/ItemKeyRules.h"
#include "engine/ItemRowFields.h"
#include "engine/ItemSheetControls.h"
#include "engine/StockAdjustment.h"
#include "engine/StockExplanation.h"
#include "engine/StockSheetControls.h"
#include "engine/StockStore.h"
#include "engine/WorkspaceState.h"
#include "storage/Dataset.h"

#include <utility>

namespace velkor {

namespace {

const ItemFields& kFields = kStockFields;
const FinancingFields& kFinancing = kStockFinancing;

// The averaging methods are for stocks proper (the first eight accounts), the financing
// cost for the first sixteen; an account typed outside the list allows neither.
constexpr int kAveragingAccounts = 8;
constexpr int kFinancingAccounts = 16;

} // namespace

StockSheet::StockSheet(AppContext& context, WorkspaceState& state, IndexLookup& index,
                       InterestLookup& interest, Table& sbkTable, QObject* parent)
    : ItemSheetForm(QStringLiteral("StokVeDiger"), context, state, index, interest, sbkTable, parent) {
    const QDate entry(2005, 1, 1);
    addRegisterControls(*this, kFields, accountItems(), QStringLiteral("150"));
    addRadio(ctl::stock::GercekRadio, ctl::stock::HesaplamaYontemi, true, QStringLiteral("Gerçek Yöntem"));
    addRadio(ctl::stock::BasitRadio, ctl::stock::HesaplamaYontemi, false, QStringLiteral("Basit Ortalama"));
    addRadio(ctl::stock::DevirHiziRadio, ctl::stock::HesaplamaYontemi, false, QStringLiteral("Devir Hızı"));
    addLabel(ctl::stock::DevirHiziGroup);
    setVisible(ctl::stock::DevirHiziGroup, false);
    addEdit(ctl::stock::DBasiStokEdit, {}, QStringLiteral("D.Başı Tutarı"));
    addEdit(ctl::stock::DSonuStokEdit, {}, QStringLiteral("D.Sonu Tutarı"));
    addEdit(ctl::stock::DonemiciSMMEdit, {}, QStringLiteral("Dönemiçi SMM"));
    addButton(ctl::stock::JvXPButton1, QStringLiteral("Devir Hızı Hesapla"));
    addEdit(ctl::stock::DevirHiziEdit, {}, QStringLiteral("Devir Hızı"));
    addEdit(ctl::stock::StoktaKalmaSureEdit, {}, QStringLiteral("Stokta Kalma Süresi"));
    addRadioGroup(kFinancing.method, financingMethods(), 0,
                  QStringLiteral("Reel Olmayan Finansal Maliyet Düzeltmesi"));
    addDate(kFinancing.start, entry, QStringLiteral("ROFM Başl. Tar."));
    addDate(kFinancing.end, kAdjustmentDate, QStringLiteral("Bitiş Tar."));
    addEdit(kFinancing.principal, {}, QStringLiteral("Anapara Tut."));
    addEdit(kFinancing.interest, {}, QStringLiteral("Faiz Tutarı"));
    addCheck(kFinancing.january, true, QStringLiteral("Ocak Ort. Faizi Al"));
    addButton(ctl::stock::ROFMHesaplaS, QStringLiteral("ROFM Hesapla"));
    addEdit(kFinancing.amount, {}, QStringLiteral("ROFM"));
    addEdit(kFinancing.netValue, {}, QStringLiteral("F.D. Değer"));
    addEdit(kFinancing.increase, {}, QStringLiteral("ROFM Yİ-ÜFE Artış"));
    addEdit(kFinancing.rate, {}, QStringLiteral("Faiz"));
    addEdit(kFinancing.realInterest, {}, QStringLiteral("Reel Faiz"));
    addEdit(kFinancing.realCoefficient, {}, QStringLiteral("Reel Faiz.Kats."));
    addEdit(kFinancing.adjustedReal, {}, QStringLiteral("Duz.Reel Faiz"));
    addResultControls(*this, kFields);
    addItemButtons(*this, {ctl::stock::DuzeltButS, ctl::stock::KaydetButtonS, ctl::stock::YeniButS,
                           ctl::stock::DigerYazBut, ctl::stock::DigerRich});

    for (const QString& name :
         {ctl::stock::Kayit_No_EditS, ctl::stock::GirisYi_UfeEditS, ctl::stock::HesapYi_UfeEditS,
          ctl::stock::DuzeltKatsayiEditS, ctl::stock::DevirHiziEdit, ctl::stock::StoktaKalmaSureEdit,
          kFinancing.amount, kFinancing.netValue, kFinancing.increase, kFinancing.rate,
          kFinancing.realInterest, kFinancing.realCoefficient, kFinancing.adjustedReal,
          ctl::stock::DuzeltilmisTutarEditS, ctl::stock::EnflasyonFarkEditS, ctl::stock::DigerRich})
        setReadOnly(name, true);

    onClick(ctl::stock::DuzeltButS, [this] { DuzeltButSClick(); });
    onClick(ctl::stock::KaydetButtonS, [this] { KaydetButtonSClick(); });
    onClick(ctl::stock::JvXPButton1, [this] { JvXPButton1Click(); });
    onClick(ctl::stock::ROFMHesaplaS, [this] { ROFMHesaplaSClick(); });
    // A radio button that is switched off by its neighbour chooses nothing.
    const std::pair<QString, StockMethod> methodRadios[]{{ctl::stock::GercekRadio, StockMethod::Real},
                                                         {ctl::stock::BasitRadio, StockMethod::SimpleAverage},
                                                         {ctl::stock::DevirHiziRadio, StockMethod::Turnover}};
    for (const auto& entry : methodRadios) {
        onChange(entry.first, [this, radio = entry.first, chosen = entry.second] {
            if (isChecked(radio))
                methodChosen(chosen);
        });
    }
    onChange(kFields.account, [this] { DuzeltmeAnaHesapComboSChange(); });
    onLeave(kFields.entryDate, [this] { GirisTarihiDateSExit(); });
    reformatAmountsOnLeave(*this, {kFields.bookValue, kFinancing.principal, kFinancing.interest,
                                   ctl::stock::DBasiStokEdit, ctl::stock::DSonuStokEdit,
                                   ctl::stock::DonemiciSMMEdit});
    applyItemKeyRules(*this);
    applyDateRanges(*this);
}

QStringList StockSheet::accountItems() {
    return {QStringLiteral("150"), QStringLiteral("151"), QStringLiteral("152"), QStringLiteral("153"),
            QStringLiteral("154"), QStringLiteral("155"), QStringLiteral("156"), QStringLiteral("157"),
            QStringLiteral("159"), QStringLiteral("240"), QStringLiteral("242"), QStringLiteral("243"),
            QStringLiteral("245"), QStringLiteral("246"), QStringLiteral("271"), QStringLiteral("272"),
            QStringLiteral("278"), QStringLiteral("110"), QStringLiteral("170"), QStringLiteral("171"),
            QStringLiteral("172"), QStringLiteral("173"), QStringLiteral("174"), QStringLiteral("175"),
            QStringLiteral("176"), QStringLiteral("177"), QStringLiteral("180"), QStringLiteral("280"),
            QStringLiteral("294"), QStringLiteral("340"), QStringLiteral("350"), QStringLiteral("380"),
            QStringLiteral("381"), QStringLiteral("440"), QStringLiteral("480"), QStringLiteral("126"),
            QStringLiteral("226"), QStringLiteral("326"), QStringLiteral("426")};
}

QStringList StockSheet::financingMethods() {
    return financingMethodCaptions();
}

QStringList StockSheet::clearedEdits() {
    return {ctl::stock::Kayit_No_EditS,
            ctl::stock::KoduEditS,
            ctl::stock::AdiEditS,
            kFields.bookValue,
            ctl::stock::GirisYi_UfeEditS,
            ctl::stock::HesapYi_UfeEditS,
            ctl::stock::DuzeltKatsayiEditS,
            kFinancing.principal,
            kFinancing.interest,
            kFinancing.amount,
            kFinancing.netValue,
            ctl::stock::DuzeltilmisTutarEditS,
            ctl::stock::EnflasyonFarkEditS,
            kFinancing.increase,
            kFinancing.rate,
            kFinancing.realInterest,
            kFinancing.realCoefficient,
            kFinancing.adjustedReal,
            ctl::stock::DBasiStokEdit,
            ctl::stock::DSonuStokEdit,
            ctl::stock::DonemiciSMMEdit,
            ctl::stock::DevirHiziEdit,
            ctl::stock::StoktaKalmaSureEdit};
}

QStringList StockSheet::financingFields() {
    return {kFinancing.principal,    kFinancing.interest,     kFinancing.amount,
            kFinancing.netValue,     kFinancing.realInterest, kFinancing.realCoefficient,
            kFinancing.adjustedReal, kFinancing.increase,     kFinancing.rate};
}

StockMethod StockSheet::method() const {
    if (isChecked(ctl::stock::BasitRadio))
        return StockMethod::SimpleAverage;
    if (isChecked(ctl::stock::DevirHiziRadio))
        return StockMethod::Turnover;
    return StockMethod::Real;
}

void StockSheet::selectMethod(StockMethod chosen) {
    switch (chosen) {
    case StockMethod::Real:
        setChecked(ctl::stock::GercekRadio, true);
        break;
    case StockMethod::SimpleAverage:
        setChecked(ctl::stock::BasitRadio, true);
        break;
    case StockMethod::Turnover:
        setChecked(ctl::stock::DevirHiziRadio, true);
        break;
    }
    setVisible(ctl::stock::DevirHiziGroup, chosen == StockMethod::Turnover);
}

bool StockSheet::accountAllowsAveraging() const {
    const int index = itemIndex(kFields.account);
    return index >= 0 && index < kAveragingAccounts;
}

bool StockSheet::accountAllowsFinancing() const {
    const int index = itemIndex(kFields.account);
    return index >= 0 && index < kFinancingAccounts;
}

void StockSheet::methodChosen(StockMethod chosen) {
    if (chosen != StockMethod::Real && !accountAllowsAveraging())
        chosen = StockMethod::Real;
    selectMethod(chosen);
}

void StockSheet::DuzeltmeAnaHesapComboSChange() {
    if (!accountAllowsAveraging())
        selectMethod(StockMethod::Real);
    if (!accountAllowsFinancing())
        emptyFields({kFinancing.principal, kFinancing.interest, kFinancing.amount});
}

void StockSheet::emptyFields(const QStringList& names) {
    for (const QString& name : names)
        setText(name, QString());
}

void StockSheet::DuzeltButSClick() {
    m_state.resetAdjustmentDate();
    setText(kFinancing.netValue, text(kFields.bookValue));
    // A stopped step leaves no result, and "Kaydet" must not store the empty fields.
    m_stopped = true;
    if (!runFinancingStep()) {
        emptyAdjustmentResults(*this, kFields, ctl::stock::DigerRich);
        return;
    }
    m_stopped = !StokKatsayiBul();
}

bool StockSheet::runFinancingStep() {
    if (method() != StockMethod::Real || !accountAllowsFinancing()) {
        // The real-interest fields go too: an adjusted real interest left from an
        // earlier item would otherwise be added to this one.
        emptyFields({kFinancing.principal, kFinancing.interest, kFinancing.amount, kFinancing.increase,
                     kFinancing.rate, kFinancing.realInterest, kFinancing.realCoefficient,
                     kFinancing.adjustedReal});
        return true;
    }
    const double principal = ParseAmount(text(kFinancing.principal));
    const double interest = ParseAmount(text(kFinancing.interest));
    const int financingMethod = itemIndex(kFinancing.method);
    if (financingMethod == 0 && principal > 0 && interest > 0)
        return BorcTutarROFMStok();
    if (financingMethod == 1 && interest > 0)
        return ToplamFinansmanROFMStok();
    return true;
}

bool StockSheet::StokKatsayiBul() {
    return computeStockAdjustment(*this, m_state.adjustmentDate(), m_index, m_context.prompt());
}

bool StockSheet::DevirHiziHesapla() {
    return computeTurnover(*this, m_state.adjustmentDate(), m_context.prompt());
}

void StockSheet::JvXPButton1Click() {
    if (method() == StockMethod::Turnover)
        DevirHiziHesapla();
    else
        m_context.prompt().showMessage(stock::kTurnoverOnlyWithMethod);
}

bool StockSheet::BorcTutarROFMStok() {
    if (method() != StockMethod::Real || !accountAllowsFinancing()) {
        setText(kFinancing.netValue, text(kFields.bookValue));
        emptyFields({kFinancing.principal, kFinancing.interest, kFinancing.amount});
        return false;
    }
    FinancingContext financing = financingContext();
    return computeDebtAmountFinancing(*this, kFinancing, financing);
}

bool StockSheet::ToplamFinansmanROFMStok() {
    if (method() != StockMethod::Real || !accountAllowsFinancing())
        return false;
    FinancingContext financing = financingContext();
    return computeTotalFinancing(*this, kFinancing, financing);
}

void StockSheet::ROFMHesaplaSClick() {
    switch (itemIndex(kFinancing.method)) {
    case 0:
        BorcTutarROFMStok();
        break;
    case 1:
        ToplamFinansmanROFMStok();
        break;
    default:
        break;
    }
}

void StockSheet::KaydetButtonSClick() {
    if (m_stopped) {
        m_context.prompt().showMessage(stock::kNotAdjusted);
        return;
    }
    qint64 id = 0;
    try {
        id = saveStockSheet(*this, m_state.adjustmentDate(), m_table);
    } catch (const StaleRowError&) {
        // The list then shows what the others saved, for the user to load again.
        m_state.refreshItemList();
        throw;
    }
    setText(ctl::stock::Kayit_No_EditS, QString::number(id));
    m_state.refreshItemList();
}

void StockSheet::DuzeltStok(const Dataset& row) {
    m_stopped = false;
    const double account = mainAccountValue(row.text(QStringLiteral("anahesapkodu")));
    if (account > 249 && account < 269)
        return;
    loadStockSheet(*this, m_state, row);
    m_shownRow = storedItemStamp(m_table, text(ctl::stock::Kayit_No_EditS));
}

void StockSheet::GirisTarihiDateSExit() {
    if (ParseAmount(text(kFields.bookValue)) > 0)
        StokKatsayiBul();
}

} // namespace velkor
