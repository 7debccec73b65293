#include "reports/ReportSheet.h"

#include "reports/AccountTotals.h"
#include "reports/ClosingStep.h"
#include "storage/Table.h"

namespace velkor {

namespace {

const QString kCombo = QStringLiteral("RaporListeCombo");
const QString kAdjustmentDate = QStringLiteral("HesapTarihiDate");

} // namespace

ReportSheet::ReportSheet(FormModel& form, Connection& company, Query* accountTotals)
    : m_form(form), m_company(company), m_reportList(company), m_ownTotals(company),
      m_accountTotals(accountTotals ? accountTotals : &m_ownTotals), m_grandTotals(company) {
    addControls(form);
    if (!m_accountTotals->isOpen())
        prepareAccountTotals(*m_accountTotals);
    form.onClick(QStringLiteral("RaporListeButton"), [this] { RaporListeYenile(); });
    form.onClick(QStringLiteral("AnaHesapRaporButton"), [this] { RaporListeYenile(); });
    form.onChange(kCombo, [this] { RaporListeYenile(); });
}

void ReportSheet::addControls(FormModel& form) {
    if (!form.has(kCombo)) {
        const QStringList items = reportFilterItems();
        form.addCombo(kCombo, items, items.first());
    }
    const std::vector<std::pair<QString, QString>> buttons{
        {QStringLiteral("RaporListeButton"), QStringLiteral("Raporu Hazırla")},
        {QStringLiteral("ExcelDuzRapBut"), QStringLiteral("Excel'e Gönder")},
        {QStringLiteral("DuzRapYazBut"), QStringLiteral("Genel Yazdır")},
        {QStringLiteral("GenelAmortluBut"), QStringLiteral("Amortismanlı Yazdır")},
        {QStringLiteral("AnaHesapRaporButton"), QStringLiteral("Raporu Hazırla")},
        {QStringLiteral("AnaHesapExcelBut"), QStringLiteral("Excel'e Gönder")},
        {QStringLiteral("AnaHesapYazBut"), QStringLiteral("Genel Yazdır")},
    };
    for (const auto& [name, caption] : buttons) {
        if (!form.has(name))
            form.addButton(name, caption);
    }
}

QDate ReportSheet::adjustmentDate() const {
    if (m_form.has(kAdjustmentDate)) {
        const QDate date = m_form.date(kAdjustmentDate);
        if (date.isValid())
            return date;
    }
    return QDate(2023, 12, 31);
}

AccountFilter ReportSheet::reportFilter() const {
    return accountFilter(m_form.text(kCombo), m_form.items(kCombo));
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
