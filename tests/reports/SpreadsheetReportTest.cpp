#include "ItemRows.h"

#include "base/ShownError.h"
#include "base/WindowNames.h"
#include "reports/AccountTotals.h"
#include "reports/ReportListQuery.h"
#include "reports/ReportSheet.h"
#include "reports/ReportSheetControls.h"
#include "reports/SpreadsheetReports.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/WorkbookWriter.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>
#include <map>

using namespace velkor;
using namespace velkor::test;

namespace {

/// A workbook writer that keeps what it is told, for checking cell by cell.
class RecordedWorkbook : public WorkbookWriter {
public:
    struct Cell {
        QString kind;
        QString text;
        double number = 0;
    };

    void setTyped(int row, int column, const QString& text) override {
        cells[{row, column}] = {"typed", text};
    }
    void setText(int row, int column, const QString& text) override { cells[{row, column}] = {"text", text}; }
    void setNumber(int row, int column, double value) override {
        cells[{row, column}] = {"number", {}, value};
    }
    void setDate(int row, int column, const QDate& date) override {
        cells[{row, column}] = {"date", date.toString(Qt::ISODate)};
    }
    void setFormula(int row, int column, const QString& formula, double result) override {
        cells[{row, column}] = {"formula", formula, result};
    }
    void setNumberFormat(const QString& range, const QString& format) override { formats[range] = format; }
    void setBold(const QString& range, bool) override { bold << range; }
    void setFontSize(const QString& range, double points) override { sizes[range] = points; }
    void setColumnWidth(int, double) override {}
    void autoFitColumns(const QString& range) override { fitted << range; }
    void save(const QString& path) override { saved = path; }

    Cell at(int row, int column) const {
        const auto it = cells.find({row, column});
        return it == cells.end() ? Cell{} : it->second;
    }
    /// Whether a cell lies in a range set bold.
    bool isBold(int row, int column) const {
        for (const QString& range : bold)
            if (CellRange::parse(range).contains(row, column))
                return true;
        return false;
    }

    std::map<std::pair<int, int>, Cell> cells;
    std::map<QString, QString> formats;
    QStringList bold;
    std::map<QString, double> sizes;
    QStringList fitted;
    QString saved;
};

class SpreadsheetReportTest : public ::testing::Test {
protected:
    CompanyDatabase db;
    ReportListQuery list{db.connection()};
    Query accountTotals{db.connection()};

    void openList(const AccountFilter& filter = {}) {
        list.setSql(ReportListQuery::selectionSql(filter));
        list.setParams(filter.params);
        list.open();
    }
};

} // namespace

TEST_F(SpreadsheetReportTest, EmptyListGivesHeadingsAndAnEmptySum) {
    openList();
    RecordedWorkbook book;
    DuzeltmeRaporExcel(book, QStringLiteral("Şirket"), "Hepsi", list);
    EXPECT_EQ(book.at(1, 1).text, QStringLiteral("Şirket"));
    EXPECT_EQ(book.at(2, 1).text, "Raporlananlar: Hepsi");
    EXPECT_EQ(book.at(3, 1).text, "Ana H.");
    EXPECT_EQ(book.at(3, 18).text, QStringLiteral("ROFM Ayrılmamış Amort"));
    EXPECT_EQ(book.at(5, 3).text, "TOPLAM TUTARLAR");
    EXPECT_EQ(book.at(5, 8).text, "=Sum(H4:H3)");
    EXPECT_EQ(book.at(5, 8).number, 0);
    EXPECT_EQ(book.sizes.at("A1:IV2"), 14);
    EXPECT_TRUE(book.isBold(1, 1) && book.isBold(2, 1) && book.isBold(3, 18) && book.isBold(5, 17));
    EXPECT_FALSE(book.isBold(5, 18));
}

TEST_F(SpreadsheetReportTest, TenRowsWithFormatsSumsAndTypedValues) {
    for (int i = 1; i <= 10; ++i) {
        FixedAssetInput machine;
        machine.sub = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        machine.accumulated = 100;
        db.insert(fixedAssetRow(machine));
    }
    openList(accountFilter("SBK"));
    RecordedWorkbook book;
    DuzeltmeRaporExcel(book, "X", "SBK", list);

    EXPECT_EQ(book.at(4, 1).kind, "text");
    EXPECT_EQ(book.at(4, 2).text, "01"); // a code keeps its leading zero
    EXPECT_EQ(book.at(4, 4).kind, "date");
    EXPECT_EQ(book.at(4, 4).text, "2020-03-15");
    EXPECT_EQ(book.at(4, 5).kind, "number");
    EXPECT_EQ(book.at(4, 6).kind, "typed"); // typed, so that "15.03.2024" becomes a date
    EXPECT_EQ(book.at(4, 6).text, "15.03.2024");
    EXPECT_EQ(book.at(4, 7).number, 20);
    EXPECT_EQ(book.at(13, 9).number, 2500);
    EXPECT_EQ(book.at(14, 1).kind, "");

    EXPECT_EQ(book.at(15, 8).text, "=Sum(H4:H13)");
    EXPECT_DOUBLE_EQ(book.at(15, 8).number, 10000);
    EXPECT_DOUBLE_EQ(book.at(15, 9).number, 25000);
    EXPECT_DOUBLE_EQ(book.at(15, 11).number, 1000);
    for (int column : {8, 9, 10, 11, 12, 13, 15, 17, 18})
        EXPECT_EQ(book.at(15, column).kind, "formula") << column;
    EXPECT_EQ(book.at(15, 14).kind, ""); // coefficients are not summed
    EXPECT_EQ(book.at(15, 16).kind, "");

    EXPECT_EQ(book.formats.at("G4:M15000"), "#.##0,00");
    EXPECT_EQ(book.formats.at("N4:N15000"), "#.##0,00000");
    EXPECT_EQ(book.formats.at("P4:P15000"), "#.##0,00000");
    EXPECT_EQ(book.formats.at("Q4:R15000"), "#.##0,00");
    EXPECT_FALSE(book.isBold(4, 1));
    EXPECT_FALSE(book.isBold(13, 9));
    EXPECT_TRUE(book.isBold(15, 3));
    EXPECT_EQ(book.fitted, (QStringList{"A3:A15000", "B3:IV15000"}));
}

