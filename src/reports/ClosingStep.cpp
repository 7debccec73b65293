#include "reports/ClosingStep.h"

#include "base/TextHelpers.h"
#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"
#include "storage/WriteRefusal.h"

#include <QHash>
#include <algorithm>
#include <optional>
#include <vector>

namespace velkor {

namespace {

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

// The three kinds of closing rows and their main accounts.
const std::vector<std::pair<QString, QStringList>>& closingKinds() {
    static const std::vector<std::pair<QString, QStringList>> kinds{
        {QStringLiteral("ZararKapama"), {"580", "591"}},
        {QStringLiteral("KarKapama"), {"570", "590"}},
        {QStringLiteral("MDVDKapama"), {"522", "523", "524"}},
    };
    return kinds;
}

// The condition that picks the rows of one kind that do not carry its mark yet; its
// parameters are the kind's accounts, then the values of the mark.
QString unmarkedRows(const QStringList& accounts) {
    return QStringLiteral("WHERE anahesapkodu IN (") + placeholders(static_cast<int>(accounts.size())) +
           QStringLiteral(") AND NOT (Enflasyon_Farki IS VUK_Son_Degeri AND fatura_tarihi IS ? AND "
                          "Giris_Yi_UFE_Tarihi IS ? AND Hesap_Yi_UFE_Tarihi IS ? AND Giris_Yi_UFE IS ? "
                          "AND Hesap_Yi_UFE IS ? AND Duzeltme_Katsayisi IS ? AND Hesaplama_Yontemi IS ?)");
}

QVariantList closingMarks(const QString& kind, const QDate& adjustmentDate) {
    return {adjustmentDate, adjustmentDate, adjustmentDate, -1.0, -1.0, -1.0, kind};
}

// Phase 1: the whole registered value of past profits, past losses and revaluation funds
// becomes their adjustment difference, carried with a coefficient of -1 as the mark of a
// closing-kind row. The list runs this step every time it is opened: rows that already
// carry the mark are left alone, so that opening it again writes nothing to the file.
void markClosingKindRows(Database& db, const QDate& adjustmentDate) {
    for (const auto& [kind, accounts] : closingKinds()) {
        const QVariantList marks = closingMarks(kind, adjustmentDate);
        QVariantList params = marks;
        for (const QString& account : accounts)
            params << account;
        params << marks;
        db.execute(
            QStringLiteral("UPDATE sabit_kiymet SET Enflasyon_Farki=VUK_Son_Degeri, fatura_tarihi=?, "
                           "Giris_Yi_UFE_Tarihi=?, Hesap_Yi_UFE_Tarihi=?, Giris_Yi_UFE=?, Hesap_Yi_UFE=?, "
                           "Duzeltme_Katsayisi=?, Hesaplama_Yontemi=? ") +
                unmarkedRows(accounts),
            params);
    }
}

// Whether phase 1 would change a row, asked with the very conditions it writes under.
bool closingKindRowsPending(Database& db, const QDate& adjustmentDate) {
    for (const auto& [kind, accounts] : closingKinds()) {
        QVariantList params;
        for (const QString& account : accounts)
            params << account;
        params << closingMarks(kind, adjustmentDate);
        if (db.scalar(QStringLiteral("SELECT 1 FROM sabit_kiymet ") + unmarkedRows(accounts) +
                          QStringLiteral(" LIMIT 1"),
                      params)
                .isValid())
            return true;
    }
    return false;
}

// Phase 2: the sums run in the order of the item list, ties in the order of the rows'
// keys (as the index on the two columns gives them), so that they come out the same to
// the last bit on every run. The order comes from the index alone and the few columns
// needed from one pass over the table in its own order: following the index to every
// row, or letting the engine sort whole records, costs several times more.
ClosingTotals sumRows(Database& db) {
    // Only the fields the sums read, kept small: a whole ItemRow a row cost more to build
    // and move than the sums themselves.
    struct Summed {
        qint64 id;
        QString mainAccount;
        double accountNumber;
        QString kind;
        double difference;
        std::optional<double> depreciationDifference;
        double accumulatedDepreciation;
        double adjustedDepreciation;
    };
    std::vector<Summed> rows;
    rows.reserve(
        static_cast<size_t>(db.scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toLongLong()));
    Statement read(db, QStringLiteral("SELECT id, anahesapkodu, Hesaplama_Yontemi, Enflasyon_Farki, "
                                      "Amortisman_Farki, vuk_birikmis_amortisman, Duzeltilmis_Amortisman "
                                      "FROM sabit_kiymet NOT INDEXED ORDER BY id"));
    const auto text = [](const QVariant& v) { return v.isNull() ? QString() : v.toString(); };
    const auto number = [](const QVariant& v) { return v.isNull() ? 0.0 : v.toDouble(); };
    // Each main account is read once, and its text shared by its rows.
    QHash<QString, double> accountNumbers;
    while (read.step()) {
        const QString account = text(read.value(1));
        auto known = accountNumbers.constFind(account);
        if (known == accountNumbers.cend())
            known = accountNumbers.insert(account, ParseAmount(account));
        std::optional<double> depreciationDifference;
        if (const QVariant v = read.value(4); !v.isNull())
            depreciationDifference = v.toDouble();
        rows.push_back({read.value(0).toLongLong(), known.key(), *known, text(read.value(2)),
                        number(read.value(3)), depreciationDifference, number(read.value(5)),
                        number(read.value(6))});
    }
    ClosingTotals totals;
    ItemRow item;
    Statement order(db, QStringLiteral("SELECT id FROM sabit_kiymet ORDER BY anahesapkodu, sbk_kodu, id"));
    while (order.step()) {
        const auto at = std::lower_bound(rows.begin(), rows.end(), order.value(0).toLongLong(),
                                         [](const Summed& row, qint64 id) { return row.id < id; });
        item.mainAccount = at->mainAccount;
        item.accountNumber = at->accountNumber;
        item.kind = at->kind;
        item.difference = at->difference;
        item.depreciationDifference = at->depreciationDifference;
        item.accumulatedDepreciation = at->accumulatedDepreciation;
        item.adjustedDepreciation = at->adjustedDepreciation;
        totals.add(item);
    }
    return totals;
}

struct ResultRow {
    QVariant existing; ///< the id of the row that holds the result, null for a new row
    QString mainAccount;
    QString subAccount;
    QString name;
    double registeredValue;
    double adjustedAmount;

