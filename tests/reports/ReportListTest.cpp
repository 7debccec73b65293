#include "ItemRows.h"

#include "base/WindowNames.h"
#include "engine/AccountGroups.h"
#include "reports/AccountTotals.h"
#include "reports/CalculatedColumns.h"
#include "reports/ItemSelection.h"
#include "reports/ReportColumns.h"
#include "reports/ReportSheet.h"
#include "reports/ReportSheetControls.h"
#include "storage/Table.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

QStringList accountsOf(Dataset& rows) {
    QStringList accounts;
    for (rows.first(); !rows.eof(); rows.next())
        accounts << rows.text("anahesapkodu") + "." + rows.text("sbk_kodu");
    return accounts;
}

class ReportListTest : public ::testing::Test {
protected:
    CompanyDatabase db;
    FormModel form{velkor::windows::kWorkspace};
    ReportSheet sheet{form, db.connection()};

    void addMixedRows() {
        for (const char* account :
             {"153", "171", "352", "257", "268", "265", "266", "549", "500", "591", "440"})
            db.insert(stockRow(account, "01", "KALEM", 100, 100, 100));
        FixedAssetInput machine;
        machine.accumulated = 200;
        db.insert(fixedAssetRow(machine));
    }
    QStringList listed(const QString& filter) {
        form.userSet(ctl::report::RaporListeCombo, filter);
        return accountsOf(sheet.SBKRaporQuery());
    }
};

} // namespace

TEST(AccountGroups, ListsOfTheFilters) {
    const QStringList items = itemListFilterItems();
    ASSERT_EQ(items.size(), 4 + 61);
    EXPECT_EQ(items.mid(0, 5), (QStringList{"Hepsi", "Stoklar", "SBK", "Özkaynaklar", "110"}));
    EXPECT_EQ(items.last(), "426");
    const QStringList journal = journalFilterItems();
    EXPECT_EQ(journal.size(), 4 + 60);
    EXPECT_FALSE(journal.contains("549"));
    EXPECT_TRUE(journal.contains("177"));
    EXPECT_EQ(reportFilterItems(), journal);
    const QStringList transfer = transferFilterItems();
    EXPECT_EQ(transfer.size(), 4 + 54);
    EXPECT_TRUE(transfer.contains("549"));
    EXPECT_FALSE(transfer.contains("171"));
    EXPECT_TRUE(transfer.contains("170"));
}

TEST(AccountGroups, FiltersBindTheirCodes) {
    EXPECT_TRUE(accountFilter("Hepsi").isEmpty());
    EXPECT_TRUE(accountFilter("").isEmpty());
    const AccountFilter stocks = accountFilter("Stoklar");
    EXPECT_EQ(stocks.whereLine, "WHERE (anahesapkodu IN (?,?,?,?,?,?,?,?,?))");
    EXPECT_EQ(stocks.params.size(), 9);
    EXPECT_EQ(accountFilter("SBK").params.size(), 17);
    EXPECT_EQ(accountFilter("Özkaynaklar").params.first(), "500");
    const AccountFilter single = accountFilter("440");
    EXPECT_EQ(single.whereLine, "WHERE anahesapkodu=?");
    EXPECT_EQ(single.params, QVariantList{"440"});
    // A typed text is no entry of the list: it filters nothing.
    EXPECT_TRUE(accountFilter("44", journalFilterItems()).isEmpty());
    EXPECT_TRUE(accountFilter("549", journalFilterItems()).isEmpty());
    EXPECT_EQ(accountFilter("549", transferFilterItems()).params, QVariantList{"549"});
}

TEST_F(ReportListTest, GroupsListTheirAccountsOnly) {
    addMixedRows();
    EXPECT_EQ(listed("Stoklar"), QStringList{"153.01"});
    EXPECT_EQ(listed("SBK"), (QStringList{"253.01", "257.01", "257.253", "268.01"}));
    EXPECT_EQ(listed("Özkaynaklar"), (QStringList{"500.01", "591.01"}));
    EXPECT_EQ(listed("440"), QStringList{"440.01"});
    const QStringList all = listed("Hepsi");
    EXPECT_EQ(all.size(), 12 + 2) << "the 698 closing row and the 257 summary row";
    EXPECT_EQ(listed("5"), all);
    EXPECT_EQ(listed("440' OR '1'='1"), all);
    EXPECT_EQ(db.rowCount(), 14) << "nothing was harmed by the quoted text";
}

