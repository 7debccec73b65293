#pragma once

#include "reports/HeadedReport.h"
#include "reports/ReportBands.h"

namespace velkor {

/// The main-account report ("Genel Yazdır" of the main-account sheet): A4 portrait, one
/// line of totals per main account and the grand totals over all rows.
class AnaHesapReport : public HeadedReport {
public:
    /// `accountTotals` is the per-main-account totals, `totals` the one-row grand totals;
    /// both are read, not copied, and must outlive the report.
    AnaHesapReport(const CompanyHeading& company, const Dataset& accountTotals, const Dataset& totals,
                   const QDateTime& printedAt);

    QString name() const override { return QStringLiteral("AnaHesapReport"); }

protected:
    HeadingGeometry headingGeometry() const override;
    PrintBand pageHeaderBand() const override;
    int rowCount() const override;
    PrintBand masterBand(int row) const override;
    PrintBand summaryBand() const override;
    PrintBand pageFooterBand(int page, int pages) const override;
    double pageFooterHeight() const override { return 22; }

private:
    DatasetColumns m_accounts;
    DatasetColumns m_totals;
};

} // namespace velkor
