#include "import/ImportFixture.h"

#include "base/ProgressWindowControls.h"
#include "import/ImportSettings.h"

#include <QDate>

namespace velkor::test {

namespace {

QString header() {
    return QStringLiteral("Kod;Alt;Ad;Tarih;Borç;Alacak;Ömür;Yöntem;Birikmiş;Amort. Hesap");
}

} // namespace

TEST_F(ImportTest, gridSizeFollowsTheLastUsedCell) {
    QStringList lines;
    for (int r = 1; r <= 40; ++r)
        lines << QStringLiteral("a;b;c;d;e;f%1").arg(r);
    loadRows(lines);
    EXPECT_EQ(form->grid().rowCount(), 43);
    EXPECT_EQ(form->grid().columnCount(), 8);
    EXPECT_EQ(form->grid().cell(6, 40), "f40");
    EXPECT_EQ(form->grid().cell(7, 40), "");
    EXPECT_EQ(form->grid().cell(0, 42), "42");
    EXPECT_EQ(form->grid().cell(7, 0), "7");
    EXPECT_EQ(form->text(ie::BitSatirE), "41");
}

TEST_F(ImportTest, fullCodesSplitAndTotalLinesAreSkipped) {
    loadRows({header(), "253;;Taşıtlar toplam;15.03.2018;999", "253.01;;Kamyon;15.03.2018;1000",
              "253.02;;Otomobil;15.03.2018;2000", "2531;;Alt hesapsız;15.03.2018;10",
              "253-7;;Tire;15.03.2018;70", "25377;;Bitişik;15.03.2018;77"});
    mapColumns(true);
    EXPECT_EQ(form->Import(), 4);
    EXPECT_EQ(stored(1, "sbk_kodu").toString(), "01");
    EXPECT_EQ(stored(2, "sbk_kodu").toString(), "02");
    EXPECT_EQ(stored(3, "sbk_kodu").toString(), "7");
    EXPECT_EQ(stored(4, "sbk_kodu").toString(), "77");
    EXPECT_EQ(stored(4, "anahesapkodu").toString(), "253");
    EXPECT_EQ(stored(1, "sbk_adi").toString(), "Kamyon");
}

TEST_F(ImportTest, registeredValueTakesTheSideOfTheAccount) {
    loadRows({header(), "300;1;Banka kredisi;15.03.2018;;5000", "500;1;Sermaye yok;15.03.2018;;0",
              "500;2;Sermaye;15.03.2018;;4000", "580;1;Geçmiş zarar;15.03.2018;300;"});
    mapColumns(false);
    EXPECT_EQ(form->Import(), 2);
    EXPECT_EQ(stored(1, "VUK_Son_Degeri").toDouble(), 4000);
    EXPECT_EQ(stored(2, "VUK_Son_Degeri").toDouble(), 300);

    loadRows({header(), "500;3;Sermaye;15.03.2018;-1000"});
    mapColumns(false);
    form->setChecked(ie::BorcAlacakBuCheck, true);
    EXPECT_EQ(form->Import(), 1);
    EXPECT_EQ(stored(3, "VUK_Son_Degeri").toDouble(), 1000);
    EXPECT_EQ(stored(3, "SBK_Diger").toString(), "Diger");
    EXPECT_DOUBLE_EQ(stored(3, "Duzeltme_Katsayisi").toDouble(), 3.0);
    EXPECT_EQ(stored(3, "Duzeltilmis_Tutar").toDouble(), 3000);
    EXPECT_EQ(stored(3, "Enflasyon_Farki").toDouble(), 2000);
}

TEST_F(ImportTest, fixedAssetsGetDepreciationColumnsExceptAccount250) {
    loadRows({header(), "250;1;Arsa;15.03.2018;10000;;;;;", "253;1;Kamyon;29.02.2020;50000;;4,6;;8000;257.01",
              "254;1;Masa;15.03.2018;1000;;;Azalan;;25"});
    home.setIndexValues({{202312, 3000}, {20183, 1000}, {20202, 1500}});
    index.reload();
    mapColumns(false);
    EXPECT_EQ(form->Import(), 3);
    EXPECT_EQ(stored(1, "SBK_Diger").toString(), "Diger");
    EXPECT_TRUE(stored(1, "vuk_amortisman_sure").isNull());
    EXPECT_TRUE(stored(1, "Duzeltilmis_Amortisman").isNull());

    EXPECT_EQ(stored(2, "SBK_Diger").toString(), "SBK");
    EXPECT_EQ(stored(2, "vuk_amortisman_sure").toInt(), 5);
    EXPECT_EQ(stored(2, "vuk_amort_bitis_tarihi").toDate(), QDate(2025, 2, 28));
    EXPECT_EQ(stored(2, "vuk_amortisman_yontem").toString(), "Normal");
    EXPECT_EQ(stored(2, "amortisman_kodu").toString(), "257.01");
    EXPECT_DOUBLE_EQ(stored(2, "Duzeltme_Katsayisi").toDouble(), 2.0);
    EXPECT_EQ(stored(2, "Duzeltilmis_Amortisman").toDouble(), 16000);
    EXPECT_EQ(stored(2, "Amortisman_Farki").toDouble(), 8000);
    EXPECT_EQ(stored(2, "Giris_Yi_UFE").toDouble(), 1500);
    EXPECT_EQ(stored(2, "Hesap_Yi_UFE").toDouble(), 3000);
    EXPECT_EQ(stored(2, "Hesap_Yi_UFE_Tarihi").toDate(), QDate(2023, 12, 31));

    EXPECT_EQ(stored(3, "vuk_amortisman_sure").toInt(), 5);
    EXPECT_TRUE(stored(3, "vuk_amort_bitis_tarihi").isNull());
    EXPECT_EQ(stored(3, "vuk_amortisman_yontem").toString(), "Azalan");
    EXPECT_TRUE(stored(3, "amortisman_kodu").isNull());
}

TEST_F(ImportTest, revaluationMovesTheBaseOfFixedAssetsOnly) {
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000", "253;2;Yeni kamyon;15.10.2023;1000",
              "153;1;Mal;15.03.2018;1000", "254;1;Eski masa;01.06.1999;1000"});
    mapColumns(false);
    form->setText(ie::MDVDCombo, "30.09.2023");
    EXPECT_EQ(form->Import(), 4);
    EXPECT_EQ(stored(1, "Giris_Yi_UFE_Tarihi").toDate(), QDate(2023, 9, 30));
    EXPECT_EQ(stored(1, "Giris_Yi_UFE").toDouble(), 2500);
    EXPECT_EQ(stored(1, "MDVD_Yapildi").toString(), "Evet");
    EXPECT_EQ(stored(1, "MDVD_Tarih").toDate(), QDate(2023, 9, 30));
    EXPECT_EQ(stored(1, "fatura_tarihi").toDate(), QDate(2018, 3, 15));
    EXPECT_EQ(stored(2, "Giris_Yi_UFE_Tarihi").toDate(), QDate(2023, 10, 15));
    EXPECT_EQ(stored(2, "Giris_Yi_UFE").toDouble(), 2600);
    // A stock keeps its entry month whatever revaluation the fixed assets had.
    EXPECT_EQ(stored(3, "Giris_Yi_UFE_Tarihi").toDate(), QDate(2018, 3, 15));
    EXPECT_EQ(stored(3, "Giris_Yi_UFE").toDouble(), 1000);
    EXPECT_EQ(stored(3, "Hesaplama_Yontemi").toString(), "Gercek");
    EXPECT_TRUE(stored(3, "MDVD_Yapildi").isNull());
    EXPECT_EQ(stored(4, "Giris_Yi_UFE_Tarihi").toDate(), QDate(2023, 9, 30));

    loadRows({header(), "254;2;Eski masa;01.06.1999;1000"});
    mapColumns(false);
    form->setText(ie::MDVDCombo, "MDVD Yok");
    EXPECT_EQ(form->Import(), 1);
    EXPECT_EQ(stored(5, "Giris_Yi_UFE_Tarihi").toDate(), QDate(2004, 12, 31));
    EXPECT_EQ(stored(5, "Giris_Yi_UFE").toDouble(), 500);
    EXPECT_DOUBLE_EQ(stored(5, "Duzeltme_Katsayisi").toDouble(), 6.0);
}

