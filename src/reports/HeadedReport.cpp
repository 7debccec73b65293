#include "reports/HeadedReport.h"

namespace velkor {

HeadedReport::HeadedReport(QPageLayout::Orientation orientation, const CompanyHeading& company,
                           const QDateTime& printedAt)
    : BandedReport(orientation), m_company(company), m_printedAt(printedAt) {}

PrintBand HeadedReport::titleBand() const {
    return companyHeadingBand(m_company, m_printedAt, headingGeometry());
}

} // namespace velkor
