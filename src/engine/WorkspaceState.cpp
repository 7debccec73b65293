#include "engine/WorkspaceState.h"

#include "engine/AccountGroups.h"

namespace velkor {

namespace {
const QString kDate = QStringLiteral("HesapTarihiDate");
const QDate kEarliestEntry{1900, 1, 1};
const QDate kFinancingStart{2004, 12, 31};
} // namespace

WorkspaceState::WorkspaceState(QObject* parent) : FormModel(QStringLiteral("TSabitKiymetDuzeltmeF"), parent) {
    setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Düzeltme Bölümü"));
    addLabel(QStringLiteral("Label4"));
    addDate(kDate, kAdjustmentDate, QStringLiteral("Hesap Tarihi"));
    setEnabled(kDate, false);
    addButton(QStringLiteral("HesapTarihAcBut"), QStringLiteral("AÇ"));
    addButton(QStringLiteral("JvXPButton19"), QStringLiteral("KAPAT"));
    addCombo(QStringLiteral("SBK_Ana_Combo"), itemListFilterItems(), QStringLiteral("Hepsi"));
    addEdit(QStringLiteral("AraEdit"));
    addButton(QStringLiteral("AramaYap"), QStringLiteral("Ara"));
    addRadioGroup(QStringLiteral("DuzeltmePage"),
                  {QStringLiteral("Sabit Kıymetler"), QStringLiteral("Stok ve Diğer"),
                   QStringLiteral("Özkaynaklar"), QStringLiteral("Düzelt. Rapor"),
                   QStringLiteral("Ana Hesap Rap."), QStringLiteral("Yevmiye"),
                   QStringLiteral("Muh.Fiş Aktarımı"), QStringLiteral("Kayıt Sil")},
                  FixedAssetPage);
    onClick(QStringLiteral("HesapTarihAcBut"), [this] { HesapTarihAcButClick(); });
}

void WorkspaceState::HesapTarihAcButClick() {
    setEnabled(kDate, true);
}

void WorkspaceState::resetAdjustmentDate() {
    setDate(kDate, kAdjustmentDate);
    setEnabled(kDate, false);
}

void WorkspaceState::setCompanyName(const QString& name) {
    setText(QStringLiteral("Label4"), name);
    setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Sabit Kıymet Düzeltmesi - ") + name);
}

void WorkspaceState::refreshItemList() const {
    if (m_refresher)
        m_refresher();
}

std::optional<std::pair<QDate, QDate>> dateRangeOf(const QString& control) {
    if (control == kDate)
        return std::make_pair(QDate(2003, 1, 1), kAdjustmentDate);
    if (control.startsWith(QLatin1String("GirisTarihiDate")))
        return std::make_pair(kEarliestEntry, kAdjustmentDate);
    if (control.startsWith(QLatin1String("ROFMBasDate")) || control.startsWith(QLatin1String("ROFMBitDate")))
        return std::make_pair(kFinancingStart, kAdjustmentDate);
    return std::nullopt;
}

} // namespace velkor
