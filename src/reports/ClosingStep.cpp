#include "reports/ClosingStep.h"

#include "storage/Connection.h"
#include "storage/Query.h"
#include "storage/Transaction.h"

namespace velkor {

namespace {

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

// Phase 1: the whole registered value of past profits, past losses and revaluation funds
// becomes their adjustment difference, carried with a coefficient of -1 as the mark of a
// closing-kind row. The list runs this step every time it is opened: rows that already
// carry the mark are left alone, so that opening it again writes nothing to the file.
void markClosingKindRows(Database& db, const QDate& adjustmentDate) {
    const std::vector<std::pair<QString, QStringList>> kinds{
        {QStringLiteral("ZararKapama"), {"580", "591"}},
        {QStringLiteral("KarKapama"), {"570", "590"}},
        {QStringLiteral("MDVDKapama"), {"522", "523", "524"}},
    };
    for (const auto& [kind, accounts] : kinds) {
        const QVariantList marks{adjustmentDate, adjustmentDate, adjustmentDate, -1.0, -1.0, -1.0, kind};
        QVariantList params = marks;
        for (const QString& account : accounts)
            params << account;
        params << marks;
        db.execute(
            QStringLiteral("UPDATE sabit_kiymet SET Enflasyon_Farki=VUK_Son_Degeri, fatura_tarihi=?, "
                           "Giris_Yi_UFE_Tarihi=?, Hesap_Yi_UFE_Tarihi=?, Giris_Yi_UFE=?, Hesap_Yi_UFE=?, "
                           "Duzeltme_Katsayisi=?, Hesaplama_Yontemi=? WHERE anahesapkodu IN (") +
                placeholders(static_cast<int>(accounts.size())) +
                QStringLiteral(
                    ") AND NOT (Enflasyon_Farki IS VUK_Son_Degeri AND fatura_tarihi IS ? AND "
                    "Giris_Yi_UFE_Tarihi IS ? AND Hesap_Yi_UFE_Tarihi IS ? AND Giris_Yi_UFE IS ? "
                    "AND Hesap_Yi_UFE IS ? AND Duzeltme_Katsayisi IS ? AND Hesaplama_Yontemi IS ?)"),
            params);
    }
}

// Phase 2: the sums run in the order of the item list (ties in the order of the rows'
// keys, as the index on the two columns gives them), so that they come out the same to
// the last bit on every run. Reading the table in its own order and sorting the few
// columns needed is much cheaper than following the index row by row.
ClosingTotals sumRows(Connection& company) {
    Query rows(company);
    rows.setSql(
        {QStringLiteral("SELECT anahesapkodu, Hesaplama_Yontemi, Enflasyon_Farki, Amortisman_Farki, "
                        "vuk_birikmis_amortisman, Duzeltilmis_Amortisman FROM sabit_kiymet NOT INDEXED"),
         QStringLiteral("ORDER BY anahesapkodu, sbk_kodu, rowid")});
    rows.open();
    ClosingTotals totals;
    const ItemRowReader reader(rows);
    for (int i = 0; i < rows.recordCount(); ++i)
        totals.add(reader.read(i));
    return totals;
}

struct ResultRow {
    QString mainAccount;
    QString subAccount;
    QString name;
    double registeredValue;
    double adjustedAmount;
};

// Writes a result into the row found by `existing` (a row id, null when there is none),
// else into a new row. A row that already holds the result is not written again.
void writeResultRow(Database& db, const QVariant& existing, const ResultRow& row) {
    const QVariantList values{
        row.mainAccount,    row.subAccount,      row.name,
        row.adjustedAmount, row.registeredValue, row.adjustedAmount - row.registeredValue};
    if (existing.isNull()) {
        db.execute(
            QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, Duzeltilmis_Tutar, "
                           "VUK_Son_Degeri, Enflasyon_Farki) VALUES (?,?,?,?,?,?)"),
            values);
    } else {
        db.execute(QStringLiteral("UPDATE sabit_kiymet SET anahesapkodu=?, sbk_kodu=?, sbk_adi=?, "
                                  "Duzeltilmis_Tutar=?, VUK_Son_Degeri=?, Enflasyon_Farki=? WHERE id=? AND "
                                  "NOT (anahesapkodu IS ? AND sbk_kodu IS ? AND sbk_adi IS ? AND "
                                  "Duzeltilmis_Tutar IS ? AND VUK_Son_Degeri IS ? AND Enflasyon_Farki IS ?)"),
                   values + QVariantList{existing} + values);
    }
}

void writeClosingRow(Database& db, const QString& account, double gain, double loss,
                     const QString& profitName, const QString& lossName) {
    if (!(gain + loss > 0))
        return;
    const bool profit = gain - loss > 0;
    const QVariant existing = db.scalar(
        QStringLiteral("SELECT id FROM sabit_kiymet WHERE anahesapkodu=? ORDER BY id LIMIT 1"), {account});
    writeResultRow(db, existing,
                   {account, profit ? QStringLiteral("KAR") : QStringLiteral("ZARAR"),
                    profit ? profitName : lossName, loss, gain});
}

void writeSummaryRows(Database& db, const ClosingTotals& totals) {
    const auto& accounts = depreciationSummaryAccounts();
    for (size_t i = 0; i < accounts.size(); ++i) {
        const double before = totals.depreciation[i];
        const double after = totals.adjustedDepreciation[i];
        if (!(before + after > 0))
            continue;
        const DepreciationSummaryAccount& account = accounts[i];
        const QVariant existing = db.scalar(
            QStringLiteral(
                "SELECT id FROM sabit_kiymet WHERE anahesapkodu=? AND sbk_kodu=? ORDER BY id LIMIT 1"),
            {account.summaryAccount, account.assetAccount});
        writeResultRow(db, existing,
                       {account.summaryAccount, account.assetAccount, account.name, before, after});
    }
}

} // namespace

ClosingTotals KarZarar698Ayarla(Connection& company, const QDate& adjustmentDate) {
    Database& db = company.database();
    // Posting row by row would leave some rows changed after an error halfway; one
    // transaction keeps the table whole.
    Transaction transaction(db);
    markClosingKindRows(db, adjustmentDate);
    const ClosingTotals totals = sumRows(company);
    writeClosingRow(db, QStringLiteral("698"), totals.gain698, totals.loss698,
                    QStringLiteral("ENFLASYON DÜZELTME KARI"), QStringLiteral("ENFLASYON DÜZELTME ZARARI"));
    writeClosingRow(db, QStringLiteral("697"), totals.gain697, totals.loss697,
                    QStringLiteral("YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME KARI"),
                    QStringLiteral("YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME ZARARI"));
    writeSummaryRows(db, totals);
    transaction.commit();
    return totals;
}

} // namespace velkor
