#pragma once

#include "periods/PeriodWork.h"

#include <QStringList>
#include <vector>

namespace velkor {

class WorkbookWriter;

/// One report of a period as a table: its title, the column titles, one row of cell
/// texts each, and the lines that follow the table (totals, closing, notes). The same
/// table is printed, written to a workbook and listed by the command line.
struct PeriodTable {
    QString title;
    QStringList headers;
    std::vector<QStringList> rows;
    /// Indexes of the columns holding amounts or coefficients (right-aligned, numbers in a workbook).
    std::vector<int> numberColumns;
    QStringList footer;
};

/// The columns of the report "Dönem Raporu" and of the tab's grid.
QStringList periodLineHeaders();
/// The cells of one line under periodLineHeaders().
QStringList periodLineCells(const PeriodLine& line);

/// "Dönem Raporu": one row per line, then the totals per main account, G698, L698, the
/// closing entries, "Beyana esas fark" with its sentence, the warnings and the 31.12.2023
/// rows not carried with their reasons.
PeriodTable periodReport(const PeriodView& view, const std::vector<PeriodEntry>& entries);
/// "Düzeltilmiş Bilanço Özeti": per main account before, difference and after; for the
/// accumulated depreciation accounts the period-end balance besides.
PeriodTable balanceSummary(const PeriodView& view);
/// "Katsayı Tablosu": the indexes of P's and Q's months, TK, the simple average
/// coefficient with its base month and the entry coefficient of every month from Q's
/// end to P's.
PeriodTable coefficientTable(const Period& period, const IndexValues& index);
/// "Amortisman Tablosu": per depreciated item its adjusted value and AD, the new monthly
/// depreciation and the months left.
PeriodTable depreciationTable(const PeriodView& view);

/// The table as tab-separated text: the header row, one line a row, then the footer.
QStringList tabSeparated(const PeriodTable& table);
/// The table as fixed-width lines for the printed text report (a row that does not fit
/// the page continues indented on the next line).
QStringList printedLines(const PeriodTable& table, const Period& period);
/// The title over every printed page of a period's reports and journal: "gg/aa/yyyy
/// ENFLASYON DÜZELTME RAPORU" with the period's end, as the 31.12.2023 reports carry theirs.
QString periodReportTitle(const QDate& end);
/// Writes the table to the first sheet (rows and columns counted from 1): the company (A1) and the title (A2)
/// bold, the column titles in row 3, the rows from row 4 with numbers as numbers, the footer below.
void writePeriodWorkbook(WorkbookWriter& book, const QString& companyName, const PeriodTable& table);

/// The heading of every report of an informational period.
inline const QString kInformationalHeading = QStringLiteral("Yasal olarak düzeltme yapılmayan dönem");

} // namespace velkor
