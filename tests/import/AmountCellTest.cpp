#include "import/ImportFixture.h"

namespace velkor::test {

namespace {

QString header() {
    return QStringLiteral("Kod;Alt;Ad;Tarih;Borç;Alacak;Ömür;Yöntem;Birikmiş;Amort. Hesap");
}

} // namespace

// Amount cells holding texts no amount field takes stop the import on their row and
// column with nothing written; ParseAmount alone read "1e309" as 1309, "(100)" as 100
// and "abc" as 0 (the row then silently skipped).
TEST_F(ImportTest, anAmountCellThatIsNoAmountStopsTheImport) {
    for (const char* text : {"1e309", "0x10", "5-", "=1/0", "(100)", "inf", "abc"}) {
        SCOPED_TRACE(text);
        loadRows({header(), "253;1;Kamyon;15.03.2018;1000",
                  QStringLiteral("253;2;Otomobil;15.03.2018;%1").arg(text)});
        mapColumns(false);
        EXPECT_EQ(form->Import(), std::nullopt);
        EXPECT_EQ(rowCount(), 0);
        EXPECT_EQ(home.prompt().shown().back().text,
                  importStopMessage(QStringLiteral("Tutar geçerli bir sayı değil: \"%1\"").arg(text), 3, 5));
    }
    // The credit of a credit account, the life and the accumulated depreciation of a fixed asset.
    loadRows({header(), "500;1;Sermaye;15.03.2018;;(4000)"});
    mapColumns(false);
    EXPECT_EQ(form->Import(), std::nullopt);
    EXPECT_TRUE(home.prompt().shown().back().text.contains("Satır 2, sütun 6."))
        << home.prompt().shown().back().text.toStdString();
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000;;beş"});
    mapColumns(false);
    EXPECT_EQ(form->Import(), std::nullopt);
    EXPECT_TRUE(home.prompt().shown().back().text.contains("Satır 2, sütun 7."));
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000;;5;;1e3"});
    mapColumns(false);
    EXPECT_EQ(form->Import(), std::nullopt);
    EXPECT_TRUE(home.prompt().shown().back().text.contains("Satır 2, sütun 9."));
    // Too large an amount names its place too.
    loadRows({header(), "253;1;Kamyon;15.03.2018;2.000.000.000.000.000"});
    mapColumns(false);
    EXPECT_EQ(form->Import(), std::nullopt);
    EXPECT_TRUE(home.prompt().shown().back().text.contains("Satır 2, sütun 5."));
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(ImportTest, amountsAsTheFieldsTakeThemAreImported) {
    // Grouped or plain, with decimals, negative (a debit account's negative balance is no
    // item), empty; texts in the amount columns of rows that are not imported (a header
    // repeated on a page break, an account not adjusted) do not matter.
    loadRows({header(), "253;1;Kamyon;15.03.2018;900.000,00", "253;2;Otomobil;15.03.2018;900000",
              "253;3;Dorse;15.03.2018;-12,5", "253;4;Boş;15.03.2018;", "Kod;Alt;Ad;Tarih;Borç;Alacak",
              "100;1;Kasa;15.03.2018;abc", "254;1;Masa;15.03.2018; 1.234,5 ;;4"});
    mapColumns(false);
    EXPECT_EQ(form->Import(), 3);
    EXPECT_EQ(stored(1, "VUK_Son_Degeri").toDouble(), 900000);
    EXPECT_EQ(stored(2, "VUK_Son_Degeri").toDouble(), 900000);
    EXPECT_EQ(stored(3, "VUK_Son_Degeri").toDouble(), 1234.5);
    EXPECT_EQ(stored(3, "vuk_amortisman_sure").toInt(), 4);
}

} // namespace velkor::test
