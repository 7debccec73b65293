#pragma once

#include "base/FormModel.h"
#include "engine/AccountGroups.h"
#include "reports/CompanyHeading.h"
#include "reports/ReportListQuery.h"
#include "spreadsheet/WorkbookHandOver.h"

#include <functional>

namespace velkor {

class PrintService;
class Prompt;
class Table;

/// The report sheet ("Düzelt. Rapor") and the main-account sheet ("Ana Hesap Rap.") of
/// the workspace: the filter `RaporListeCombo` and the buttons on the workspace's form
/// model, the report list `SBKRaporQuery`, the per-main-account totals `ToplamQuery` and
/// the grand totals `SBKRaporToplamQuery` over the company connection.
class ReportSheet {
public:
    /// Declares the sheets' controls on the form when it lacks them and binds both
    /// "Raporu Hazırla" buttons and changes of `RaporListeCombo` to RaporListeYenile().
    /// `accountTotals` is the workspace's `ToplamQuery` when it has one (its statement is
    /// set here); without it the sheet keeps its own.
    ReportSheet(FormModel& form, Connection& company, Query* accountTotals = nullptr);

    /// Declares `RaporListeCombo` ("Hepsi" chosen), `RaporListeButton`, `ExcelDuzRapBut`,
    /// `DuzRapYazBut`, `GenelAmortluBut`, `AnaHesapRaporButton`, `AnaHesapExcelBut` and
    /// `AnaHesapYazBut`.
    static void addControls(FormModel& form);

    /// The workspace's editable table over `sabit_kiymet`; when it is open it is read
    /// again after the closing step has written, so that it holds the closing rows.
    void setEditTable(Table* table) { m_editTable = table; }

    /// Runs the closing step with the adjustment date of the form (`HesapTarihiDate`,
    /// 31.12.2023 when the form has none), selects the report list with its filter and
    /// reopens the per-main-account totals.
    void RaporListeYenile();

    /// The filter of the text of `RaporListeCombo` (none for a typed text that is not an
    /// entry of the list).
    AccountFilter reportFilter() const;
    /// Opens the grand totals with the report list's filter, or over all rows.
    void openGrandTotals(bool withReportFilter);

    /// Where "Genel Yazdır" (both sheets) and "Amortismanlı Yazdır" send their reports,
    /// and the company that heads them.
    void setPrinting(PrintService* service, std::function<CompanyHeading()> company);

    /// "Genel Yazdır" of the report sheet: `DuzeltmeReport` over the report list as last
    /// prepared (a list never prepared is opened over all stored rows) and the grand
    /// totals with the filter of `RaporListeCombo`. A filter that selects no row stops
    /// with a message instead of an empty document.
    void DuzRapYazButClick();
    /// "Amortismanlı Yazdır": the same with `DuzeltmeAmortReport`.
    void GenelAmortluButClick();
    /// "Genel Yazdır" of the main-account sheet: `AnaHesapReport` over the
    /// per-main-account totals and the grand totals of all rows.
    void AnaHesapYazButClick();

    /// Where "Excel'e Gönder" (both sheets) asks for the file to save the workbook in, and
    /// what opens the saved workbook (none: the prompt says where it was saved).
    void setWorkbookOutput(Prompt* prompt, FileOpener opener);

    /// "Excel'e Gönder" of the report sheet: `DuzeltmeRaporExcel` over the report list
    /// as last prepared, saved where the user chooses and opened.
    void ExcelDuzRapButClick();
    /// "Excel'e Gönder" of the main-account sheet: `AnaHesapExcel` over the totals.
    void AnaHesapExcelButClick();

    ReportListQuery& SBKRaporQuery() { return m_reportList; }
    Query& ToplamQuery() { return *m_accountTotals; }
    Query& SBKRaporToplamQuery() { return m_grandTotals; }

private:
    QDate adjustmentDate() const;
    void printReportList(bool withDepreciation);
    /// Opens the report list when it is closed, with its last statement (all stored rows
    /// before the first preparation); a filter that selects no row stops with a message.
    void requireReportRows();
    CompanyHeading printedCompany() const;
    void handOver(WorkbookWriter& book, const QString& reportName);
    PrintService& printService() const;

    FormModel& m_form;
    Connection& m_company;
    Table* m_editTable = nullptr;
    ReportListQuery m_reportList;
    Query m_ownTotals;
    Query* m_accountTotals;
    Query m_grandTotals;
    PrintService* m_printService = nullptr;
    std::function<CompanyHeading()> m_printedCompany;
    Prompt* m_prompt = nullptr;
    FileOpener m_opener;
};

} // namespace velkor
