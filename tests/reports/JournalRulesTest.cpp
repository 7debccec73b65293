#include "reports/JournalRules.h"
#include "base/TextHelpers.h"
#include "reports/JournalLayout.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

ItemRow item(const QString& account, const QString& sub, double value, double difference,
             const QString& kind = {}, const QString& rowKind = QStringLiteral("Diger")) {
    ItemRow row;
    row.mainAccount = account;
    row.accountNumber = ParseAmount(account);
    row.subAccount = sub;
    row.name = QStringLiteral("KALEM ") + account;
    row.registeredValue = value;
    row.adjustedAmount = value + difference;
    row.difference = difference;
    row.entryIndex = 100;
    row.accountIndex = 250;
    row.kind = kind;
    row.rowKind = rowKind;
    return row;
}

JournalEntry single(const ItemRow& row) {
    const auto entries = itemEntries(row);
    EXPECT_EQ(entries.size(), 1u);
    return entries.empty() ? JournalEntry{} : entries.front();
}

} // namespace

TEST(JournalRules, ConstructionStocksAndLiabilitiesGoAgainst697) {
    const JournalEntry stock = single(item("171", "01", 1000, 500));
    EXPECT_EQ(stock.debitAccount, "171.01");
    EXPECT_EQ(stock.creditAccount, "697");
    EXPECT_EQ(stock.creditDescription, "YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI");

    const JournalEntry liability = single(item("352", "01", 1000, 500));
    EXPECT_EQ(liability.debitAccount, "697");
    EXPECT_EQ(liability.creditAccount, "352.01");

    // Only 170 to 177 and 350 to 357 use 697.
    EXPECT_EQ(single(item("180", "01", 1000, 500)).creditAccount, "698");
    EXPECT_TRUE(itemEntries(item("178", "01", 1000, 500)).empty());
    EXPECT_TRUE(itemEntries(item("358", "01", 1000, 500)).empty());
    EXPECT_EQ(single(item("340", "01", 1000, 500)).debitAccount, "698");
}

TEST(JournalRules, StocksAndFixedAssetsAreDebitedAgainst698) {
    for (const char* account : {"153", "253"}) {
        const JournalEntry entry = single(item(account, "01", 1000, 500));
        EXPECT_EQ(entry.debitAccount, QString::fromLatin1(account) + ".01");
        EXPECT_EQ(entry.debitDescription, "KALEM " + QString::fromLatin1(account));
        EXPECT_EQ(entry.creditAccount, "698");
        EXPECT_EQ(entry.creditDescription, "ENFLASYON DÜZELTME HESABI");
        EXPECT_EQ(entry.amount, 500);
    }
}

TEST(JournalRules, PaidInCapitalByKind) {
    const JournalEntry cash = single(item("500", "01", 1000, 800, "Nakti"));
    EXPECT_EQ(cash.debitAccount, "698");
    EXPECT_EQ(cash.creditAccount, "502.01");
    EXPECT_EQ(cash.explanation.last(), "Nakti sermaye ödemesi olarak ödeme tarihi esas alınmıştır.");

    const JournalEntry fromFunds = single(item("500", "01", 1000, 800, "522"));
    EXPECT_EQ(fromFunds.debitAccount, "503.01");
    EXPECT_EQ(fromFunds.creditAccount, "698");
    EXPECT_EQ(fromFunds.explanation.last(),
              "522/523/524 Hesaplardan Yapılan Sermaye Artırımı Nedeniyle artırım "
              "yapılmamış 503 hesaba işlenmiştir.");
}

TEST(JournalRules, ClosingKindRowsTakeTheirSides) {
    const QString note =
        QStringLiteral("Geçmiş yıllar ve dönem kar zararları ile MDVD fonları kapatılmıştır.");
    for (const char* account : {"570", "590"}) {
        ItemRow row = item(account, "01", 500, 500, "KarKapama");
        row.entryIndex = row.accountIndex = -1;
        const JournalEntry entry = single(row);
        EXPECT_EQ(entry.debitAccount, QString::fromLatin1(account) + ".01");
        EXPECT_EQ(entry.creditAccount, "698");
        EXPECT_EQ(entry.explanation.last(), note);
        // The stored coefficient -1 of a closing-kind row never shows.
        EXPECT_EQ(entry.explanation.first(),
                  "Varlık Net Değeri (500,00) X (1,00000) Katsayı ile Düzeltilmiştir.");
    }
    for (const char* account : {"522", "523", "524"}) {
        const JournalEntry entry = single(item(account, "01", 500, 500, "MDVDKapama"));
        EXPECT_EQ(entry.debitAccount, QString::fromLatin1(account) + ".01");
        EXPECT_EQ(entry.explanation.last(), note);
    }
    for (const char* account : {"580", "591"}) {
        const JournalEntry entry = single(item(account, "01", 300, 300, "ZararKapama"));
        EXPECT_EQ(entry.debitAccount, "698");
        EXPECT_EQ(entry.creditAccount, QString::fromLatin1(account) + ".01");
        EXPECT_EQ(entry.explanation.size(), 1) << "no kind note for ZararKapama";
    }
}

