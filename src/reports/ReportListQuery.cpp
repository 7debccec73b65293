#include "reports/ReportListQuery.h"

#include "reports/CalculatedColumns.h"

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

void ReportListQuery::SBKRaporQueryCalcFields() {
    const int entryDate = columnIndex(QStringLiteral("fatura_tarihi"));
    const int life = columnIndex(QStringLiteral("vuk_amortisman_sure"));
    m_columns << QStringLiteral("Itfa_Tarihi") << QStringLiteral("Amort_Oran");
    m_declaredTypes << QStringLiteral("TEXT(10)") << QStringLiteral("DOUBLE");
    for (auto& row : m_rows) {
        const QDate date = entryDate < 0 ? QDate() : row[entryDate].toDate();
        const QVariant years = life < 0 ? QVariant() : row[life];
        row.push_back(redemptionDateText(date, years));
        row.push_back(depreciationRate(date, years));
    }
}

} // namespace velkor
