#include "periods/BaseRows.h"

#include "reports/ClosingStep.h"
#include "storage/Connection.h"
#include "storage/Statement.h"

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

} // namespace

QDate baseEnd() {
    return QDate(2023, 12, 31);
}

std::vector<BaseRow> readBaseRows(Database& db) {
    std::vector<BaseRow> rows;
    Statement query(db,
                    QStringLiteral("SELECT id, anahesapkodu, sbk_kodu, sbk_adi, fatura_tarihi, "
                                   "Duzeltilmis_Tutar, Duzeltilmis_Amortisman, Enflasyon_Farki, "
                                   "VUK_Son_Degeri, Hesap_Yi_UFE_Tarihi, vuk_amortisman_sure, "
                                   "vuk_amortisman_yontem, amortisman_kodu, Hesaplama_Yontemi, SBK_Diger, "
                                   "ROFM_Tutar FROM sabit_kiymet ORDER BY id"));
    while (query.step()) {
        BaseRow row;
        row.id = query.value(0).toLongLong();
        row.mainAccount = query.value(1).toString().trimmed();
        row.subAccount = query.value(2).toString();
        row.name = query.value(3).toString();
        row.entryDate = query.value(4).toDate();
        row.adjustedValue = amount(query.value(5));
        row.adjustedDepreciation = amount(query.value(6));
        row.difference = amount(query.value(7));
        row.bookValue = amount(query.value(8));
        row.adjustmentDate = query.value(9).toDate();
        row.usefulLife = query.value(10).toInt();
        row.depreciationMethod = query.value(11).toString();
        row.depreciationAccount = query.value(12).toString();
        row.stockMethod = query.value(13).toString();
        row.kind = query.value(14).toString();
        // The closing step writes "KAR" or "ZARAR" as the sub-account of the 698 and 697 rows.
        if (row.mainAccount == QLatin1String("698") || row.mainAccount == QLatin1String("697"))
            row.closingText = row.subAccount;
        row.rofm = amount(query.value(15));
        rows.push_back(row);
    }
    return rows;
}

std::vector<BaseRow> currentBaseRows(Connection& company) {
    KarZarar698Ayarla(company, baseEnd());
    return readBaseRows(company.database());
}

} // namespace velkor
