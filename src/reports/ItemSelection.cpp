#include "reports/ItemSelection.h"

#include "reports/ItemRow.h"

namespace velkor {

QStringList itemSelectionSql(const AccountFilter& filter) {
    QStringList lines{QStringLiteral("SELECT * FROM sabit_kiymet")};
    if (!filter.isEmpty())
        lines << filter.whereLine;
    lines << QStringLiteral("ORDER BY anahesapkodu, sbk_kodu");
    return lines;
}

QStringList itemRowSelectionSql(const AccountFilter& filter) {
    QStringList lines = itemSelectionSql(filter);
    lines.first() = QStringLiteral("SELECT ") + itemRowColumns().join(QStringLiteral(", ")) +
                    QStringLiteral(" FROM sabit_kiymet");
    return lines;
}

} // namespace velkor
