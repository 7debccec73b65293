#include "reports/ReportSheet.h"

#include "base/ShownError.h"
#include "engine/WorkspaceState.h"
#include "engine/WorkspaceStateControls.h"
#include "reports/AccountTotals.h"
#include "reports/AnaHesapReport.h"
#include "reports/ClosingStep.h"
#include "reports/DuzeltmeReport.h"
#include "reports/PrintService.h"
#include "reports/ReportSheetControls.h"
#include "reports/SpreadsheetReports.h"
#include "spreadsheet/XlsxWorkbook.h"
#include "storage/Table.h"
#include "storage/Transaction.h"

#include <QDateTime>
#include <QDir>

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
    form.onClick(ctl::report::DuzRapYazBut, [this] { DuzRapYazButClick(); });
    form.onClick(ctl::report::GenelAmortluBut, [this] { GenelAmortluButClick(); });
    form.onClick(ctl::report::AnaHesapYazBut, [this] { AnaHesapYazButClick(); });
    form.onClick(ctl::report::ExcelDuzRapBut, [this] { ExcelDuzRapButClick(); });
    form.onClick(ctl::report::AnaHesapExcelBut, [this] { AnaHesapExcelButClick(); });
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
    // The list and its totals come from one state of the company, also while others save.
    Transaction reading(m_company.database(), TransactionKind::Read);
    m_reportList.open();

    m_accountTotals->close();
    m_accountTotals->open();
    reading.commit();
}

void ReportSheet::openGrandTotals(bool withReportFilter) {
    prepareGrandTotals(m_grandTotals, withReportFilter ? reportFilter() : AccountFilter{});
    m_grandTotals.open();
}

void ReportSheet::setPrinting(PrintService* service, std::function<CompanyHeading()> company) {
    m_printService = service;
    m_printedCompany = std::move(company);
}

PrintService& ReportSheet::printService() const {
    if (!m_printService)
        throw ShownError(QStringLiteral("Yazdırma hizmeti bulunamadı."));
    return *m_printService;
}

CompanyHeading ReportSheet::printedCompany() const {
    return m_printedCompany ? m_printedCompany() : CompanyHeading{};
}

void ReportSheet::requireReportRows() {
    if (!m_reportList.isOpen()) {
        if (m_reportList.sqlLines().isEmpty())
            m_reportList.setSql(ReportListQuery::selectionSql(AccountFilter{}));
        m_reportList.open();
    }
    if (m_reportList.isEmpty() && !reportFilter().isEmpty())
        throw ShownError(QStringLiteral("Seçilen hesaplarda (%1) rapora alınacak kayıt yok.")
                             .arg(m_form.text(ctl::report::RaporListeCombo)));
}

void ReportSheet::printReportList(bool withDepreciation) {
    PrintService& service = printService();
    requireReportRows();
    openGrandTotals(true);
    const CompanyHeading company = printedCompany();
    const QDateTime now = QDateTime::currentDateTime();
    if (withDepreciation) {
        DuzeltmeAmortReport report(company, m_reportList, m_grandTotals, now);
        service.present(report);
    } else {
        DuzeltmeReport report(company, m_reportList, m_grandTotals, now);
        service.present(report);
    }
}

void ReportSheet::DuzRapYazButClick() {
    printReportList(false);
}

void ReportSheet::GenelAmortluButClick() {
    printReportList(true);
}

void ReportSheet::AnaHesapYazButClick() {
    PrintService& service = printService();
    m_accountTotals->ensureOpen();
    openGrandTotals(false);
    AnaHesapReport report(printedCompany(), *m_accountTotals, m_grandTotals, QDateTime::currentDateTime());
    service.present(report);
}

void ReportSheet::setWorkbookOutput(Prompt* prompt, FileOpener opener) {
    m_prompt = prompt;
    m_opener = std::move(opener);
}

void ReportSheet::handOver(WorkbookWriter& book, const QString& reportName) {
    const CompanyHeading company = printedCompany();
    WorkbookHandOverRequest request;
    const QString prefix = company.code.isEmpty() ? QString() : company.code + QLatin1Char('_');
    request.proposedPath = QDir::home().filePath(prefix + reportName + QStringLiteral(".xlsx"));
    handOverWorkbook(book, *m_prompt, request, m_opener);
}

void ReportSheet::ExcelDuzRapButClick() {
    if (!m_prompt)
        throw ShownError(QStringLiteral("Çalışma kitabı hizmeti bulunamadı."));
    requireReportRows();
    XlsxWorkbook book;
    DuzeltmeRaporExcel(book, printedCompany().name, m_form.text(ctl::report::RaporListeCombo), m_reportList);
    handOver(book, QStringLiteral("DuzeltmeRaporu"));
}

void ReportSheet::AnaHesapExcelButClick() {
    if (!m_prompt)
        throw ShownError(QStringLiteral("Çalışma kitabı hizmeti bulunamadı."));
    m_accountTotals->ensureOpen();
    XlsxWorkbook book;
    AnaHesapExcel(book, printedCompany().name, *m_accountTotals);
    handOver(book, QStringLiteral("AnaHesapRaporu"));
}

} // namespace velkor