TEST_F(ImportTest, stocksBySimpleAverage) {
    loadRows({header(), "153;1;Mal;;1000", "150;1;Hammadde;15.03.2018;2000", "159;1;Avans;15.03.2018;100"});
    mapColumns(false);
    form->setChecked(ie::StoklarBasitOrtalamaCheck, true);
    EXPECT_EQ(form->Import(), 3);
    // 3000 / ((3000 + 2500) / 2) = 1.090909...
    EXPECT_EQ(stored(1, "Hesaplama_Yontemi").toString(), "Basit");
    EXPECT_DOUBLE_EQ(stored(1, "Duzeltme_Katsayisi").toDouble(), 1.09091);
    EXPECT_EQ(stored(1, "Duzeltilmis_Tutar").toDouble(), 1090.91);
    EXPECT_EQ(stored(1, "fatura_tarihi").toDate(), QDate(2023, 9, 30));
    EXPECT_EQ(stored(2, "Giris_Yi_UFE").toDouble(), 2500);
    EXPECT_DOUBLE_EQ(stored(3, "Duzeltme_Katsayisi").toDouble(), 3.0);
}

TEST_F(ImportTest, exclusionsAndUnimportableAccounts) {
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000", "153;1;Mal;15.03.2018;1000",
              "100;1;Kasa;15.03.2018;5", "600;1;Satış;15.03.2018;5", "Toplam;1;x;15.03.2018;5"});
    mapColumns(false);
    form->setChecked(ie::SabitKiymetAktarmaCheck, true);
    form->setChecked(ie::StoklarAktarmaCheck, true);
    EXPECT_EQ(form->Import(), 0);
    form->setChecked(ie::StoklarAktarmaCheck, false);
    EXPECT_EQ(form->Import(), 1);
    EXPECT_EQ(stored(1, "anahesapkodu").toString(), "153");
}

