#include "periods/BaseRows.h"

#include "reports/ClosingStep.h"
#include "storage/Connection.h"
#include "storage/Statement.h"

#include <algorithm>

namespace velkor {

namespace {

std::optional<double> amount(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

const QString kSelectRows = QStringLiteral(
    "SELECT id, anahesapkodu, sbk_kodu, sbk_adi, fatura_tarihi, Duzeltilmis_Tutar, Duzeltilmis_Amortisman, "
    "Enflasyon_Farki, VUK_Son_Degeri, Hesap_Yi_UFE_Tarihi, vuk_amortisman_sure, vuk_amortisman_yontem, "
    "amortisman_kodu, Hesaplama_Yontemi, SBK_Diger, ROFM_Tutar FROM sabit_kiymet ");

// Texts and dates by their type; the amounts and the life through their values, which read a
// stored text that is no number as empty.
BaseRow rowFrom(const Statement& query) {
    BaseRow row;
    row.id = query.integer(0);
    row.mainAccount = query.text(1).trimmed();
    row.subAccount = query.text(2);
    row.name = query.text(3);
    row.entryDate = query.date(4);
    row.adjustedValue = amount(query.value(5));
    row.adjustedDepreciation = amount(query.value(6));
    row.difference = amount(query.value(7));
    row.bookValue = amount(query.value(8));
    row.adjustmentDate = query.date(9);
    row.usefulLife = query.value(10).toInt();
    row.depreciationMethod = query.text(11);
    row.depreciationAccount = query.text(12);
    row.stockMethod = query.text(13);
    row.kind = query.text(14);
    // The closing step writes "KAR" or "ZARAR" as the sub-account of the 698 and 697 rows.
    if (row.mainAccount == QLatin1String("698") || row.mainAccount == QLatin1String("697"))
        row.closingText = row.subAccount;
    row.rofm = amount(query.value(15));
    return row;
}

} // namespace

QDate baseEnd() {
    return QDate(2023, 12, 31);
}

std::vector<BaseRow> readBaseRows(Database& db) {
    std::vector<BaseRow> rows;
    Statement query(db, kSelectRows + QStringLiteral("ORDER BY id"));
    while (query.step())
        rows.push_back(rowFrom(query));
    return rows;
}

std::vector<BaseRow> readBaseRowsOtherThan(Database& db, const std::unordered_set<qint64>& carried) {
    if (carried.empty())
        return readBaseRows(db);
    // The ids alone first (the engine takes them from the account index, which is far smaller
    // than the rows); only the rows not carried are read whole.
    std::vector<qint64> ids;
    {
        Statement all(db, QStringLiteral("SELECT id FROM sabit_kiymet"));
        while (all.step()) {
            if (const qint64 id = all.integer(0); !carried.contains(id))
                ids.push_back(id);
        }
    }
    std::sort(ids.begin(), ids.end());
    std::vector<BaseRow> rows;
    Statement query(db, kSelectRows + QStringLiteral("WHERE id = ?"));
    for (const qint64 id : ids) {
        query.reset();
        query.bindAll({id});
        if (query.step())
            rows.push_back(rowFrom(query));
    }
    return rows;
}

std::vector<BaseRow> currentBaseRows(Connection& company) {
    KarZarar698Ayarla(company, baseEnd());
    return readBaseRows(company.database());
}

} // namespace velkor