TEST_F(ReportListTest, PreparingRunsTheClosingStepAndReopensTheTotals) {
    db.insert(equityRow("570", "01", "GEÇMİŞ YIL KARI", 500, 100, 100, "Nakti"));
    form.click(ctl::report::RaporListeButton);
    ReportListQuery& list = sheet.SBKRaporQuery();
    ASSERT_TRUE(list.locate("anahesapkodu", "570"));
    EXPECT_EQ(
        db.connection().database().scalar("SELECT Hesaplama_Yontemi FROM sabit_kiymet WHERE anahesapkodu = "
                                          "'570'"),
        QVariant("KarKapama"));
    EXPECT_TRUE(list.locate("anahesapkodu", "698"));

    // The totals cover all rows whatever the filter, also the closing rows.
    form.userSet(ctl::report::RaporListeCombo, "Stoklar");
    EXPECT_EQ(list.recordCount(), 0);
    Query& totals = sheet.ToplamQuery();
    ASSERT_TRUE(totals.isOpen());
    EXPECT_EQ(totals.recordCount(), 2);
    ASSERT_TRUE(totals.locate("anahesapkodu", "698"));
    EXPECT_DOUBLE_EQ(totals.number("Enflasyon_FarkiT"), 500);
}

TEST_F(ReportListTest, EditTableFollowsTheClosingStep) {
    db.insert(equityRow("570", "01", "GEÇMİŞ YIL KARI", 500, 100, 100, "Nakti"));
    Table table(db.connection(), "sabit_kiymet");
    table.open();
    sheet.setEditTable(&table);
    form.click(ctl::report::AnaHesapRaporButton);
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_EQ(table.text("Hesaplama_Yontemi"), "KarKapama");
}

TEST_F(ReportListTest, EmptyTableGivesEmptyLists) {
    form.click(ctl::report::RaporListeButton);
    EXPECT_EQ(sheet.SBKRaporQuery().recordCount(), 0);
    EXPECT_EQ(sheet.ToplamQuery().recordCount(), 0);
    sheet.openGrandTotals(false);
    EXPECT_EQ(sheet.SBKRaporToplamQuery().recordCount(), 1);
    EXPECT_TRUE(sheet.SBKRaporToplamQuery().isNull("VUK_Son_DegeriT"));
    EXPECT_EQ(gridLines(sheet.SBKRaporQuery(), reportGridColumns()).size(), 1);
}

TEST_F(ReportListTest, GrandTotalsFollowTheReportFilterOrNone) {
    addMixedRows();
    form.userSet(ctl::report::RaporListeCombo, "Stoklar");
    sheet.openGrandTotals(true);
    EXPECT_DOUBLE_EQ(sheet.SBKRaporToplamQuery().number("VUK_Son_DegeriT"), 100);
    sheet.openGrandTotals(false);
    EXPECT_GT(sheet.SBKRaporToplamQuery().number("VUK_Son_DegeriT"), 1000);
    EXPECT_EQ(grandTotalsSql(accountFilter("153")).last(), "WHERE anahesapkodu=?");
    EXPECT_EQ(grandTotalsSql({}).last(), "FROM sabit_kiymet");
}

TEST(CalculatedColumns, RedemptionDateAndRate) {
    EXPECT_EQ(redemptionDateText(QDate(2020, 2, 29), 5), "28.02.2024");
    EXPECT_EQ(redemptionDateText(QDate(2019, 2, 28), 5), "28.02.2023");
    EXPECT_EQ(redemptionDateText(QDate(2021, 7, 1), 1), "01.07.2021");
    EXPECT_DOUBLE_EQ(depreciationRate(QDate(2021, 7, 1), 3).toDouble(), 33.33);
    EXPECT_DOUBLE_EQ(depreciationRate(QDate(2021, 7, 1), 8).toDouble(), 12.5);
    EXPECT_TRUE(redemptionDateText(QDate(), 5).isNull());
    EXPECT_TRUE(redemptionDateText(QDate(2021, 7, 1), 0).isNull());
    EXPECT_TRUE(depreciationRate(QDate(2021, 7, 1), QVariant()).isNull());
}

TEST_F(ReportListTest, GridShowsTheValuesInTheirPatterns) {
    FixedAssetInput machine;
    machine.entryDate = QDate(2020, 2, 29);
    machine.life = 3;
    machine.value = 1234.5;
    machine.accumulated = 0.5;
    machine.entryIndex = 500;
    machine.accountIndex = 501;
    db.insert(fixedAssetRow(machine));
    RowValues noLife = stockRow("153", "01", "MAL", 10, 100, 100);
    db.insert(noLife);
    form.click(ctl::report::RaporListeButton);
    const QStringList lines = gridLines(sheet.SBKRaporQuery(), reportGridColumns());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0],
              "Ana H.\tAlt Hesap\tAdı\tGirişTarihi\tAmort. Yıl\tİtfa Tarihi\tAmort_Oran\tKayıtlı "
              "Değeri\tDüzeltilmiş Tutar\tEnflasyon Farkı\tB.Amortismanı\tDüzeltilmiş Amort.\tAmort. "
              "Farkı\tDüz. Katsayısı\tROFM_Reel_Finansman\tROFM Düz.Katsayı\tROFM Reel "
              "Düzeltilmiş\tROFM Ayrılmamış Amort");
    EXPECT_EQ(lines[1], "153\t01\tMAL\t30.06.2021\t\t\t\t10,00\t10,00\t,00\t\t\t\t1,00000\t\t\t\t");
    EXPECT_EQ(lines[2],
              "253\t01\tTORNA TEZGAHI\t29.02.2020\t3\t28.02.2022\t33,33\t1.234,50\t1.236,97\t2,47\t,50\t,"
              "50\t,00\t1,00200\t\t\t\t");
    EXPECT_EQ(lines[3], "698\tKAR\tENFLASYON DÜZELTME KARI\t\t\t\t\t,00\t2,47\t2,47\t\t\t\t\t\t\t\t");
}