TEST_F(ImportTest, aBadDateStopsTheImportAndNothingIsWritten) {
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000", "253;2;Otomobil;2023-01-15;1000"});
    mapColumns(false);
    EXPECT_FALSE(form->Import().has_value());
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(table.recordCount(), 0);
    ASSERT_FALSE(shown().isEmpty());
    EXPECT_EQ(shown().last(), "Giriş tarihi geçerli bir tarih değil: \"2023-01-15\"\n\rSatır 3, sütun 4.\n\r"
                              "Aktarım durduruldu; hiçbir kayıt aktarılmadı.");
    EXPECT_FALSE(windows.isVisible(windows::kProgress));
}

TEST_F(ImportTest, aMissingIndexMonthStopsBeforeAnythingIsWritten) {
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000", "253;2;Otomobil;15.05.2019;1000"});
    mapColumns(false);
    EXPECT_FALSE(form->Import().has_value());
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(shown().last(), "Yİ-ÜFE endeksi bulunamadı: 05.2019\n\rSatır 3, sütun 4.\n\r"
                              "Aktarım durduruldu; hiçbir kayıt aktarılmadı.");

    home.setIndexValues({{20183, 1000}});
    index.reload();
    EXPECT_FALSE(form->Import().has_value());
    EXPECT_EQ(shown().last(), "Yİ-ÜFE endeksi bulunamadı: 12.2023\n\rHiçbir kayıt aktarılmadı.");
}

TEST_F(ImportTest, aRefusedValueRollsBackTheRowsBefore) {
    table.open();
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000",
              "253;2;" + QString(201, QLatin1Char('x')) + ";15.03.2018;1000"});
    mapColumns(false);
    EXPECT_FALSE(form->Import().has_value());
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(table.recordCount(), 0);
    EXPECT_TRUE(shown().last().contains("\n\rSatır 3, sütun 3.\n\rAktarım durduruldu"));
    // A corrected second run imports each row once.
    form->setGridCell(3, 3, "Otomobil");
    EXPECT_EQ(form->Import(), 2);
    EXPECT_EQ(rowCount(), 2);
    EXPECT_EQ(table.recordCount(), 2);
}