TEST_F(SpreadsheetReportTest, RowWithoutMainAccountIsBoldAcross) {
    db.insert(stockRow("153", "01", "MAL", 100, 100, 200));
    db.insert(stockRow("", "02", "BAŞLIKSIZ", 100, 100, 200));
    openList();
    RecordedWorkbook book;
    DuzeltmeRaporExcel(book, "X", "Hepsi", list);
    // Ordered by account: the empty one comes first.
    EXPECT_EQ(book.at(4, 3).text, QStringLiteral("BAŞLIKSIZ"));
    EXPECT_TRUE(book.isBold(4, 3));
    EXPECT_TRUE(book.isBold(4, 256));
    EXPECT_FALSE(book.isBold(5, 3));
}

TEST_F(SpreadsheetReportTest, MainAccountTotals) {
    db.insert(stockRow("153", "01", "MAL", 100, 100, 200));
    db.insert(stockRow("153", "02", "MAL", 300, 100, 200));
    db.insert(equityRow("500", "01", "SERMAYE", 1000, 100, 150, "Nakti"));
    prepareAccountTotals(accountTotals);
    accountTotals.open();
    RecordedWorkbook book;
    AnaHesapExcel(book, "X", accountTotals);
    EXPECT_EQ(book.at(2, 1).kind, "");
    EXPECT_EQ(book.at(3, 2).text, QStringLiteral("Düzeltilecek Değer"));
    EXPECT_EQ(book.at(4, 1).text, "153");
    EXPECT_EQ(book.at(4, 2).number, 400);
    EXPECT_EQ(book.at(5, 1).text, "500");
    EXPECT_EQ(book.at(7, 1).text, "TOPLAM");
    EXPECT_EQ(book.at(7, 3).text, "=Sum(C4:C5)");
    EXPECT_DOUBLE_EQ(book.at(7, 3).number, 800 + 1500);
    EXPECT_EQ(book.at(7, 7).kind, "formula");
    EXPECT_EQ(book.formats.at("B4:G15000"), "#.##0,00");
    EXPECT_TRUE(book.isBold(7, 15));
    EXPECT_FALSE(book.isBold(7, 16));
}

namespace {

class ExportButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        sheet.setPrinting(nullptr, [] { return CompanyHeading{"F1", QStringLiteral("Şirket"), {}, {}, {}}; });
        sheet.setWorkbookOutput(&prompt, [this](const QString& path) {
            opened = path;
            return true;
        });
    }

    CompanyDatabase db;
    QTemporaryDir out;
    ScriptedPrompt prompt;
    QString opened;
    FormModel form{velkor::windows::kWorkspace};
    ReportSheet sheet{form, db.connection()};
};

} // namespace

TEST_F(ExportButtonTest, SavesWhereTheUserChoosesAndOpensIt) {
    db.insert(stockRow("153", "01", "MAL", 100, 100, 200));
    form.click(ctl::report::RaporListeButton);
    prompt.addFile(out.filePath("rapor"));
    form.click(ctl::report::ExcelDuzRapBut);
    EXPECT_EQ(opened, out.filePath("rapor.xlsx"));
    EXPECT_TRUE(QFile::exists(opened));
    EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(ExportButtonTest, UnwritableFolderSaysSoAndWritesNothing) {
    prompt.addFile(out.filePath("yok/klasor/toplam.xlsx"));
    form.click(ctl::report::AnaHesapExcelBut);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(QFile::exists(out.filePath("yok/klasor/toplam.xlsx")));
    ASSERT_FALSE(prompt.shown().empty());
    EXPECT_TRUE(prompt.shown().back().text.startsWith(QStringLiteral("Excel açılamadı. Sistem Mesajı: ")))
        << prompt.shown().back().text.toStdString();
}

TEST_F(ExportButtonTest, FilterThatSelectsNothingGivesAMessage) {
    db.insert(stockRow("153", "01", "MAL", 100, 100, 200));
    form.userSet(ctl::report::RaporListeCombo, "500");
    prompt.addFile(out.filePath("bos.xlsx"));
    EXPECT_THROW(form.click(ctl::report::ExcelDuzRapBut), ShownError);
    EXPECT_FALSE(QFile::exists(out.filePath("bos.xlsx")));
}