TEST(ReportColumns, TotalsGridTitles) {
    QStringList titles;
    for (const ReportColumn& column : totalsGridColumns())
        titles << column.column.label;
    EXPECT_EQ(titles, (QStringList{"Hesap", "Düzeltilecek Değer", "Düzeltilmiş Tutar", "Enflasyon Farkı",
                                   "Düzeltilecek Amort.", "Düzeltilmiş Amortisman", "Amortisman Farkı"}));
    EXPECT_EQ(accountTotalsSql().size(), 14);
}

TEST(ReportCommands, PrintTheGridsOfARegisteredCompany) {
    TempHome home;
    home.addCompany("F1", "BİRİNCİ A.Ş.");
    Table table(home.context().company(), "sabit_kiymet");
    table.open();
    for (const auto& row : {stockRow("153", "01", "MAL", 1000, 2000, 2915.02),
                            equityRow("570", "01", "KAR", 300, 100, 100, "Nakti")}) {
        table.append();
        for (const auto& [column, value] : row)
            table.setValue(column, value);
        table.post();
    }
    home.context().company().close();

    QString out;
    QString err;
    ASSERT_EQ(runCli({"--home", home.home(), "report", "--company", "F1", "--filter", "Stoklar"}, &out, &err),
              0)
        << err.toStdString();
    QStringList lines = out.split('\n');
    EXPECT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Ana H.\tAlt Hesap\tAdı\t"));
    EXPECT_TRUE(lines[1].startsWith("153\t01\tMAL\t30.06.2021\t\t\t\t1.000,00\t1.457,51\t457,51\t"));

    ASSERT_EQ(runCli({"--home", home.home(), "totals", "--company", "F1"}, &out, &err), 0)
        << err.toStdString();
    lines = out.split('\n');
    EXPECT_EQ(lines.mid(0, 4),
              (QStringList{"Hesap\tDüzeltilecek Değer\tDüzeltilmiş Tutar\tEnflasyon "
                           "Farkı\tDüzeltilecek Amort.\tDüzeltilmiş Amortisman\tAmortisman Farkı",
                           "153\t1.000,00\t1.457,51\t457,51\t\t\t", "570\t300,00\t300,00\t300,00\t\t\t",
                           "698\t,00\t757,51\t757,51\t\t\t"}));

    ASSERT_EQ(runCli({"--home", home.home(), "journal", "--company", "F1", "--filter", "570"}, &out, &err),
              0);
    lines = out.split('\n');
    EXPECT_EQ(lines[1], "BİRİNCİ A.Ş.");
    EXPECT_EQ(lines[3], "31/12/2023 ENFLASYON DÜZELTMESİ YEVMİYE KAYITLARI - 570");
    EXPECT_EQ(lines[6], "570.01       KAR                                                       300,00");

    EXPECT_EQ(runCli({"--home", home.home(), "journal", "--company", "F2"}, &out, &err), 1);
    EXPECT_TRUE(err.contains("MESAJ: Firma bulunamadı: F2"));
    EXPECT_EQ(runCli({"--home", home.home(), "totals"}, &out, &err), 2);
}

TEST(ReportListQuery, CalculatedColumnsWithOrWithoutTheirPlaces) {
    CompanyDatabase db;
    FixedAssetInput machine;
    machine.life = 8;
    db.insert(fixedAssetRow(machine));
    // The list's own statement reads the columns it shows; any other gets them appended.
    for (const auto& [sql, columns] :
         {std::pair{ReportListQuery::selectionSql({}), reportGridColumns().size()},
          std::pair{itemSelectionSql({}), size_t(110)}}) {
        ReportListQuery query(db.connection());
        query.setSql(sql);
        query.open();
        EXPECT_EQ(query.columnNames().size(), columns);
        EXPECT_EQ(query.text("Itfa_Tarihi"), "15.03.2027");
        EXPECT_DOUBLE_EQ(query.number("Amort_Oran"), 12.5);
    }
}

TEST(ReportSheet, ReopensTheWorkspaceTotals) {
    CompanyDatabase db;
    db.insert(stockRow("153", "01", "MAL", 100, 100, 200));
    Query workspaceTotals(db.connection());
    FormModel form(velkor::windows::kWorkspace);
    ReportSheet sheet(form, db.connection(), &workspaceTotals);
    EXPECT_EQ(&sheet.ToplamQuery(), &workspaceTotals);
    form.click(ctl::report::AnaHesapRaporButton);
    ASSERT_TRUE(workspaceTotals.isOpen());
    EXPECT_EQ(workspaceTotals.recordCount(), 2) << "153 and the 698 closing row";
}
