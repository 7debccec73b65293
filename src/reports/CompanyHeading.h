#pragma once

#include "reports/PrintBand.h"

#include <QDateTime>
#include <QString>

namespace velkor {

class Connection;

/// The company a printed report is headed with: `firmaadi`, `adres`, `ilce`, `il` of
/// its registry row.
struct CompanyHeading {
    QString code; ///< `kodu`, for the default names of saved files
    QString name;
    QString address;
    QString district;
    QString city;

    /// The address as printed: `adres`, then `ilce` + "/" + `il` on the second line
    /// (left out when both are empty).
    QString addressLines() const;
};

/// The heading of the company registered under the code (exact match) in the general
/// connection's registry; empty texts when no company has that code.
CompanyHeading registeredCompanyHeading(Connection& general, const QString& code);

/// Where a layout puts the parts of the company heading that differ between layouts,
/// in units from the top of the title band.
struct HeadingGeometry {
    double bandHeight = 140;
    double nameWidth = 540;
    double addressWidth = 448;
    double addressHeight = 76;
    double dateX = 624;
    double dateY = 25;
    /// The report title line; none when `titleWidth` is 0.
    double titleY = 101;
    double titleWidth = 680;
};

/// The report title printed under the company heading.
inline const QString kReportTitle = QStringLiteral("31/12/2023 ENFLASYON DÜZELTME RAPORU");

/// The report-title band of a layout: the company's name and address, the print date
/// and time, and the report title when the geometry has one.
PrintBand companyHeadingBand(const CompanyHeading& company, const QDateTime& printedAt,
                             const HeadingGeometry& geometry);

} // namespace velkor
