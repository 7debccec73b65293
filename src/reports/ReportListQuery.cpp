#include "reports/ReportListQuery.h"

#include "reports/CalculatedColumns.h"
#include "reports/ItemSelection.h"
#include "reports/ReportColumns.h"

namespace velkor {

ReportListQuery::ReportListQuery(Connection& connection) : Query(connection) {}

void ReportListQuery::open() {
    if (isOpen())
        return;
    // Bound views hear of the new rows once, when the calculated columns are in place.
    disableControls();
    try {
        Query::open();
        SBKRaporQueryCalcFields();
    } catch (...) {
        close();
        enableControls();
        throw;
    }
    enableControls();
}

QStringList ReportListQuery::selectionSql(const AccountFilter& filter) {
    // Only the columns the list's grid, prints and workbook show: an item row holds over a
    // hundred, and reading the rest cost most of the list's time, the server's above all.
    QStringList columns;
    for (const ReportColumn& column : reportGridColumns()) {
        const QString& field = column.column.field;
        const bool calculated = field == QLatin1String("Itfa_Tarihi") || field == QLatin1String("Amort_Oran");
        columns << (calculated ? QStringLiteral("NULL AS ") + field : field);
    }
    QStringList lines = itemSelectionSql(filter);
    lines.first() =
        QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) + QStringLiteral(" FROM sabit_kiymet");
    return lines;
}

void ReportListQuery::SBKRaporQueryCalcFields() {
    const int entryDate = columnIndex(QStringLiteral("fatura_tarihi"));
    const int life = columnIndex(QStringLiteral("vuk_amortisman_sure"));
    int redemption = columnIndex(QStringLiteral("Itfa_Tarihi"));
    int rate = columnIndex(QStringLiteral("Amort_Oran"));
    if (redemption < 0 || rate < 0) {
        // A statement without the two places: widen every row.
        m_columns << QStringLiteral("Itfa_Tarihi") << QStringLiteral("Amort_Oran");
        m_declaredTypes << QString() << QString();
        redemption = static_cast<int>(m_columns.size()) - 2;
        rate = redemption + 1;
        for (auto& row : m_rows)
            row.resize(m_columns.size());
    }
    m_declaredTypes[redemption] = QStringLiteral("TEXT(10)");
    m_declaredTypes[rate] = QStringLiteral("DOUBLE");
    for (auto& row : m_rows) {
        const QDate date = entryDate < 0 ? QDate() : row[entryDate].toDate();
        const QVariant years = life < 0 ? QVariant() : row[life];
        row[redemption] = redemptionDateText(date, years);
        row[rate] = depreciationRate(date, years);
    }
}

} // namespace velkor
