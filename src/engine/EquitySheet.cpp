#include "engine/EquitySheet.h"

#include "base/AmountKeyRules.h"
#include "base/TextHelpers.h"
#include "engine/EquityAdjustment.h"
#include "engine/EquitySheetControls.h"
#include "engine/EquityStore.h"
#include "engine/ItemKeyRules.h"
#include "engine/ItemRowFields.h"
#include "engine/ItemSheetControls.h"
#include "engine/StockExplanation.h"
#include "engine/WorkspaceState.h"
#include "storage/Dataset.h"

namespace velkor {

namespace {

const ItemFields& kFields = kEquityFields;

QString guidanceText() {
    return QStringList{
        QStringLiteral("Kayıt Tarihi olarak nakdi sermayede \"Sermaye Ödeme Tarihi\","),
        QStringLiteral("ayni sermayede \"Mülkiyetin İntikal Ettiği Tarih\", 525 hesaptan"),
        QStringLiteral("artırımda \"Sermaye Artırımının Tescil Tarihi\", normal vergili"),
        QStringLiteral("birleşmede \"Yeni Şirketin Kayıtlarına İntikal Ettiği Tarih\", bölünme ve"),
        QStringLiteral("nevi değişikliğinde \"Devrolan İşletmenin Envanterine Alındığı Tarih\""),
        QStringLiteral("dikkate alınır.")}
        .join(QLatin1Char(' '));
}

} // namespace

EquitySheet::EquitySheet(AppContext& context, WorkspaceState& state, IndexLookup& index,
                         InterestLookup& interest, Table& sbkTable, QObject* parent)
    : ItemSheetForm(QStringLiteral("Ozkaynaklar"), context, state, index, interest, sbkTable, parent) {
    addRegisterControls(*this, kFields, accountItems(), QStringLiteral("500"));
    addResultControls(*this, kFields);
    addLabel(ctl::equity::SermayeGroup, QStringLiteral("Sermaye Ödenme Şekli"));
    const QStringList captions{QStringLiteral("Nakti Olarak Konan Sermaye"),
                               QStringLiteral("Ayni Olarak Konan Sermaye"),
                               QStringLiteral("525 Hesaptan Artırım"),
                               QStringLiteral("Normal Birleşme Nedeniyle"),
                               QStringLiteral("Bölünme veya Nev'i Değişikliği"),
                               QStringLiteral("549 hesap  ve 5811 sayılı kanundan"),
                               QStringLiteral("522/523/524 Hesaplardan Artırım")};
    const QStringList radios = capitalKindRadios();
    for (int i = 0; i < radios.size(); ++i)
        addRadio(radios.at(i), ctl::equity::SermayeOdemeSekli, i == 0, captions.at(i));
    addLabel(ctl::equity::SermayeAciklaGroup, guidanceText());
    addItemButtons(*this, {ctl::equity::DuzeltButO, ctl::equity::KaydetButtonO, ctl::equity::YeniButO,
                           ctl::equity::OzkaynakYazBut, ctl::equity::OzkaynakRich});

    for (const QString& name :
         {ctl::equity::Kayit_No_EditO, ctl::equity::GirisYi_UfeEditO, ctl::equity::HesapYi_UfeEditO,
          ctl::equity::DuzeltKatsayiEditO, ctl::equity::DuzeltilmisTutarEditO,
          ctl::equity::EnflasyonFarkEditO, ctl::equity::OzkaynakRich})
        setReadOnly(name, true);

    onClick(ctl::equity::DuzeltButO, [this] { DuzeltButOClick(); });
    onClick(ctl::equity::KaydetButtonO, [this] { KaydetButtonOClick(); });
    onChange(kFields.account, [this] { DuzeltmeAnaHesapComboOChange(); });
    onLeave(kFields.entryDate, [this] { GirisTarihiDateOExit(); });
    reformatAmountsOnLeave(*this, {kFields.bookValue});
    applyItemKeyRules(*this);
    applyDateRanges(*this);
}

QStringList EquitySheet::accountItems() {
    return {QStringLiteral("500"), QStringLiteral("520"), QStringLiteral("521"), QStringLiteral("525"),
            QStringLiteral("540"), QStringLiteral("541"), QStringLiteral("542"), QStringLiteral("549"),
            QStringLiteral("522"), QStringLiteral("523"), QStringLiteral("524"), QStringLiteral("570"),
            QStringLiteral("580"), QStringLiteral("590"), QStringLiteral("591")};
}

QStringList EquitySheet::clearedEdits() {
    return {ctl::equity::Kayit_No_EditO,     ctl::equity::KoduEditO,
            ctl::equity::AdiEditO,           kFields.bookValue,
            ctl::equity::GirisYi_UfeEditO,   ctl::equity::HesapYi_UfeEditO,
            ctl::equity::DuzeltKatsayiEditO, ctl::equity::DuzeltilmisTutarEditO,
            ctl::equity::EnflasyonFarkEditO};
}

QStringList EquitySheet::accountsCarriedAtAdjustmentDate() {
    return {QStringLiteral("522"), QStringLiteral("523"), QStringLiteral("524"), QStringLiteral("570"),
            QStringLiteral("580"), QStringLiteral("590"), QStringLiteral("591")};
}

QStringList EquitySheet::capitalKindRadios() {
    return {ctl::equity::NaktiRadio,   ctl::equity::AyniRadio,
            ctl::equity::Radio525,     ctl::equity::NormalBirlesmeRadio,
            ctl::equity::BolunmeRadio, ctl::equity::Radio549,
            ctl::equity::Radio522};
}

CapitalKind EquitySheet::capitalKind() const {
    const QStringList radios = capitalKindRadios();
    for (int i = 0; i < radios.size(); ++i) {
        if (isChecked(radios.at(i)))
            return static_cast<CapitalKind>(i);
    }
    return CapitalKind::Cash;
}

void EquitySheet::selectCapitalKind(CapitalKind kind) {
    setChecked(capitalKindRadios().at(static_cast<int>(kind)), true);
}

bool EquitySheet::isCapitalAccount() const {
    return itemIndex(kFields.account) == 0;
}

void EquitySheet::DuzeltButOClick() {
    m_state.resetAdjustmentDate();
    if (accountsCarriedAtAdjustmentDate().contains(text(kFields.account)))
        setDate(kFields.entryDate, m_state.adjustmentDate());
    OzkaynakKatsayiBul();
}

bool EquitySheet::OzkaynakKatsayiBul() {
    return computeEquityAdjustment(*this, m_state.adjustmentDate(), m_index, m_context.prompt());
}

void EquitySheet::DuzeltmeAnaHesapComboOChange() {
    const bool capital = isCapitalAccount();
    setVisible(ctl::equity::SermayeGroup, capital);
    setVisible(ctl::equity::SermayeAciklaGroup, capital);
}

void EquitySheet::KaydetButtonOClick() {
    qint64 id = 0;
    try {
        id = saveEquitySheet(*this, m_state.adjustmentDate(), m_table);
    } catch (const StaleRowError&) {
        // The list then shows what the others saved, for the user to load again.
        m_state.refreshItemList();
        throw;
    }
    setText(ctl::equity::Kayit_No_EditO, QString::number(id));
    m_state.refreshItemList();
}

void EquitySheet::DuzeltOzkaynaklar(const Dataset& row) {
    if (mainAccountValue(row.text(QStringLiteral("anahesapkodu"))) < 500)
        return;
    loadEquitySheet(*this, m_state, row);
    m_shownRow = storedItemStamp(m_table, text(ctl::equity::Kayit_No_EditO));
}

void EquitySheet::GirisTarihiDateOExit() {
    if (ParseAmount(text(kFields.bookValue)) > 0)
        OzkaynakKatsayiBul();
}

} // namespace velkor
