#include "reports/CompanyHeading.h"

#include "storage/Connection.h"
#include "storage/Statement.h"

namespace velkor {

QString CompanyHeading::addressLines() const {
    // A company registered without district and city gets no lone "/".
    if (district.isEmpty() && city.isEmpty())
        return address;
    return address + QLatin1Char('\n') + district + QLatin1Char('/') + city;
}

CompanyHeading registeredCompanyHeading(Connection& general, const QString& code) {
    Statement statement(
        general.database(),
        QStringLiteral("SELECT firmaadi, adres, ilce, il FROM firmalar WHERE kodu=? ORDER BY fid"));
    statement.bind(1, code);
    CompanyHeading heading;
    heading.code = code;
    if (statement.step()) {
        heading.name = statement.value(0).toString();
        heading.address = statement.value(1).toString();
        heading.district = statement.value(2).toString();
        heading.city = statement.value(3).toString();
    }
    return heading;
}

PrintBand companyHeadingBand(const CompanyHeading& company, const QDateTime& printedAt,
                             const HeadingGeometry& geometry) {
    const PrintFont bold12{QStringLiteral("Times New Roman"), 12, true};
    const PrintFont bold9{QStringLiteral("Times New Roman"), 9, true};
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

    PrintBand band;
    band.height = geometry.bandHeight;
    band.add(36, 2, 120, 20, QStringLiteral("İşveren Ünvanı"), bold12, topLeft);
    band.add(158, 2, 12, 20, QStringLiteral(":"), bold12, topLeft);
    PrintCell& name = band.add(172, 2, geometry.nameWidth, 20, company.name, bold12, topLeft);
    name.wordWrap = true;
    name.grows = true;
    // A name on more than one line pushes the address down rather than over it.
    const int nameCell = int(band.cells.size()) - 1;
    band.add(36, 24, 120, 20, QStringLiteral("İşveren Adresi"), bold12, topLeft).below = nameCell;
    band.add(158, 24, 12, 20, QStringLiteral(":"), bold12, topLeft).below = nameCell;
    PrintCell& address = band.add(172, 24, geometry.addressWidth, geometry.addressHeight,
                                  company.addressLines(), bold12, topLeft);
    address.wordWrap = true;
    address.grows = true;
    address.below = nameCell;
    const int addressCell = int(band.cells.size()) - 1;
    band.add(geometry.dateX, geometry.dateY, 88, 16, printedAt.date().toString(QStringLiteral("dd.MM.yyyy")),
             bold9, topLeft);
    band.add(geometry.dateX, geometry.dateY + 24, 88, 16,
             printedAt.time().toString(QStringLiteral("HH:mm:ss")), bold9, topLeft);
    if (geometry.titleWidth > 0) {
        PrintCell& title = band.add(36, geometry.titleY, geometry.titleWidth, 37, kReportTitle, bold12,
                                    Qt::AlignHCenter | Qt::AlignVCenter);
        title.fill = Qt::white;
        title.below = addressCell;
    }
    return band;
}

} // namespace velkor
