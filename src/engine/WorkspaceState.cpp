#include "engine/WorkspaceState.h"

#include "base/WindowNames.h"
#include "engine/AccountGroups.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"

namespace velkor {

namespace {
const QDate kEarliestEntry{1900, 1, 1};
const QDate kFinancingStart{2004, 12, 31};
} // namespace

WorkspaceState::WorkspaceState(QObject* parent) : FormModel(windows::kWorkspace, parent) {
    setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Düzeltme Bölümü"));
    addLabel(ctl::workspace::Label4);
    addDate(ctl::workspace::HesapTarihiDate, kAdjustmentDate, QStringLiteral("Hesap Tarihi"));
    setEnabled(ctl::workspace::HesapTarihiDate, false);
    addButton(ctl::workspace::HesapTarihAcBut, QStringLiteral("AÇ"));
    addButton(ctl::workspace::JvXPButton19, QStringLiteral("KAPAT"));
    addCombo(ctl::workspace::SBK_Ana_Combo, itemListFilterItems(), QStringLiteral("Hepsi"));
    setListOnly(ctl::workspace::SBK_Ana_Combo, true);
    addEdit(ctl::workspace::AraEdit);
    addButton(ctl::workspace::AramaYap, QStringLiteral("Ara"));
    addRadioGroup(ctl::workspace::DuzeltmePage,
                  {QStringLiteral("Sabit Kıymetler"), QStringLiteral("Stok ve Diğer"),
                   QStringLiteral("Özkaynaklar"), QStringLiteral("Düzelt. Rapor"),
                   QStringLiteral("Ana Hesap Rap."), QStringLiteral("Yevmiye"),
                   QStringLiteral("Muh.Fiş Aktarımı"), QStringLiteral("Kayıt Sil")},
                  FixedAssetPage);
    onClick(ctl::workspace::HesapTarihAcBut, [this] { HesapTarihAcButClick(); });
    applyDateRanges(*this);
}

void WorkspaceState::HesapTarihAcButClick() {
    setEnabled(ctl::workspace::HesapTarihiDate, true);
}

void WorkspaceState::resetAdjustmentDate() {
    setDate(ctl::workspace::HesapTarihiDate, kAdjustmentDate);
    setEnabled(ctl::workspace::HesapTarihiDate, false);
}

void WorkspaceState::setCompanyName(const QString& name) {
    setText(ctl::workspace::Label4, name);
    setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Sabit Kıymet Düzeltmesi - ") + name);
}

void WorkspaceState::refreshItemList() const {
    if (m_refresher)
        m_refresher();
}

std::optional<std::pair<QDate, QDate>> dateRangeOf(const QString& control) {
    if (control == ctl::workspace::HesapTarihiDate)
        return std::make_pair(QDate(2003, 1, 1), kAdjustmentDate);
    static const QStringList entryDates{ctl::fixedasset::GirisTarihiDate, ctl::stock::GirisTarihiDateS,
                                        ctl::equity::GirisTarihiDateO};
    static const QStringList financingDates{ctl::fixedasset::ROFMBasDate, ctl::fixedasset::ROFMBitDate,
                                            ctl::stock::ROFMBasDateS, ctl::stock::ROFMBitDateS};
    if (entryDates.contains(control))
        return std::make_pair(kEarliestEntry, kAdjustmentDate);
    if (financingDates.contains(control))
        return std::make_pair(kFinancingStart, kAdjustmentDate);
    return std::nullopt;
}

void applyDateRanges(FormModel& form) {
    for (const QString& name : form.fieldNames()) {
        if (form.kind(name) != FieldKind::Date)
            continue;
        if (const auto range = dateRangeOf(name))
            form.setDateRange(name, range->first, range->second);
    }
}

} // namespace velkor
