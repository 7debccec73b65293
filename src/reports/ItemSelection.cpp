#include "reports/ItemSelection.h"

namespace velkor {

QStringList itemSelectionSql(const AccountFilter& filter) {
    QStringList lines{QStringLiteral("SELECT * FROM sabit_kiymet")};
    if (!filter.isEmpty())
        lines << filter.whereLine;
    lines << QStringLiteral("ORDER BY anahesapkodu, sbk_kodu");
    return lines;
}

} // namespace velkor
