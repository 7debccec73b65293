#include "storage/ReferenceData.h"

#include "storage/ReferenceHistory.h"
#include "storage/ReferenceTables.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

namespace velkor {

void fillReferenceData(Database& rates) {
    Transaction transaction(rates);
    writeReferenceTables(rates, shippedReferenceTables());
    setStoredReferenceVersion(rates, kReferenceDataVersion);
    transaction.commit();
}

void DuzeltmeVeritabanAktar(Database& rates) {
    Transaction transaction(rates);
    Statement years(rates, QStringLiteral("SELECT Yil, %1 FROM YI_UFE ORDER BY Yil ASC")
                               .arg(monthColumns().join(QLatin1Char(','))));
    Statement find(rates,
                   QStringLiteral("SELECT Kimlik FROM YI_UFE_Yeni WHERE YilAy=? ORDER BY Kimlik LIMIT 1"));
    Statement update(rates, QStringLiteral("UPDATE YI_UFE_Yeni SET YilAy=?, Yi_UFE=? WHERE Kimlik=?"));
    Statement insert(rates, QStringLiteral("INSERT INTO YI_UFE_Yeni (YilAy, Yi_UFE) VALUES (?, ?)"));
    while (years.step()) {
        const QString year = QString::number(years.value(0).toLongLong());
        for (int month = 1; month <= 12; ++month) {
            const int key = (year + QString::number(month)).toInt();
            const double value = years.value(month).isNull() ? 0.0 : years.value(month).toDouble();
            find.reset();
            find.bind(1, key);
            if (find.step()) {
                const QVariant id = find.value(0);
                update.reset();
                update.bindAll({key, value, id});
                update.run();
            } else {
                insert.reset();
                insert.bindAll({key, value});
                insert.run();
            }
        }
    }
    transaction.commit();
}

} // namespace velkor
