#pragma once

#include "reports/HeadedReport.h"
#include "reports/ReportBands.h"

namespace velkor {

/// The general adjustment report ("Genel Yazdır" of the report sheet): A4 portrait, one
/// line per item of the report list with its registered and adjusted value and the
/// inflation difference, and the grand totals at the end.
class DuzeltmeReport : public HeadedReport {
public:
    /// `list` is the report list, `totals` the one-row grand totals; both are read, not
    /// copied, and must outlive the report.
    DuzeltmeReport(const CompanyHeading& company, const Dataset& list, const Dataset& totals,
                   const QDateTime& printedAt);

    QString name() const override { return QStringLiteral("DuzeltmeReport"); }

protected:
    /// The depreciation layout: landscape, with the three depreciation columns.
    DuzeltmeReport(const CompanyHeading& company, const Dataset& list, const Dataset& totals,
                   const QDateTime& printedAt, bool withDepreciation);

    HeadingGeometry headingGeometry() const override;
    PrintBand pageHeaderBand() const override;
    int rowCount() const override;
    PrintBand masterBand(int row) const override;
    PrintBand summaryBand() const override;
    PrintBand pageFooterBand(int page, int pages) const override;
    double pageFooterHeight() const override { return 22; }

private:
    /// The right end of the shading and the footer's width.
    double shadingRight() const;
    double footerWidth() const;

    bool m_withDepreciation;
    DatasetColumns m_list;
    DatasetColumns m_totals;
};

/// The adjustment report with depreciation ("Amortismanlı Yazdır"): A4 landscape, the
/// columns of `DuzeltmeReport` followed by the accumulated, adjusted and difference of
/// depreciation.
class DuzeltmeAmortReport : public DuzeltmeReport {
public:
    DuzeltmeAmortReport(const CompanyHeading& company, const Dataset& list, const Dataset& totals,
                        const QDateTime& printedAt);

    QString name() const override { return QStringLiteral("DuzeltmeAmortReport"); }
};

} // namespace velkor
