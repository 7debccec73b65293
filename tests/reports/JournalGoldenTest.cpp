#include "ItemRows.h"

#include "base/WindowNames.h"
#include "reports/JournalSheet.h"
#include "reports/JournalSheetControls.h"
#include "reports/ReportSheet.h"
#include "reports/ReportSheetControls.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// The journal of the company below, line by line.
const char* const kGoldenJournal = R"(
ÖRNEK SANAYİ VE TİCARET A.Ş.

31/12/2023 ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - Hepsi

------------------------------------------31/12/2023------------------------------------------
153.01       TİCARİ MALLAR                                           4.150,25

                698          ENFLASYON DÜZELTME HESABI                               4.150,25

Varlık Net Değeri (25.000,00) X (1,16601) Katsayı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
171.01       YILLARA YAYGIN İNŞAAT                                   3.660,08

                697          YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI                3.660,08

Varlık Net Değeri (8.000,00) X (1,45751) Katsayı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
253.01       CNC TORNA TEZGAHI                                     163.341,60

                698          ENFLASYON DÜZELTME HESABI                             163.341,60

Varlık Net Değeri (120.000,00) X (2,36118) Katsayı ile Düzeltilmiştir.
Varlık daha önce 31.12.2021 tarihinde MDVD yapılmıştır. Düzeltmede bu tarih esas alınmıştır.
------------------------------------------31/12/2023------------------------------------------
698          ENFLASYON DÜZELTME HESABI                              65.336,64

                257          AMORTİSMAN HESABI (253.01)                             65.336,64

Birikmiş Amortisman (48.000,00) X (1,36118) Varlık Artış Oranı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
253.02       KAYNAK MAKİNASI VE YEDEK PARÇALARI İLE B               20.587,95

                698          ENFLASYON DÜZELTME HESABI                              20.587,95

Varlık Net Değeri (40.000,00) X (1,45751) Katsayı ile Düzeltilmiştir.
ROFM "Borç Tutarı" Yöntemi ile Reel Faiz (1.800,00) X (1,27345) Katsayı ile Düzeltilmiştir.
ROFM (3.200,00) TL varlık tutarından çıkarılmıştır.
ROFM nin İtfa Olunmayan Kısmı (640,00TL) dir.
------------------------------------------31/12/2023------------------------------------------
698          ENFLASYON DÜZELTME HESABI                               4.117,59

                257          AMORTİSMAN HESABI (253.02)                              4.117,59

Birikmiş Amortisman (9.000,00) X (0,45751) Varlık Artış Oranı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
260.01       YAZILIM LİSANSI                                         9.433,50

                698          ENFLASYON DÜZELTME HESABI                               9.433,50

Varlık Net Değeri (10.000,00) X (1,94335) Katsayı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
698          ENFLASYON DÜZELTME HESABI                               3.773,40

                268          AMORTİSMAN HESABI (260.01)                              3.773,40

Birikmiş Amortisman (4.000,00) X (0,94335) Varlık Artış Oranı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
697          YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI                2.745,06

                352.01       HAKEDİŞ BEDELLERİ                                       2.745,06

Varlık Net Değeri (6.000,00) X (1,45751) Katsayı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
698          ENFLASYON DÜZELTME HESABI                              95.751,00

                502.01       SERMAYE                                                95.751,00

Varlık Net Değeri (50.000,00) X (2,91502) Katsayı ile Düzeltilmiştir.
Nakti sermaye ödemesi olarak ödeme tarihi esas alınmıştır.
------------------------------------------31/12/2023------------------------------------------
503.02       SERMAYE ARTIRIMI                                       20.000,00

                698          ENFLASYON DÜZELTME HESABI                              20.000,00

Varlık Net Değeri (20.000,00) X (1,00000) Katsayı ile Düzeltilmiştir.
522/523/524 Hesaplardan Yapılan Sermaye Artırımı Nedeniyle artırım yapılmamış 503 hesaba işlenmiştir.
------------------------------------------31/12/2023------------------------------------------
522.01       MDV YENİDEN DEĞERLEME ARTIŞLARI                         2.500,00

                698          ENFLASYON DÜZELTME HESABI                               2.500,00

Varlık Net Değeri (2.500,00) X (1,00000) Katsayı ile Düzeltilmiştir.
Geçmiş yıllar ve dönem kar zararları ile MDVD fonları kapatılmıştır.
------------------------------------------31/12/2023------------------------------------------
698          ENFLASYON DÜZELTME HESABI                               1.372,53

                549.01       ÖZEL FONLAR                                             1.372,53

Varlık Net Değeri (3.000,00) X (1,45751) Katsayı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
570.01       GEÇMİŞ YILLAR KARLARI                                  15.000,00

                698          ENFLASYON DÜZELTME HESABI                              15.000,00