TEST_F(ImportTest, validationMessagesInOrder) {
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000"});
    for (const QString& edit : importsettings::editKeys())
        form->setText(edit, QString());
    EXPECT_FALSE(form->Import().has_value());
    EXPECT_EQ(shown().last(),
              "Aktarma için hesap adı, giriş tarihi ve borç tutar sütunları girilmelidir. İşlem "
              "iptal edilecektir!");
    mapColumns(false);
    form->setText(ie::AlHesapKodE, "0");
    EXPECT_FALSE(form->Import().has_value());
    EXPECT_EQ(shown().last(),
              "Aktarma için ana hesap standart seçildiyse Alt Hesap girilmelidir. İşlem iptal "
              "edilecektir!");
    form->setText(ie::AlHesapKodE, "1");
    EXPECT_FALSE(form->Import().has_value());
    EXPECT_EQ(shown().last(),
              "Aktarma için alt hesap ilk üç harf seçilmediyse Alt Hesap ile Ana Hesap aynı olamaz. "
              "İşlem iptal edilecektir!");
    form->setChecked(ie::ilkUcHarfCheck, true);
    form->setText(ie::AnaHesapE, "99");
    EXPECT_FALSE(form->Import().has_value());
    EXPECT_EQ(shown().last(),
              "Aktarma için ana hesaptan ilk üç seçildiyse Ana Hesap girilmelidir. İşlem iptal "
              "edilecektir!");
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(ImportTest, settingsFileKeepsTheMappingAndTheBoxes) {
    mapColumns(false);
    form->setChecked(ie::AnaHesapBurdanCheck, true);
    form->leave(ie::AnaHesapBurdanCheck);
    EXPECT_FALSE(form->isChecked(ie::ilkUcHarfCheck));
    form->setChecked(ie::StoklarBasitOrtalamaCheck, true);
    importsettings::save(*form, form->settingsPath());
    ExcelImportForm again(home.context(), state, index, table, progress, windows);
    EXPECT_EQ(again.text(ie::PasifTutarE), "6");
    EXPECT_EQ(again.text(ie::AmortHesapEdit), "10");
    EXPECT_TRUE(again.isChecked(ie::AnaHesapBurdanCheck));
    EXPECT_TRUE(again.isChecked(ie::StoklarBasitOrtalamaCheck));
    EXPECT_FALSE(again.isChecked(ie::BorcAlacakBuCheck));
    QFile ini(form->settingsPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(text.contains(ie::AnaHesapBurdanCheck + QStringLiteral("=1")));
    EXPECT_TRUE(text.contains(ie::BorcAlacakBuCheck + QStringLiteral("=2")));
    EXPECT_LT(text.indexOf(ie::AnaHesapE + QLatin1Char('=')),
              text.indexOf(ie::AlHesapKodE + QLatin1Char('=')));
}

TEST_F(ImportTest, askingFirstAndAnsweringNoImportsNothing) {
    loadRows({header(), "253;1;Kamyon;15.03.2018;1000"});
    mapColumns(false);
    home.prompt().addAnswer(No);
    form->click(ie::KayitAktarBut);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_TRUE(home.prompt().shown().back().question);
    EXPECT_TRUE(
        home.prompt().shown().back().text.startsWith("Girmiş olduğunuz değerlere göre excelden\n\raktarım"));
    home.prompt().addAnswer(Yes);
    form->click(ie::KayitAktarBut);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(progress.form().text(ctl::progress::DurumLabel), "Aktarma bitti.");
    // The end says how many items were created, also when no row was suitable.
    EXPECT_EQ(home.prompt().shown().back().text, "Aktarma bitti: 1 kayıt aktarıldı.");
    EXPECT_FALSE(home.prompt().shown().back().question);
    form->setChecked(ie::SabitKiymetAktarmaCheck, true);
    home.prompt().addAnswer(Yes);
    form->click(ie::KayitAktarBut);
    EXPECT_EQ(rowCount(), 1);
    EXPECT_EQ(home.prompt().shown().back().text,
              "Aktarma bitti: aktarılacak uygun satır bulunamadı, kayıt aktarılmadı.");
}

TEST_F(ImportTest, aFirstImportProposesTheUsualColumnsAndTheDialogOffersEveryFormat) {
    // No settings file yet: the columns of the usual list are proposed and shown.
    EXPECT_EQ(form->text(ie::AnaHesapE), "1");
    EXPECT_EQ(form->text(ie::AlHesapKodE), "1");
    EXPECT_EQ(form->text(ie::HesapAdiEdit), "2");
    EXPECT_EQ(form->text(ie::GirisTarihiE), "3");
    EXPECT_EQ(form->text(ie::KayitliTutarE), "4");
    EXPECT_EQ(form->text(ie::PasifTutarE), "5");
    EXPECT_EQ(form->text(ie::AmortHesapEdit), "9");
    EXPECT_TRUE(form->isChecked(ie::ilkUcHarfCheck));
    EXPECT_FALSE(form->isChecked(ie::AnaHesapBurdanCheck));
    EXPECT_FALSE(form->isChecked(ie::SabitKiymetAktarmaCheck));

    // Such a list imports at the first attempt, the header row left out.
    loadRows({"Hesap Kodu;Hesap Adı;Giriş Tarihi;Borç;Alacak;Süre;Yöntem;Birikmiş;Amort. Hesap",
              "253.01;Kamyon;15.03.2018;1000;;5;Normal;400;257.01", "500.01;Sermaye;15.03.2018;;2000"});
    EXPECT_EQ(form->Import(), 2);
    EXPECT_EQ(stored(1, "sbk_kodu").toString(), "01");
    EXPECT_EQ(stored(1, "vuk_birikmis_amortisman").toDouble(), 400.0);
    EXPECT_EQ(stored(1, "amortisman_kodu").toString(), "257.01");
    EXPECT_EQ(stored(2, "VUK_Son_Degeri").toDouble(), 2000.0);

    // A settings file, once written, is what the next window reads.
    form->setText(ie::AmortHesapEdit, "");
    importsettings::save(*form, form->settingsPath());
    ExcelImportForm again(home.context(), state, index, table, progress, windows);
    EXPECT_EQ(again.text(ie::AmortHesapEdit), "");
    EXPECT_EQ(again.text(ie::HesapAdiEdit), "2");

    // The open dialog lists every format the import reads, together and one by one.
    form->click(ie::ExcelVerialBut);
    ASSERT_FALSE(home.prompt().openFilters().isEmpty());
    const QStringList parts = home.prompt().openFilters().last().split('|');
    ASSERT_EQ(parts.size(), 10);
    EXPECT_EQ(parts[1], "*.xlsx;*.xls;*.ods;*.csv");
    for (const char* extension : {"xlsx", "xls", "ods", "csv"}) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(extension);
        EXPECT_TRUE(parts[0].contains(pattern + ' ') || parts[0].contains(pattern + ')')) << extension;
        EXPECT_TRUE(parts.contains(pattern)) << extension;
    }
}

TEST_F(ImportTest, workbookFilesLoadIntoTheGridAndSayWhatWasIgnored) {
    home.prompt().addFile(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/spreadsheet/data/book.xls"));
    form->click(ie::ExcelVerialBut);
    EXPECT_TRUE(form->hasWorkbook());
    EXPECT_EQ(form->grid().cell(2, 3), "Çığ Güzel İş");
    EXPECT_EQ(form->grid().rowCount(), 7);
    EXPECT_TRUE(form->text(ie::SayfaLabel).contains("2 sayfa"));

    const QString damaged = dir.filePath("bozuk.xlsx");
    QFile file(damaged);
    file.open(QIODevice::WriteOnly);
    file.write("PK\x03\x04 bozuk");
    file.close();
    home.prompt().addFile(damaged);
    form->click(ie::ExcelVerialBut);
    EXPECT_FALSE(form->hasWorkbook());
    EXPECT_EQ(form->grid().rowCount(), 3);
    EXPECT_EQ(form->text(ie::SayfaLabel), "");
    EXPECT_TRUE(shown().last().startsWith("Çalışma kitabı okunamadı"));
}

} // namespace velkor::test
