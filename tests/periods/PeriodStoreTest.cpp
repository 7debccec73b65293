#include "PeriodStorageFixture.h"

#include "periods/PeriodStore.h"
#include "periods/PeriodWork.h"
#include "storage/Transaction.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

const QDate kYearEnd(2024, 12, 31);

class PeriodStoreTest : public ::testing::Test {
protected:
    Database& db() { return home.context().company().database(); }

    qint64 periodId() {
        if (const std::optional<Period> period = readPeriod(db(), kYearEnd))
            return period->id;
        return work.add(kYearEnd, home.prompt())->id;
    }

    void write(std::vector<PeriodLine>& lines) {
        const qint64 id = periodId();
        Transaction transaction(db());
        writeLines(db(), id, lines);
        transaction.commit();
    }

    // Rows inserted, updated or deleted on the company connection so far.
    qint64 changes() { return db().scalar(QStringLiteral("SELECT total_changes()")).toLongLong(); }

    qint64 baseItemOf(const QString& account) {
        return db()
            .scalar(QStringLiteral("SELECT min(id) FROM sabit_kiymet WHERE anahesapkodu = ?"), {account})
            .toLongLong();
    }

    EarlierCompanyHome home;
    PeriodWork work{home.context()};
};

// Every field set, and every field left empty: what is read back is what was written.
TEST_F(PeriodStoreTest, TheStoredLinesReadBackFieldByField) {
    PeriodLine full;
    full.baseItemId = 7;
    full.previousLineId = 3;
    full.account = QStringLiteral("253");
    full.subAccount = QStringLiteral("001");
    full.name = QStringLiteral("TORNA TEZGAHI ŞÖİĞÜ");
    full.status = LineStatus::NotComputed;
    full.interrupted = true;
    full.lastAdjustedEnd = QDate(2024, 6, 30);
    full.stockMethod = PeriodStockMethod::MovingWeightedAverage;
    full.entryDate = QDate(2019, 2, 28);
    full.disposalDate = QDate(2024, 11, 15);
    full.remainingShare = 0.0;
    full.remainingAmount = 1234.56;
    full.usefulLife = 5;
    full.depreciationMethod = QStringLiteral("Azalan");
    full.depreciationAccount = QStringLiteral("257.01");
    full.expenseAccount = QStringLiteral("730");
    full.notAdjusted = true;
    full.transferSource = QStringLiteral("520");
    full.bookValue = 138470.0;
    full.accumulatedOfQ = 27694.0;
    full.typedPeriodDepreciation = 11539.15;
    full.typedOldMonthly = 2307.83;
    full.previousNewMonthly = 2757.7;
    full.bookedSinceQ = 0.01;
    full.coefficient = 1.19493;
    full.adjustedValue = 165461.96;
    full.difference = -26991.96;
    full.periodDepreciation = 13846.98;
    full.periodDepreciationComputed = true;
    full.accumulatedBefore = 39233.15;
    full.adjustedAccumulated = 46880.87;
    full.accumulatedDifference = 7647.72;
    full.oldMonthly = 2307.83;
    full.newMonthly = 2757.7;
    full.catchUpMonths = 5;
    full.catchUp = 2249.35;
    full.lastMonthDepreciation = 2757.7;
    full.closingAccumulated = 51888.57;
    full.explanation = QStringLiteral("satır 1\nsatır 2");
    full.notes = {QStringLiteral("Devreden (ara verilmiş)"), QStringLiteral("İç aktarım")};

    PeriodLine empty;
    empty.expenseAccount.clear();
    std::vector<PeriodLine> lines{full, empty};
    write(lines);
    const std::vector<PeriodLine> read = readLines(db(), periodId());
    ASSERT_EQ(read.size(), 2u);
    EXPECT_GT(lines[0].id, 0);
    EXPECT_TRUE(read[0] == lines[0]);
    EXPECT_TRUE(read[1] == lines[1]);
    EXPECT_FALSE(read[1].remainingShare);
    EXPECT_FALSE(read[1].entryDate.isValid());
    EXPECT_EQ(read[0].remainingShare, 0.0);
}

TEST_F(PeriodStoreTest, ASaveWritesOnlyTheLinesThatDiffer) {
    const qint64 id = periodId();
    std::vector<PeriodLine> lines = work.calculate(kYearEnd).lines;
    ASSERT_GE(lines.size(), 3u);
    qint64 before = changes();
    write(lines);
    EXPECT_EQ(changes() - before, static_cast<qint64>(lines.size()));

    before = changes();
    write(lines);
    EXPECT_EQ(changes() - before, 0);

    lines[1].adjustedValue += 0.01;
    lines[2].notes << QStringLiteral("Yeni not");
    before = changes();
    write(lines);
    EXPECT_EQ(changes() - before, 2);
    const std::vector<PeriodLine> read = readLines(db(), id);
    EXPECT_DOUBLE_EQ(read[1].adjustedValue, lines[1].adjustedValue);
    EXPECT_EQ(read[2].notes, lines[2].notes);

    // Of two lines of one id the later one is stored, also when it is the one that equals the
    // stored row.
    std::vector<PeriodLine> twice{lines[0], lines[0]};
    twice[1].name = QStringLiteral("SONRAKİ");
    for (int round = 0; round < 2; ++round) {
        write(twice);
        const std::vector<PeriodLine> stored = readLines(db(), id);
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].name, QStringLiteral("SONRAKİ"));
    }
}

// The saved period lists the 31.12.2023 rows it left out as the computation found them; the
// rows it carried are its lines until the next "Hesapla" carries them afresh.
TEST_F(PeriodStoreTest, AStoredPeriodListsThe2023RowsItLeftOut) {
    periodId();
    db().execute(QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, fatura_tarihi, "
                                "Hesap_Yi_UFE_Tarihi, VUK_Son_Degeri, Duzeltilmis_Tutar) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                 {QStringLiteral("255"), QStringLiteral("099"), QStringLiteral("YAZICI"), QDate(2023, 3, 1),
                  QDate(2023, 6, 30), 1000.0, 1200.0});
    const PeriodView computed = work.calculate(kYearEnd);
    ASSERT_EQ(computed.leftOut.size(), 1u);
    EXPECT_EQ(computed.leftOut[0].name, QStringLiteral("YAZICI"));
    work.save(computed);

    PeriodView loaded = work.load(kYearEnd);
    ASSERT_EQ(loaded.leftOut.size(), 1u);
    EXPECT_EQ(loaded.leftOut[0].baseItemId, computed.leftOut[0].baseItemId);
    EXPECT_EQ(loaded.leftOut[0].reason, computed.leftOut[0].reason);
    EXPECT_EQ(loaded.lines.size(), computed.lines.size());

    const qint64 machine = baseItemOf(QStringLiteral("253"));
    ASSERT_GT(machine, 0);
    db().execute(QStringLiteral("UPDATE sabit_kiymet SET Hesap_Yi_UFE_Tarihi = ? WHERE id = ?"),
                 {QDate(2023, 9, 30), machine});
    loaded = work.load(kYearEnd);
    EXPECT_EQ(loaded.leftOut.size(), 1u);
    const PeriodView again = work.calculate(kYearEnd);
    ASSERT_EQ(again.leftOut.size(), 2u);
    EXPECT_EQ(again.lines.size(), computed.lines.size() - 1);
}

} // namespace