Varlık Net Değeri (15.000,00) X (1,00000) Katsayı ile Düzeltilmiştir.
Geçmiş yıllar ve dönem kar zararları ile MDVD fonları kapatılmıştır.
------------------------------------------31/12/2023------------------------------------------
698          ENFLASYON DÜZELTME HESABI                               4.000,00

                580.01       GEÇMİŞ YILLAR ZARARLARI                                 4.000,00

Varlık Net Değeri (4.000,00) X (1,00000) Katsayı ile Düzeltilmiştir.
------------------------------------------31/12/2023------------------------------------------
697          YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI                  915,02

                358.697      YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI                  915,02

YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI VİRMANI
------------------------------------------31/12/2023------------------------------------------
698          ENFLASYON DÜZELTME HESABI                              60.662,14

                570.698      ENFLASYON DÜZELTME KARI                                60.662,14

ENFLASYON DÜZELTME KARI GEÇMİŞ DÖNEM KARLARINA VİRMANI
------------------------------------------31/12/2023------------------------------------------
)";

// A small company holding every kind of row the journal knows.
void fillCompany(CompanyDatabase& db) {
    FixedAssetInput machine;
    machine.sub = "01";
    machine.name = "CNC TORNA TEZGAHI";
    machine.value = 120000;
    machine.accumulated = 48000;
    machine.entryIndex = 1234.56;
    machine.accountIndex = 2915.02;
    RowValues row = fixedAssetRow(machine);
    row["MDVD_Yapildi"] = QStringLiteral("Evet");
    row["MDVD_Tarih"] = QDate(2021, 12, 31);
    db.insert(row);

    machine.sub = "02";
    machine.name = "KAYNAK MAKİNASI VE YEDEK PARÇALARI İLE BİRLİKTE TAKIM";
    machine.value = 45000;
    machine.accumulated = 9000;
    machine.entryIndex = 2000;
    row = fixedAssetRow(machine);
    row["ROFM_Yontem"] = QStringLiteral("Borc");
    row["ROFM_Faiz"] = 5000.0;
    row["ROFM_Tutar"] = 3200.0;
    row["ROFM_Reel_Finansman"] = 1800.0;
    row["ROFM_Reel_Katsayi"] = 1.27345;
    row["ROFM_Ayrilmamis_Amort"] = 640.0;
    db.insert(row);

    FixedAssetInput right;
    right.account = "260";
    right.sub = "01";
    right.name = "YAZILIM LİSANSI";
    right.value = 10000;
    right.accumulated = 4000;
    right.entryIndex = 1500;
    right.accountIndex = 2915.02;
    db.insert(fixedAssetRow(right));

    FixedAssetInput land;
    land.account = "250";
    land.name = "ARSA";
    land.value = 0;
    land.entryIndex = 1500;
    db.insert(fixedAssetRow(land));

    db.insert(stockRow("153", "01", "TİCARİ MALLAR", 25000, 2500, 2915.02));
    db.insert(stockRow("171", "01", "YILLARA YAYGIN İNŞAAT", 8000, 2000, 2915.02));
    db.insert(stockRow("352", "01", "HAKEDİŞ BEDELLERİ", 6000, 2000, 2915.02));
    db.insert(equityRow("500", "01", "SERMAYE", 50000, 1000, 2915.02, "Nakti"));
    // Capital raised from funds carries its whole amount as the difference.
    row = equityRow("500", "02", "SERMAYE ARTIRIMI", 20000, 2915.02, 2915.02, "522");
    row["Enflasyon_Farki"] = 20000.0;
    db.insert(row);
    db.insert(equityRow("549", "01", "ÖZEL FONLAR", 3000, 2000, 2915.02, "549"));
    db.insert(equityRow("570", "01", "GEÇMİŞ YILLAR KARLARI", 15000, 2915.02, 2915.02, "Nakti"));
    db.insert(equityRow("580", "01", "GEÇMİŞ YILLAR ZARARLARI", 4000, 2915.02, 2915.02, "Nakti"));
    db.insert(equityRow("522", "01", "MDV YENİDEN DEĞERLEME ARTIŞLARI", 2500, 2915.02, 2915.02, "Nakti"));
}

QStringList journalOf(CompanyDatabase& db, const QString& filter = {}) {
    FormModel form(velkor::windows::kWorkspace);
    ReportSheet reports(form, db.connection());
    form.click(ctl::report::RaporListeButton);
    JournalSheet journal(form, db.connection(),
                         [] { return QStringLiteral("ÖRNEK SANAYİ VE TİCARET A.Ş."); });
    if (filter.isNull())
        form.click(ctl::journal::YevmiyeBut);
    else
        form.userSet(ctl::journal::YevmiyeCombo, filter);
    return form.lines(ctl::journal::YevmiyeRich);
}

} // namespace

