#include "storage/ReferenceUpdate.h"

#include "base/NumberFormat.h"
#include "storage/ReferenceHistory.h"
#include "storage/ReferenceTables.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QDateTime>

namespace velkor {

namespace {

bool splitMonth(const QString& key, int& year, int& month) {
    const QStringList parts = key.split(QLatin1Char('-'));
    bool okYear = false, okMonth = false;
    if (parts.size() == 2) {
        year = parts[0].toInt(&okYear);
        month = parts[1].toInt(&okMonth);
    }
    return okYear && okMonth && month >= 1 && month <= 12;
}

// Lays the user's rows over the shipped ones and describes each kept row.
QStringList keepUserRows(Database& rates, ReferenceTables& tables) {
    QStringList kept;
    for (const auto& [table, key] : userChangedKeys(rates)) {
        int year = 0, month = 0;
        if (table == referencetable::kIndex && splitMonth(key, year, month)) {
            const QVariant value = rates.scalar(
                QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=? ORDER BY Kimlik LIMIT 1"),
                {(QString::number(year) + QString::number(month)).toInt()});
            if (value.isNull())
                continue;
            tables.index[year][month] = value.toDouble();
            kept
                << QStringLiteral("Yİ-ÜFE %1: %2").arg(key, FormatFloat(patterns::kAmount, value.toDouble()));
        } else if (table == referencetable::kInterest && splitMonth(key, year, month)) {
            const QVariant value = rates.scalar(
                QStringLiteral("SELECT %1 FROM Ortalama_Faiz WHERE Yil=? ORDER BY Kimlik LIMIT 1")
                    .arg(monthColumns().at(month - 1)),
                {year});
            if (value.isNull())
                continue;
            tables.interest[year][month] = value.toDouble();
            // The yearly figure follows the months again.
            tables.interestYearly.erase(year);
            kept << QStringLiteral("Ortalama faiz %1: %2")
                        .arg(key, FormatFloat(patterns::kAmount, value.toDouble()));
        } else if (table == referencetable::kDepreciation) {
            Statement select(rates, QStringLiteral("SELECT %1 FROM Amortisman_Oranlari WHERE tum_kodu=? "
                                                   "ORDER BY Kimlik LIMIT 1")
                                        .arg(depreciationColumns().join(QLatin1Char(','))));
            select.bind(1, key);
            if (!select.step())
                continue;
            QVariantList row;
            for (int i = 0; i < depreciationColumns().size(); ++i)
                row << select.value(i);
            auto same =
                std::find_if(tables.depreciation.begin(), tables.depreciation.end(),
                             [&](const QVariantList& r) { return r[kDepreciationCodeColumn] == key; });
            if (same != tables.depreciation.end())
                *same = row;
            else
                tables.depreciation.push_back(row);
            kept << QStringLiteral("Amortisman %1: %2").arg(key, row[5].toString().left(60));
        }
    }
    return kept;
}

} // namespace

ReferenceUpdate updateReferenceTables(Database& rates, bool force) {
    ReferenceUpdate update;
    update.fromVersion = storedReferenceVersion(rates);
    update.toVersion = kReferenceDataVersion;
    if (!force && update.fromVersion >= kReferenceDataVersion)
        return update;

    Transaction transaction(rates);
    ensureReferenceHistoryTables(rates);
    ReferenceTables tables = shippedReferenceTables();
    update.keptRows = keepUserRows(rates, tables);
    writeReferenceTables(rates, tables);
    setStoredReferenceVersion(rates, kReferenceDataVersion);
    recordReferenceChange(rates, {QDateTime::currentDateTime(), referencetable::kVersion,
                                  QString::number(kReferenceDataVersion), QString::number(update.fromVersion),
                                  QString::number(kReferenceDataVersion),
                                  QStringLiteral("Programla gelen başvuru verileri")});
    transaction.commit();
    update.updated = true;
    return update;
}

QString referenceUpdateMessage(const ReferenceUpdate& update) {
    QString text = QStringLiteral("Endeks, faiz ve amortisman tabloları programla gelen güncel verilerle "
                                  "yenilendi (veri sürümü %1 → %2).")
                       .arg(update.fromVersion)
                       .arg(update.toVersion);
    if (!update.keptRows.isEmpty())
        text += QStringLiteral("\nSizin eklediğiniz ya da düzelttiğiniz şu satırlar korundu:\n") +
                update.keptRows.join(QLatin1Char('\n'));
    return text;
}

void updateShippedReferenceData(Connection& rates, Prompt& prompt) {
    rates.ensureOpen();
    const ReferenceUpdate update = updateReferenceTables(rates.database());
    if (!update.updated)
        return;
    rates.close();
    rates.open();
    prompt.showMessage(referenceUpdateMessage(update), {}, PromptIcon::Information);
}

} // namespace velkor
