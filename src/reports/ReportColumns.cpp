#include "reports/ReportColumns.h"

#include "base/NumberFormat.h"
#include "storage/Dataset.h"

#include <QDate>

namespace velkor {

namespace {

ReportColumn column(const char* field, const char* title, const QString& pattern = {}, int width = 0) {
    return {GridColumn{QString::fromUtf8(field), QString::fromUtf8(title), pattern}, width, false};
}

// Dates show as "dd.mm.yyyy", centred.
ReportColumn dateColumn(const char* field, const char* title, int width) {
    GridColumn grid{QString::fromUtf8(field), QString::fromUtf8(title)};
    grid.display = [](const QVariant& value) {
        return value.isNull() ? QString() : FormatDate(value.toDate());
    };
    return {grid, width, true};
}

} // namespace

const std::vector<ReportColumn>& reportGridColumns() {
    static const std::vector<ReportColumn> columns{
        column("anahesapkodu", "Ana H.", {}, 66),
        column("sbk_kodu", "Alt Hesap", {}, 71),
        column("sbk_adi", "Adı", {}, 200),
        dateColumn("fatura_tarihi", "GirişTarihi", 74),
        column("vuk_amortisman_sure", "Amort. Yıl"),
        column("Itfa_Tarihi", "İtfa Tarihi"),
        column("Amort_Oran", "Amort_Oran", patterns::kGridAmount),
        column("VUK_Son_Degeri", "Kayıtlı Değeri", patterns::kGridAmount),
        column("Duzeltilmis_Tutar", "Düzeltilmiş Tutar", patterns::kGridAmount, 115),
        column("Enflasyon_Farki", "Enflasyon Farkı", patterns::kGridAmount, 104),
        column("vuk_birikmis_amortisman", "B.Amortismanı", patterns::kGridAmount),
        column("Duzeltilmis_Amortisman", "Düzeltilmiş Amort.", patterns::kGridAmount, 158),
        column("Amortisman_Farki", "Amort. Farkı", patterns::kGridAmount),
        column("Duzeltme_Katsayisi", "Düz. Katsayısı", patterns::kGridCoefficient, 130),
        column("ROFM_Reel_Finansman", "ROFM_Reel_Finansman", patterns::kGridAmount),
        column("ROFM_Reel_Katsayi", "ROFM Düz.Katsayı", patterns::kGridCoefficient),
        column("ROFM_Reel_Duzeltilmis", "ROFM Reel Düzeltilmiş", patterns::kGridAmount),
        column("ROFM_Ayrilmamis_Amort", "ROFM Ayrılmamış Amort", patterns::kGridAmount),
    };
    return columns;
}

const std::vector<ReportColumn>& totalsGridColumns() {
    static const std::vector<ReportColumn> columns{
        column("anahesapkodu", "Hesap", {}, 84),
        column("VUK_Son_DegeriT", "Düzeltilecek Değer", patterns::kGridAmount),
        column("Duzeltilmis_TutarT", "Düzeltilmiş Tutar", patterns::kGridAmount),
        column("Enflasyon_FarkiT", "Enflasyon Farkı", patterns::kGridAmount),
        column("vuk_birikmis_amortismanT", "Düzeltilecek Amort.", patterns::kGridAmount),
        column("Duzeltilmis_AmortismanT", "Düzeltilmiş Amortisman", patterns::kGridAmount),
        column("Amortisman_FarkiT", "Amortisman Farkı", patterns::kGridAmount),
    };
    return columns;
}

std::vector<GridColumn> gridColumnsOf(const std::vector<ReportColumn>& columns) {
    std::vector<GridColumn> grid;
    for (const ReportColumn& c : columns)
        grid.push_back(c.column);
    return grid;
}

QStringList gridLines(const Dataset& rows, const std::vector<ReportColumn>& columns) {
    QStringList titles;
    std::vector<int> indexes;
    for (const ReportColumn& c : columns) {
        titles << c.column.label;
        indexes.push_back(rows.columnIndex(c.column.field));
    }
    QStringList lines{titles.join(QLatin1Char('\t'))};
    for (int row = 0; row < rows.recordCount(); ++row) {
        QStringList cells;
        for (size_t c = 0; c < columns.size(); ++c)
            cells << (indexes[c] < 0 ? QString() : gridText(columns[c].column, rows.cell(row, indexes[c])));
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines;
}

} // namespace velkor