TEST(JournalGolden, SmallCompanyCharacterForCharacter) {
    CompanyDatabase db;
    fillCompany(db);
    QStringList expected = QString::fromUtf8(kGoldenJournal).split(QLatin1Char('\n'));
    expected.removeLast();
    const QStringList lines = journalOf(db);
    ASSERT_EQ(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    // Building again over the same data gives the same text.
    EXPECT_EQ(journalOf(db), lines);
}

TEST(JournalGolden, FiltersSelectTheirRows) {
    CompanyDatabase db;
    fillCompany(db);
    const QStringList all = journalOf(db);

    // A filter that selects no row gives the five header lines only.
    const QStringList none = journalOf(db, QStringLiteral("110"));
    EXPECT_EQ(none, (QStringList{"", "ÖRNEK SANAYİ VE TİCARET A.Ş.", "",
                                 "31/12/2023 ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - 110", ""}));

    // A typed text that is no entry selects all rows; the header ends with the text.
    const QStringList typed = journalOf(db, QStringLiteral("25"));
    EXPECT_EQ(typed[3], "31/12/2023 ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - 25");
    EXPECT_EQ(typed.mid(5), all.mid(5));

    // "SBK" selects the 257 and 268 summary rows, which give no entry, and a single code
    // gives its rows only, with the final separator.
    const QStringList fixed = journalOf(db, QStringLiteral("SBK"));
    EXPECT_FALSE(fixed.join('\n').contains("153.01"));
    EXPECT_TRUE(fixed.join('\n').contains("268          AMORTİSMAN HESABI (260.01)"));
    const QStringList stocks = journalOf(db, QStringLiteral("153"));
    ASSERT_EQ(stocks.size(), 5 + 6 + 1);
    EXPECT_EQ(stocks[6], "153.01       TİCARİ MALLAR                                           4.150,25");
    EXPECT_EQ(stocks.last(), stocks[5]);

    // A quote in the typed text is bound as a value, not read as SQL.
    const QStringList quoted = journalOf(db, QStringLiteral("153' OR '1'='1"));
    EXPECT_EQ(quoted.mid(5), all.mid(5));
}

TEST(JournalGolden, LossClosingEntry) {
    CompanyDatabase db;
    db.insert(stockRow("153", "01", "MAL", 1000, 2000, 2915.02));
    db.insert(equityRow("500", "01", "SERMAYE", 10000, 2000, 2915.02, "Nakti"));
    const QStringList lines = journalOf(db);
    const int at = static_cast<int>(
        lines.indexOf("580.698      ENFLASYON DÜZELTME ZARARI                               4.117,59"));
    ASSERT_GT(at, 0);
    EXPECT_EQ(
        lines.mid(at - 1),
        (QStringList{
            QString(42, '-') + "31/12/2023" + QString(42, '-'),
            "580.698      ENFLASYON DÜZELTME ZARARI                               4.117,59", "",
            "                698          ENFLASYON DÜZELTME HESABI                               4.117,59",
            "", "ENFLASYON DÜZELTME ZARARI GEÇMİŞ DÖNEM ZARARLARINA VİRMANI",
            QString(42, '-') + "31/12/2023" + QString(42, '-')}));
}

TEST(JournalGolden, SimpleAverageStockWithTheCoefficientOfItsAmount) {
    CompanyDatabase db;
    // As the stock sheet saves a "Basit Ortalama" item: base 30.09.2023, the coefficient
    // H / ((G + H) / 2) and the amount computed with it.
    RowValues row = stockRow("153", "02", "HAMMADDE", 480000, 2749.98, 2915.02);
    row["Hesaplama_Yontemi"] = QStringLiteral("Basit");
    row["fatura_tarihi"] = QDate(2023, 9, 30);
    row["Giris_Yi_UFE_Tarihi"] = QDate(2023, 9, 30);
    row["Duzeltme_Katsayisi"] = 1.02913;
    row["Duzeltilmis_Tutar"] = 493982.40;
    row["Enflasyon_Farki"] = 13982.40;
    db.insert(row);
    const QStringList lines = journalOf(db, QStringLiteral("153"));
    ASSERT_EQ(lines.size(), 5 + 6 + 1);
    EXPECT_EQ(
        lines.mid(6, 5),
        (QStringList{"153.02       HAMMADDE                                               13.982,40", "",
                     "                698          ENFLASYON DÜZELTME HESABI                              "
                     "13.982,40",
                     "", "Varlık Net Değeri (480.000,00) X (1,02913) Katsayı ile Düzeltilmiştir."}));
}

TEST(JournalSheet, PlaceholderUntilTheFirstBuild) {
    CompanyDatabase db;
    FormModel form(velkor::windows::kWorkspace);
    JournalSheet journal(form, db.connection(), [] { return QStringLiteral("FİRMA"); });
    const QString dashed = QString(35, '-') + "31/12/2023" + QString(35, '-');
    EXPECT_EQ(form.lines(ctl::journal::YevmiyeRich), (QStringList{dashed, "", "", dashed}));
    EXPECT_EQ(form.text(ctl::journal::YevmiyeCombo), "Hepsi");
    form.click(ctl::journal::YevmiyeBut);
    EXPECT_EQ(form.lines(ctl::journal::YevmiyeRich).size(), 5) << "an empty table gives the header only";
}