TEST(JournalRules, IneligibleRowsGiveNothingNotEvenDepreciation) {
    ItemRow noDifference = item("253", "01", 1000, 0, {}, "SBK");
    noDifference.depreciationDifference = 50;
    EXPECT_TRUE(itemEntries(noDifference).empty());
    ItemRow negative = item("253", "01", 1000, -10, {}, "SBK");
    negative.depreciationDifference = 50;
    EXPECT_TRUE(itemEntries(negative).empty());
    ItemRow noValue = item("253", "01", 0, 100, {}, "SBK");
    noValue.depreciationDifference = 50;
    EXPECT_TRUE(itemEntries(noValue).empty());
    EXPECT_TRUE(itemEntries(item("257", "253", 100, 50)).empty());
    EXPECT_TRUE(itemEntries(item("268", "260", 100, 50)).empty());
}

TEST(JournalRules, DepreciationEntryOnlyForFixedAssets) {
    ItemRow machine = item("255", "01", 1000, 1500, {}, "SBK");
    machine.accumulatedDepreciation = 400;
    machine.depreciationDifference = 600;
    auto entries = itemEntries(machine);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].debitAccount, "698");
    EXPECT_EQ(entries[1].creditAccount, "257");
    EXPECT_EQ(entries[1].creditDescription, "AMORTİSMAN HESABI (255.01)");
    EXPECT_EQ(entries[1].amount, 600);
    EXPECT_EQ(entries[1].explanation,
              QStringList{"Birikmiş Amortisman (400,00) X (1,50000) Varlık Artış Oranı ile Düzeltilmiştir."});

    ItemRow right = item("260", "01", 1000, 1500, {}, "SBK");
    right.depreciationDifference = 10;
    entries = itemEntries(right);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].creditAccount, "268");

    ItemRow stock = item("153", "01", 1000, 1500);
    stock.depreciationDifference = 10;
    EXPECT_EQ(itemEntries(stock).size(), 1u);
}

TEST(JournalRules, TextsAreCutOnlyWhereTheRulesSay) {
    ItemRow row = item("253", "0123456789AB", 1000, 10, {}, "SBK");
    row.name = QString(45, QLatin1Char('X'));
    row.depreciationDifference = 1;
    const auto entries = itemEntries(row);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].debitAccount, "253.01234567");
    EXPECT_EQ(entries[0].debitDescription, QString(40, QLatin1Char('X')));
    EXPECT_EQ(entries[1].creditDescription, "AMORTİSMAN HESABI (253.0123456789AB)");

    // A description longer than its column shifts the amount instead of being cut.
    const QString line = journalPostingLine(entries[1].creditAccount, entries[1].creditDescription, 1);
    EXPECT_EQ(line, "257          AMORTİSMAN HESABI (253.0123456789AB)                        1,00");
}

TEST(JournalRules, ExplanationLinesInTheirOrder) {
    ItemRow row = item("253", "01", 10000, 5000, {}, "SBK");
    row.financingInterest = 1000;
    row.financingMethod = QStringLiteral("Toplam");
    row.realFinancing = 400;
    row.realCoefficient = 1.23456;
    row.financingCost = 600;
    row.revalued = true;
    row.revaluationDate = QDate(2021, 12, 31);
    row.unseparatedDepreciation = 12.5;
    row.entryIndex = 300;
    row.accountIndex = 1000;
    EXPECT_EQ(single(row).explanation,
              (QStringList{"Varlık Net Değeri (9.000,00) X (3,33333) Katsayı ile Düzeltilmiştir.",
                           "ROFM \"Toplam Finansman\" Yöntemi ile Reel Faiz (400,00) X (1,23456) Katsayı ile "
                           "Düzeltilmiştir.",
                           "ROFM (600,00) TL varlık tutarından çıkarılmıştır.",
                           "Varlık daha önce 31.12.2021 tarihinde MDVD yapılmıştır. Düzeltmede bu tarih esas "
                           "alınmıştır.",
                           "ROFM nin İtfa Olunmayan Kısmı (12,50TL) dir."}));

    // An unknown method keeps the ROFM amount line but drops the method line.
    row.financingMethod = QStringLiteral("borc");
    EXPECT_EQ(single(row).explanation.at(1), "ROFM (600,00) TL varlık tutarından çıkarılmıştır.");
}

