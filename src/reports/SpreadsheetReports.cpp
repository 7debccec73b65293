#include "reports/SpreadsheetReports.h"

#include "base/NumberFormat.h"
#include "reports/ReportColumns.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/WorkbookWriter.h"
#include "storage/Dataset.h"

#include <vector>

namespace velkor {

namespace {

constexpr int kTitleRow = 3;
constexpr int kFirstDataRow = 4;
const QString kAmountFormat = QStringLiteral("#.##0,00");
const QString kCoefficientFormat = QStringLiteral("#.##0,00000");

/// The calculated last-depreciation date is text of the form "dd.mm.yyyy"; typed into a
/// sheet it becomes a date.
const QString kTypedColumn = QStringLiteral("Itfa_Tarihi");

struct Layout {
    const std::vector<ReportColumn>& columns;
    /// (range, local number format) pairs.
    std::vector<std::pair<QString, QString>> formats;
    /// The columns (from 1) that get a sum in the totals row.
    std::vector<int> summed;
    int totalsCaptionColumn;
    QString totalsCaption;
    /// The last column of the totals row's bold.
    QString totalsBoldTo;
};

void writeValue(WorkbookWriter& book, int row, int column, const QVariant& value, bool typed) {
    if (value.isNull())
        return;
    if (holdsNumber(value)) {
        book.setNumber(row, column, value.toDouble());
        return;
    }
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime) {
        book.setDate(row, column, value.toDate());
        return;
    }
    const QString text = value.toString();
    if (text.isEmpty())
        return;
    if (typed)
        book.setTyped(row, column, text);
    else
        book.setText(row, column, text);
}

void writeSheet(WorkbookWriter& book, const QString& companyName, const QString& secondLine,
                const Dataset& rows, const Layout& layout) {
    for (const auto& [range, format] : layout.formats)
        book.setNumberFormat(range, format);

    const int columnCount = int(layout.columns.size());
    std::vector<int> indexes;
    std::vector<bool> typed;
    for (int c = 0; c < columnCount; ++c) {
        const ReportColumn& column = layout.columns[c];
        book.setText(kTitleRow, c + 1, column.column.label);
        indexes.push_back(rows.columnIndex(column.column.field));
        typed.push_back(column.column.field == kTypedColumn);
    }
    book.setBold(cellAddress(kTitleRow, 1) + QLatin1Char(':') + cellAddress(kTitleRow, columnCount));

    std::vector<double> sums(columnCount, 0.0);
    const int rowCount = rows.isOpen() ? rows.recordCount() : 0;
    for (int r = 0; r < rowCount; ++r) {
        const int sheetRow = kFirstDataRow + r;
        for (int c = 0; c < columnCount; ++c) {
            if (indexes[c] < 0)
                continue;
            const QVariant& value = rows.cell(r, indexes[c]);
            writeValue(book, sheetRow, c + 1, value, typed[c]);
            bool ok = false;
            const double number = value.toDouble(&ok);
            if (ok)
                sums[c] += number;
        }
        const QVariant first = indexes[0] < 0 ? QVariant() : rows.cell(r, indexes[0]);
        if (first.isNull() || first.toString().isEmpty())
            book.setBold(QStringLiteral("A%1:IV%1").arg(sheetRow));
    }

    book.autoFitColumns(QStringLiteral("A3:A15000"));
    book.setText(1, 1, companyName);
    if (!secondLine.isEmpty())
        book.setText(2, 1, secondLine);
    book.setBold(QStringLiteral("A1:A2"));
    book.setFontSize(QStringLiteral("A1:IV2"), 14);

    const int lastDataRow = kFirstDataRow + rowCount - 1;
    const int totalsRow = lastDataRow + 2;
    book.setText(totalsRow, layout.totalsCaptionColumn, layout.totalsCaption);
    for (int column : layout.summed) {
        const QString letters = columnLetters(column);
        book.setFormula(totalsRow, column,
                        QStringLiteral("=Sum(%1%2:%1%3)").arg(letters).arg(kFirstDataRow).arg(lastDataRow),
                        sums[column - 1]);
    }
    book.setBold(QStringLiteral("A%1:%2%3").arg(totalsRow).arg(layout.totalsBoldTo).arg(totalsRow));
    book.autoFitColumns(QStringLiteral("B3:IV15000"));
}

} // namespace

void DuzeltmeRaporExcel(WorkbookWriter& book, const QString& companyName, const QString& filterText,
                        const Dataset& list) {
    const Layout layout{reportGridColumns(),
                        {{QStringLiteral("G4:M15000"), kAmountFormat},
                         {QStringLiteral("O4:O15000"), kAmountFormat},
                         {QStringLiteral("Q4:R15000"), kAmountFormat},
                         {QStringLiteral("N4:N15000"), kCoefficientFormat},
                         {QStringLiteral("P4:P15000"), kCoefficientFormat}},
                        // H to M, O, Q and R: the amounts; N and P hold coefficients.
                        {8, 9, 10, 11, 12, 13, 15, 17, 18},
                        3,
                        QStringLiteral("TOPLAM TUTARLAR"),
                        QStringLiteral("Q")};
    writeSheet(book, companyName, QStringLiteral("Raporlananlar: ") + filterText, list, layout);
}

void AnaHesapExcel(WorkbookWriter& book, const QString& companyName, const Dataset& accountTotals) {
    const Layout layout{totalsGridColumns(),      {{QStringLiteral("B4:G15000"), kAmountFormat}},
                        {2, 3, 4, 5, 6, 7},       1,
                        QStringLiteral("TOPLAM"), QStringLiteral("O")};
    writeSheet(book, companyName, QString(), accountTotals, layout);
}

} // namespace velkor
