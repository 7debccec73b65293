#pragma once

#include "reports/BandedReport.h"
#include "reports/CompanyHeading.h"

#include <QDateTime>

namespace velkor {

/// A banded layout whose report title is the company heading: the company's name and
/// address and the print date, placed as the layout's heading geometry says.
class HeadedReport : public BandedReport {
protected:
    HeadedReport(QPageLayout::Orientation orientation, const CompanyHeading& company,
                 const QDateTime& printedAt);

    /// Where the heading's texts stand in this layout.
    virtual HeadingGeometry headingGeometry() const = 0;
    PrintBand titleBand() const final;

private:
    CompanyHeading m_company;
    QDateTime m_printedAt;
};

} // namespace velkor