    QVariantList values() const {
        return {mainAccount,    subAccount,      name,
                adjustedAmount, registeredValue, adjustedAmount - registeredValue};
    }
};

const QString kResultRowHolds = QStringLiteral(
    "anahesapkodu IS ? AND sbk_kodu IS ? AND sbk_adi IS ? AND Duzeltilmis_Tutar IS ? AND VUK_Son_Degeri IS ? "
    "AND Enflasyon_Farki IS ?");

// Writes a result into its row, or into a new row when there is none. A row that already
// holds the result is not written again.
void writeResultRow(Database& db, const ResultRow& row) {
    const QVariantList values = row.values();
    if (row.existing.isNull()) {
        db.execute(
            QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, Duzeltilmis_Tutar, "
                           "VUK_Son_Degeri, Enflasyon_Farki) VALUES (?,?,?,?,?,?)"),
            values);
    } else {
        db.execute(
            QStringLiteral("UPDATE sabit_kiymet SET anahesapkodu=?, sbk_kodu=?, sbk_adi=?, "
                           "Duzeltilmis_Tutar=?, VUK_Son_Degeri=?, Enflasyon_Farki=? WHERE id=? AND NOT (") +
                kResultRowHolds + QLatin1Char(')'),
            values + QVariantList{row.existing} + values);
    }
}

bool resultRowPending(Database& db, const ResultRow& row) {
    return row.existing.isNull() ||
           db.scalar(QStringLiteral("SELECT 1 FROM sabit_kiymet WHERE id=? AND NOT (") + kResultRowHolds +
                         QStringLiteral(") LIMIT 1"),
                     QVariantList{row.existing} + row.values())
               .isValid();
}

void addClosingRow(Database& db, std::vector<ResultRow>& rows, const QString& account, double gain,
                   double loss, const QString& profitName, const QString& lossName) {
    if (!(gain + loss > 0))
        return;
    const bool profit = gain - loss > 0;
    const QVariant existing = db.scalar(
        QStringLiteral("SELECT id FROM sabit_kiymet WHERE anahesapkodu=? ORDER BY id LIMIT 1"), {account});
    rows.push_back({existing, account, profit ? QStringLiteral("KAR") : QStringLiteral("ZARAR"),
                    profit ? profitName : lossName, loss, gain});
}

// Phase 3: the rows the totals are written into, in the order they are written: the 698
// and 697 closing rows and the depreciation summary rows. Each account and summary has
// rows of its own, so finding them all before writing finds what writing one by one would.
std::vector<ResultRow> resultRows(Database& db, const ClosingTotals& totals) {
    std::vector<ResultRow> rows;
    addClosingRow(db, rows, QStringLiteral("698"), totals.gain698, totals.loss698,
                  QStringLiteral("ENFLASYON DÜZELTME KARI"), QStringLiteral("ENFLASYON DÜZELTME ZARARI"));
    addClosingRow(db, rows, QStringLiteral("697"), totals.gain697, totals.loss697,
                  QStringLiteral("YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME KARI"),
                  QStringLiteral("YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME ZARARI"));
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
        rows.push_back({existing, account.summaryAccount, account.assetAccount, account.name, before, after});
    }
    return rows;
}