TEST(JournalRules, SimpleAverageStockShowsTheCoefficientItWasAdjustedWith) {
    // With G 2.749,98 and H 2.915,02, H / G is 1,06001 while the simple average adjusts
    // with H / ((G + H) / 2) = 1,02913: 480.000,00 became 493.982,40.
    ItemRow row = item("153", "02", 480000, 13982.40, QStringLiteral("Basit"));
    row.entryIndex = 2749.98;
    row.accountIndex = 2915.02;
    row.storedCoefficient = 1.02913;
    const QString sentence =
        QStringLiteral("Varlık Net Değeri (480.000,00) X (1,02913) Katsayı ile Düzeltilmiştir.");
    EXPECT_EQ(single(row).explanation.first(), sentence);

    // A row stored without its coefficient gets the same one from its indexes.
    row.storedCoefficient.reset();
    EXPECT_EQ(single(row).explanation.first(), sentence);

    // Every other method keeps the coefficient recomputed from the indexes.
    row.kind = QStringLiteral("Gercek");
    row.storedCoefficient = 1.5;
    EXPECT_EQ(single(row).explanation.first(),
              "Varlık Net Değeri (480.000,00) X (1,06001) Katsayı ile Düzeltilmiştir.");
}

TEST(JournalRules, KindNotesMatchExactly) {
    EXPECT_EQ(kindNote("Ayni"),
              "Ayni Olarak Konan Sermaye olarak Mülkiyetin İntikal Ettiği Tarih esas alınmıştır.");
    EXPECT_EQ(kindNote("525"),
              "525 Hesaptan Sermayeye İlave Edilmiş Olan Tutarlar Sermaye Artırımının Tescil "
              "Tarihi alınmıştır.");
    EXPECT_EQ(kindNote("NormalBirlesme"),
              "Normal Vergili Birleşmelerde Yeni Şirketin Kayıtlarına İntikal Ettiği Tarih alınmıştır.");
    EXPECT_EQ(kindNote("Bolunme"),
              "Tam, Kısmi Bölünme ve Nevi Değişikliğinden devrolan işletmenin envanterine "
              "alındığı tarih alınmıştır.");
    for (const char* none : {"549", "ZararKapama", "", "Gercek", "nakti"})
        EXPECT_EQ(kindNote(QString::fromUtf8(none)), QString()) << none;
}

TEST(JournalRules, ClosingRowsOf698And697) {
    ItemRow profit = item("698", "KAR", 200, 1500);
    ASSERT_TRUE(isClosingRow(profit));
    auto entry = closingEntry(profit);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->debitAccount, "698");
    EXPECT_EQ(entry->creditAccount, "570.698");
    EXPECT_EQ(entry->creditDescription, "ENFLASYON DÜZELTME KARI");
    EXPECT_EQ(entry->amount, 1500);
    EXPECT_EQ(entry->explanation, QStringList{"ENFLASYON DÜZELTME KARI GEÇMİŞ DÖNEM KARLARINA VİRMANI"});

    ItemRow loss = item("698", "ZARAR", 200, -1500);
    entry = closingEntry(loss);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->debitAccount, "580.698");
    EXPECT_EQ(entry->debitDescription, "ENFLASYON DÜZELTME ZARARI");
    EXPECT_EQ(entry->creditAccount, "698");
    EXPECT_EQ(entry->amount, 1500);

    entry = closingEntry(item("697", "KAR", 0, 70));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->debitAccount, "697");
    EXPECT_EQ(entry->creditAccount, "358.697");
    EXPECT_EQ(entry->amount, 70);
    entry = closingEntry(item("697", "ZARAR", 0, -70));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->debitAccount, "178.697");
    EXPECT_EQ(entry->creditAccount, "697");
    EXPECT_EQ(entry->debitDescription, "YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI");
    EXPECT_EQ(entry->amount, 70);
    EXPECT_EQ(entry->explanation, QStringList{"YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI VİRMANI"});

    for (const char* other : {"178", "358", "600", "689", "699"}) {
        ASSERT_TRUE(isClosingRow(item(other, "KAR", 10, 10))) << other;
        EXPECT_FALSE(closingEntry(item(other, "KAR", 10, 10))) << other;
    }
}

TEST(JournalLayout, BlockLinesHaveTheirWidths) {
    JournalEntry entry;
    entry.debitAccount = "253.01";
    entry.debitDescription = "TORNA";
    entry.creditAccount = "698";
    entry.creditDescription = "ENFLASYON DÜZELTME HESABI";
    entry.amount = -1234567.891;
    entry.explanation << "A"
                      << "B";
    QStringList lines;
    appendEntryBlock(lines, entry);
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QString(42, '-') + "31/12/2023" + QString(42, '-'));
    EXPECT_EQ(lines[0].size(), 94);
    EXPECT_EQ(lines[1], "253.01       TORNA                                              -1.234.567,89");
    EXPECT_EQ(lines[1].size(), 77);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], QString(16, ' ') +
                            "698          ENFLASYON DÜZELTME HESABI                          -1.234.567,89");
    EXPECT_EQ(lines[3].size(), 93);
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines.mid(5), (QStringList{"A", "B"}));
}
