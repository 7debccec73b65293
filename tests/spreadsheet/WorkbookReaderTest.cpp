#include "spreadsheet/WorkbookReader.h"
#include "spreadsheet/CellText.h"
#include "spreadsheet/CsvWorkbookReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

QString fixture(const QString& name) {
    return QStringLiteral(VELKOR_TEST_SOURCE_DIR "/spreadsheet/data/") + name;
}

// The texts every copy of the test workbook reads as: a text code, Turkish letters, dates
// in two display formats and before 2000, a grouped amount, an empty cell, a division by
// zero (an error cell) and a fraction.
const std::vector<QStringList> kExpected{
    {"Hesap Kodu", "Hesap Adı", "Giriş Tarihi", "Borç", "Alacak", "Süre"},
    {"253.01", "Şişli Ofis Makinesi", "15.03.2018", "1234,5", "", "5"},
    {"253.02", "Çığ Güzel İş", "01.06.1999", "100000", "", ""},
    {"500", "Sermaye", "31.12.2022", "", "-2500,75", "0,125"},
};

void expectSample(const WorkbookGrid& grid, const QString& file) {
    SCOPED_TRACE(file.toStdString());
    ASSERT_EQ(grid.rowCount(), 4);
    ASSERT_EQ(grid.columnCount(), 6);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(grid.text(r + 1, c + 1), kExpected[r][c]) << "row " << r + 1 << " column " << c + 1;
    EXPECT_EQ(grid.text(5, 1), QString());
    EXPECT_EQ(grid.text(1, 7), QString());
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(WorkbookReader, theSameWorkbookReadsTheSameGridInEveryFormat) {
    for (const char* file :
         {"book.xlsx", "book-libreoffice.xlsx", "book.ods", "book.xls", "book.csv", "book-1254.csv"})
        expectSample(readWorkbook(fixture(file)), QString::fromUtf8(file));
}

TEST(WorkbookReader, countsTheSheetsItDoesNotRead) {
    EXPECT_EQ(readWorkbook(fixture("book.xlsx")).sheetCount(), 2);
    EXPECT_EQ(readWorkbook(fixture("book.ods")).sheetCount(), 2);
    EXPECT_EQ(readWorkbook(fixture("book.xls")).sheetCount(), 2);
    EXPECT_EQ(readWorkbook(fixture("book.csv")).sheetCount(), 1);
}

TEST(WorkbookReader, damagedAndProtectedWorkbooksGiveTurkishMessages) {
    QTemporaryDir dir;
    QFile original(fixture("book.xlsx"));
    original.open(QIODevice::ReadOnly);
    const QByteArray cut = original.readAll().left(900);
    const QString damaged = writeFile(dir, "kesik.xlsx", cut);
    try {
        readWorkbook(damaged);
        FAIL() << "a cut-off workbook was read";
    } catch (const WorkbookError& error) {
        EXPECT_EQ(error.message(), damagedWorkbookMessage(damaged));
        EXPECT_TRUE(error.message().startsWith("Çalışma kitabı okunamadı"));
    }
    // An encrypted xlsx is a compound file holding the encrypted package.
    const QString locked =
        writeFile(dir, "parolali.xlsx", QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0'));
    try {
        readWorkbook(locked);
        FAIL() << "an encrypted workbook was read";
    } catch (const WorkbookError& error) {
        EXPECT_EQ(error.message(), protectedWorkbookMessage(locked));
    }
    const QString junkXls = writeFile(dir, "bozuk.xls", QByteArray("bu bir tablo degil"));
    EXPECT_THROW(readWorkbook(junkXls), WorkbookError);
    EXPECT_THROW(readWorkbook(dir.filePath("olmayan.xlsx")), WorkbookError);
}

TEST(CsvWorkbookReader, quotesSeparatorsAndEmptyFiles) {
    const WorkbookGrid grid = CsvWorkbookReader::readBytes("a;\"b;c\";\"d \"\"e\"\"\"\n\n;;x\n");
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.text(1, 2), "b;c");
    EXPECT_EQ(grid.text(1, 3), "d \"e\"");
    EXPECT_EQ(grid.text(2, 1), "");
    EXPECT_EQ(grid.text(3, 3), "x");
    // A quoted number keeps its point; an ISO date is no number.
    const WorkbookGrid comma = CsvWorkbookReader::readBytes("\"1.5\",1.5,2023-01-15\n");
    EXPECT_EQ(comma.text(1, 1), "1.5");
    EXPECT_EQ(comma.text(1, 2), "1,5");
    EXPECT_EQ(comma.text(1, 3), "2023-01-15");
    EXPECT_EQ(CsvWorkbookReader::readBytes("").rowCount(), 0);
    EXPECT_EQ(CsvWorkbookReader::readBytes("\xEF\xBB\xBFİ;x").text(1, 1), "İ");
}

TEST(CellText, numberFormatsThatShowDates) {
    EXPECT_EQ(numberFormatKind(14, ""), NumberFormatKind::Date);
    EXPECT_EQ(numberFormatKind(0, "General"), NumberFormatKind::Number);
    EXPECT_EQ(numberFormatKind(164, "#,##0.00"), NumberFormatKind::Number);
    EXPECT_EQ(numberFormatKind(164, "0.00E+00"), NumberFormatKind::Number);
    EXPECT_EQ(numberFormatKind(164, "[$-41F]dd mmmm yyyy"), NumberFormatKind::Date);
    EXPECT_EQ(numberFormatKind(164, "[Red]#,##0"), NumberFormatKind::Number);
    EXPECT_EQ(numberFormatKind(164, "\"gün \"0"), NumberFormatKind::Number);
    EXPECT_EQ(numberFormatKind(164, "hh:mm"), NumberFormatKind::Time);
    EXPECT_EQ(numberFormatKind(164, "dd.mm.yyyy hh:mm"), NumberFormatKind::Date);
    EXPECT_EQ(serialToDate(43174, QDate(1899, 12, 30)), QDate(2018, 3, 15));
    EXPECT_EQ(numberCellText(1234567.891), "1234567,891");
    EXPECT_EQ(numberCellText(-0.5), "-0,5");
}

TEST(WorkbookReader, anEmptySheetGivesAnEmptyGrid) {
    for (const char* file : {"empty.xlsx", "empty.ods", "empty.xls"}) {
        const WorkbookGrid grid = readWorkbook(fixture(file));
        EXPECT_EQ(grid.rowCount(), 0) << file;
        EXPECT_EQ(grid.columnCount(), 0) << file;
        EXPECT_EQ(grid.sheetCount(), 1) << file;
    }
}