// The totals when the company holds the closing step's rows already, as the last run left
// them; none when the step has rows to write.
std::optional<ClosingTotals> totalsAsStored(Database& db, const QDate& adjustmentDate) {
    // One state of the company for the whole check, also while others save.
    Transaction reading(db, TransactionKind::Read);
    if (closingKindRowsPending(db, adjustmentDate))
        return std::nullopt;
    ClosingTotals totals = sumRows(db);
    for (const ResultRow& row : resultRows(db, totals)) {
        if (resultRowPending(db, row))
            return std::nullopt;
    }
    reading.commit();
    return totals;
}

} // namespace

ClosingTotals KarZarar698Ayarla(Connection& company, const QDate& adjustmentDate) {
    Database& db = company.database();
    // Most runs find the rows as the last run left them. Finding that out by reading
    // alone writes nothing: an auditor, who may only read the office server, gets the
    // report of what the accountant prepared, and nobody waits for the writer's lock.
    if (std::optional<ClosingTotals> stored = totalsAsStored(db, adjustmentDate))
        return *stored;
    // Posting row by row would leave some rows changed after an error halfway; one
    // transaction keeps the table whole.
    try {
        Transaction transaction(db);
        markClosingKindRows(db, adjustmentDate);
        const ClosingTotals totals = sumRows(db);
        for (const ResultRow& row : resultRows(db, totals))
            writeResultRow(db, row);
        transaction.commit();
        return totals;
    } catch (const DatabaseError& error) {
        // A full disk or a busy company says so itself; only a refused write means that
        // someone who may write has to prepare the report.
        if (!isWriteRefusal(error))
            throw;
        throw DatabaseError(
            QStringLiteral("Raporun kapanış kayıtları (698, 697 ve amortisman özetleri) firmaya yazılamadı; "
                           "rapor, firmada son yapılan değişikliklerden sonra hazırlanmamış. Yalnızca okuma "
                           "yetkiniz varsa raporu yazma yetkisi olan bir kullanıcının hazırlaması gerekir. "
                           "(Ayrıntı: %1)")
                .arg(error.message()),
            error.code(), error.extendedCode());
    }
}

} // namespace velkor
