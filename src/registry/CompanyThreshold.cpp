#include "registry/CompanyThreshold.h"

#include "storage/Connection.h"
#include "storage/SchemaUpgrade.h"
#include "storage/Statement.h"

namespace velkor {

CompanyThreshold readCompanyThreshold(Connection& general, const QString& code) {
    general.ensureOpen();
    Database& db = general.database();
    CompanyThreshold threshold;
    if (!hasColumn(db, QStringLiteral("firmalar"), QStringLiteral("brut_satis_2023")))
        return threshold;
    Statement row(db, QStringLiteral("SELECT brut_satis_2023, kiymetli_maden FROM firmalar WHERE kodu = ? "
                                     "ORDER BY fid LIMIT 1"));
    row.bindAll({code});
    if (!row.step())
        return threshold;
    if (!row.value(0).isNull())
        threshold.grossSales2023 = row.value(0).toDouble();
    threshold.preciousMetalDealer = row.value(1).toInt() != 0;
    return threshold;
}

} // namespace velkor
