#include "engine/EquitySheet.h"

#include "base/AmountKeyRules.h"
#include "base/TextHelpers.h"
#include "engine/EquityAdjustment.h"
#include "engine/EquityStore.h"
#include "engine/ItemSheetControls.h"
#include "engine/StockExplanation.h"
#include "engine/WorkspaceState.h"
#include "storage/Dataset.h"

namespace velkor {

namespace {

const ItemFields kFields(QStringLiteral("O"));
const QString kCapitalGroup = QStringLiteral("SermayeGroup");
const QString kGuidanceGroup = QStringLiteral("SermayeAciklaGroup");
const QString kRich = QStringLiteral("OzkaynakRich");
const QString kKindGroup = QStringLiteral("SermayeOdemeSekli");

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
    addLabel(kCapitalGroup, QStringLiteral("Sermaye Ödenme Şekli"));
    const QStringList captions{QStringLiteral("Nakti Olarak Konan Sermaye"),
                               QStringLiteral("Ayni Olarak Konan Sermaye"),
                               QStringLiteral("525 Hesaptan Artırım"),
                               QStringLiteral("Normal Birleşme Nedeniyle"),
                               QStringLiteral("Bölünme veya Nev'i Değişikliği"),
                               QStringLiteral("549 hesap  ve 5811 sayılı kanundan"),
                               QStringLiteral("522/523/524 Hesaplardan Artırım")};
    const QStringList radios = capitalKindRadios();
    for (int i = 0; i < radios.size(); ++i)
        addRadio(radios.at(i), kKindGroup, i == 0, captions.at(i));
    addLabel(kGuidanceGroup, guidanceText());
    addItemButtons(*this, QStringLiteral("O"), QStringLiteral("OzkaynakYazBut"), kRich);

    for (const QString& name :
         {QStringLiteral("Kayit_No_EditO"), QStringLiteral("GirisYi_UfeEditO"),
          QStringLiteral("HesapYi_UfeEditO"), QStringLiteral("DuzeltKatsayiEditO"),
          QStringLiteral("DuzeltilmisTutarEditO"), QStringLiteral("EnflasyonFarkEditO"), kRich})
        setReadOnly(name, true);

    onClick(QStringLiteral("DuzeltButO"), [this] { DuzeltButOClick(); });
    onClick(QStringLiteral("KaydetButtonO"), [this] { KaydetButtonOClick(); });
    onChange(kFields.account, [this] { DuzeltmeAnaHesapComboOChange(); });
    onLeave(kFields.entryDate, [this] { GirisTarihiDateOExit(); });
    reformatAmountsOnLeave(*this, {kFields.bookValue});
}

QStringList EquitySheet::accountItems() {
    return {QStringLiteral("500"), QStringLiteral("520"), QStringLiteral("521"), QStringLiteral("525"),
            QStringLiteral("540"), QStringLiteral("541"), QStringLiteral("542"), QStringLiteral("549"),
            QStringLiteral("522"), QStringLiteral("523"), QStringLiteral("524"), QStringLiteral("570"),
            QStringLiteral("580"), QStringLiteral("590"), QStringLiteral("591")};
}

QStringList EquitySheet::clearedEdits() {
    return {QStringLiteral("Kayit_No_EditO"),     QStringLiteral("KoduEditO"),
            QStringLiteral("AdiEditO"),           kFields.bookValue,
            QStringLiteral("GirisYi_UfeEditO"),   QStringLiteral("HesapYi_UfeEditO"),
            QStringLiteral("DuzeltKatsayiEditO"), QStringLiteral("DuzeltilmisTutarEditO"),
            QStringLiteral("EnflasyonFarkEditO")};
}

QStringList EquitySheet::accountsCarriedAtAdjustmentDate() {
    return {QStringLiteral("522"), QStringLiteral("523"), QStringLiteral("524"), QStringLiteral("570"),
            QStringLiteral("580"), QStringLiteral("590"), QStringLiteral("591")};
}

QStringList EquitySheet::capitalKindRadios() {
    return {QStringLiteral("NaktiRadio"),   QStringLiteral("AyniRadio"),
            QStringLiteral("Radio525"),     QStringLiteral("NormalBirlesmeRadio"),
            QStringLiteral("BolunmeRadio"), QStringLiteral("Radio549"),
            QStringLiteral("Radio522")};
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
    setVisible(kCapitalGroup, capital);
    setVisible(kGuidanceGroup, capital);
}

void EquitySheet::KaydetButtonOClick() {
    const qint64 id = saveEquitySheet(*this, m_state.adjustmentDate(), m_table);
    setText(QStringLiteral("Kayit_No_EditO"), QString::number(id));
    m_state.refreshItemList();
}

void EquitySheet::DuzeltOzkaynaklar(const Dataset& row) {
    if (mainAccountValue(row.text(QStringLiteral("anahesapkodu"))) < 500)
        return;
    loadEquitySheet(*this, m_state, row);
}

void EquitySheet::GirisTarihiDateOExit() {
    if (ParseAmount(text(kFields.bookValue)) > 0)
        OzkaynakKatsayiBul();
}

} // namespace velkor
