#include "reports/ReportColumns.h"

#include "storage/Dataset.h"
#include "workspace/NumberFormat.h"

namespace velkor {

namespace {

const QString kDatePattern = QStringLiteral("dd.mm.yyyy");

} // namespace

const std::vector<GridColumn>& reportGridColumns() {
    static const std::vector<GridColumn> columns{
        {"anahesapkodu", "Ana H.", {}, 66},
        {"sbk_kodu", "Alt Hesap", {}, 71},
        {"sbk_adi", "Adı", {}, 200},
        {"fatura_tarihi", "GirişTarihi", kDatePattern, 74, true},
        {"vuk_amortisman_sure", "Amort. Yıl", {}},
        {"Itfa_Tarihi", "İtfa Tarihi", {}},
        {"Amort_Oran", "Amort_Oran", patterns::kGridAmount},
        {"VUK_Son_Degeri", "Kayıtlı Değeri", patterns::kGridAmount},
        {"Duzeltilmis_Tutar", "Düzeltilmiş Tutar", patterns::kGridAmount, 115},
        {"Enflasyon_Farki", "Enflasyon Farkı", patterns::kGridAmount, 104},
        {"vuk_birikmis_amortisman", "B.Amortismanı", patterns::kGridAmount},
        {"Duzeltilmis_Amortisman", "Düzeltilmiş Amort.", patterns::kGridAmount, 158},
        {"Amortisman_Farki", "Amort. Farkı", patterns::kGridAmount},
        {"Duzeltme_Katsayisi", "Düz. Katsayısı", patterns::kGridCoefficient, 130},
        {"ROFM_Reel_Finansman", "ROFM_Reel_Finansman", patterns::kGridAmount},
        {"ROFM_Reel_Katsayi", "ROFM Düz.Katsayı", patterns::kGridCoefficient},
        {"ROFM_Reel_Duzeltilmis", "ROFM Reel Düzeltilmiş", patterns::kGridAmount},
        {"ROFM_Ayrilmamis_Amort", "ROFM Ayrılmamış Amort", patterns::kGridAmount},
    };
    return columns;
}

const std::vector<GridColumn>& totalsGridColumns() {
    static const std::vector<GridColumn> columns{
        {"anahesapkodu", "Hesap", {}, 84},
        {"VUK_Son_DegeriT", "Düzeltilecek Değer", patterns::kGridAmount},
        {"Duzeltilmis_TutarT", "Düzeltilmiş Tutar", patterns::kGridAmount},
        {"Enflasyon_FarkiT", "Enflasyon Farkı", patterns::kGridAmount},
        {"vuk_birikmis_amortismanT", "Düzeltilecek Amort.", patterns::kGridAmount},
        {"Duzeltilmis_AmortismanT", "Düzeltilmiş Amortisman", patterns::kGridAmount},
        {"Amortisman_FarkiT", "Amortisman Farkı", patterns::kGridAmount},
    };
    return columns;
}

QString gridCellText(const GridColumn& column, const QVariant& value) {
    if (value.isNull())
        return {};
    if (column.pattern == kDatePattern || value.typeId() == QMetaType::QDate)
        return FormatDate(value.toDate());
    if (!column.pattern.isEmpty())
        return FormatFloat(column.pattern, value.toDouble());
    if (value.typeId() == QMetaType::Double)
        return FormatGeneral(value.toDouble());
    return value.toString();
}

QStringList gridText(const Dataset& rows, const std::vector<GridColumn>& columns) {
    QStringList titles;
    std::vector<int> indexes;
    for (const GridColumn& column : columns) {
        titles << column.title;
        indexes.push_back(rows.columnIndex(column.field));
    }
    QStringList lines{titles.join(QLatin1Char('\t'))};
    for (int row = 0; row < rows.recordCount(); ++row) {
        QStringList cells;
        for (size_t c = 0; c < columns.size(); ++c)
            cells << (indexes[c] < 0 ? QString() : gridCellText(columns[c], rows.cell(row, indexes[c])));
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines;
}

} // namespace velkor
