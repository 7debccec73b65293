#include "reports/ReportSheet.h"

#include "engine/WorkspaceState.h"
#include "reports/AccountTotals.h"
#include "reports/ClosingStep.h"
#include "reports/ReportSheetControls.h"
#include "storage/Table.h"

namespace velkor {

ReportSheet::ReportSheet(FormModel& form, Connection& company, Query* accountTotals)
    : m_form(form), m_company(company), m_reportList(company), m_ownTotals(company),
      m_accountTotals(accountTotals ? accountTotals : &m_ownTotals), m_grandTotals(company) {
    addControls(form);
    if (!m_accountTotals->isOpen())
        prepareAccountTotals(*m_accountTotals);
    form.onClick(ctl::report::RaporListeButton, [this] { RaporListeYenile(); });
    form.onClick(ctl::report::AnaHesapRaporButton, [this] { RaporListeYenile(); });
    form.onChange(ctl::report::RaporListeCombo, [this] { RaporListeYenile(); });
}

void ReportSheet::addControls(FormModel& form) {
    if (!form.has(ctl::report::RaporListeCombo)) {
        const QStringList items = reportFilterItems();
        form.addCombo(ctl::report::RaporListeCombo, items, items.first());
    }
    const std::vector<std::pair<QString, QString>> buttons{
        {ctl::report::RaporListeButton, QStringLiteral("Raporu Hazırla")},
        {ctl::report::ExcelDuzRapBut, QStringLiteral("Excel'e Gönder")},
        {ctl::report::DuzRapYazBut, QStringLiteral("Genel Yazdır")},
        {ctl::report::GenelAmortluBut, QStringLiteral("Amortismanlı Yazdır")},
        {ctl::report::AnaHesapRaporButton, QStringLiteral("Raporu Hazırla")},
        {ctl::report::AnaHesapExcelBut, QStringLiteral("Excel'e Gönder")},
        {ctl::report::AnaHesapYazBut, QStringLiteral("Genel Yazdır")},
    };
    for (const auto& [name, caption] : buttons) {
        if (!form.has(name))
            form.addButton(name, caption);
    }
}

QDate ReportSheet::adjustmentDate() const {
    if (m_form.has(ctl::workspace::HesapTarihiDate)) {
        const QDate date = m_form.date(ctl::workspace::HesapTarihiDate);
        if (date.isValid())
            return date;
    }
    return kAdjustmentDate;
}

AccountFilter ReportSheet::reportFilter() const {
    return accountFilter(m_form.text(ctl::report::RaporListeCombo),
                         m_form.items(ctl::report::RaporListeCombo));
}

void ReportSheet::RaporListeYenile() {
    m_reportList.close();
    KarZarar698Ayarla(m_company, adjustmentDate());
    if (m_editTable && m_editTable->isOpen())
        m_editTable->refresh();

    const AccountFilter filter = reportFilter();
    m_reportList.setSql(ReportListQuery::selectionSql(filter));
    m_reportList.setParams(filter.params);
    m_reportList.open();

    m_accountTotals->close();
    m_accountTotals->open();
}

void ReportSheet::openGrandTotals(bool withReportFilter) {
    prepareGrandTotals(m_grandTotals, withReportFilter ? reportFilter() : AccountFilter{});
    m_grandTotals.open();
}

} // namespace velkor
