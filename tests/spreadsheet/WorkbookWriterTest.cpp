#include "base/ClassicNumbers.h"
#include "base/ScriptedPrompt.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/TypedText.h"
#include "spreadsheet/WorkbookHandOver.h"
#include "spreadsheet/XlsxPackage.h"
#include "spreadsheet/XlsxWorkbook.h"
#include "support/CLibraryLocale.h"
#include "support/DesktopLocales.h"
#include "support/XlsxReadBack.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

using namespace velkor;
using velkor::test::XlsxReadBack;

TEST(TypedText, ResolvesAsATurkishSpreadsheetDoes) {
    EXPECT_EQ(resolveTypedText({}).kind, TypedValue::Kind::Empty);

    const TypedValue quoted = resolveTypedText(QStringLiteral("'697"));
    EXPECT_EQ(quoted.kind, TypedValue::Kind::Text);
    EXPECT_EQ(quoted.text, QStringLiteral("697"));
    EXPECT_EQ(resolveTypedText(QStringLiteral("'31.12.2023")).text, QStringLiteral("31.12.2023"));

    const TypedValue date = resolveTypedText(QStringLiteral("31.12.2023"));
    EXPECT_EQ(date.kind, TypedValue::Kind::Date);
    EXPECT_EQ(date.date, QDate(2023, 12, 31));
    EXPECT_EQ(resolveTypedText(QStringLiteral("31.02.2023")).kind, TypedValue::Kind::Text);

    EXPECT_EQ(resolveTypedText(QStringLiteral("2023")).number, 2023);
    EXPECT_EQ(resolveTypedText(QStringLiteral("-1.234,5")).number, -1234.5);
    EXPECT_EQ(resolveTypedText(QStringLiteral("0,25")).number, 0.25);
    EXPECT_EQ(resolveTypedText(QStringLiteral("253.01")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("ED1")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("12.34.56")).kind, TypedValue::Kind::Text);
}

// The texts are read by hand, as the patterns d.m.yyyy and [+-]digits[.ddd...][,digits]
// read them.
TEST(TypedText, EdgesOfDatesAndNumbers) {
    EXPECT_EQ(resolveTypedText(QStringLiteral("1.2.2023")).date, QDate(2023, 2, 1));
    EXPECT_EQ(resolveTypedText(QStringLiteral("1.2.2023\n")).date, QDate(2023, 2, 1));
    EXPECT_EQ(resolveTypedText(QStringLiteral("1.2.2023\n\n")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("001.2.2023")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("1.2.23")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("1.234.567,89")).number, 1234567.89);
    EXPECT_EQ(resolveTypedText(QStringLiteral(" +12 ")).number, 12);
    EXPECT_EQ(resolveTypedText(QStringLiteral("1234.567")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("1.234.5678")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("12,")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("-")).kind, TypedValue::Kind::Text);
    EXPECT_EQ(resolveTypedText(QStringLiteral("1,2,3")).kind, TypedValue::Kind::Text);
    // Correctly rounded as any reader of the digits rounds them; too large is no number.
    EXPECT_EQ(resolveTypedText(QStringLiteral("0,1")).number, 0.1);
    EXPECT_EQ(resolveTypedText(QStringLiteral("3,14159265358979323846")).number, 3.141592653589793);
    EXPECT_EQ(resolveTypedText(QStringLiteral("9.007.199.254.740.993")).number, 9007199254740992.0);
    EXPECT_EQ(resolveTypedText(QStringLiteral("1") + QString(400, QLatin1Char('0'))).kind,
              TypedValue::Kind::Text);
}

TEST(TypedText, LocalNumberFormatsBecomeInvariant) {
    EXPECT_EQ(invariantNumberFormat(QStringLiteral("#.##0,00")), QStringLiteral("#,##0.00"));
    EXPECT_EQ(invariantNumberFormat(QStringLiteral("#.##0,00000")), QStringLiteral("#,##0.00000"));
    EXPECT_EQ(invariantNumberFormat(QStringLiteral("#.##0,00\" TL.\"")), QStringLiteral("#,##0.00\" TL.\""));
}

TEST(CellRangeTest, ParsesAddresses) {
    const CellRange block = CellRange::parse(QStringLiteral("C4:D15000"));
    EXPECT_EQ(block.firstColumn, 3);
    EXPECT_EQ(block.lastColumn, 4);
    EXPECT_EQ(block.firstRow, 4);
    EXPECT_EQ(block.lastRow, 15000);
    EXPECT_EQ(CellRange::parse(QStringLiteral("A1:IV2")).lastColumn, 256);
    EXPECT_TRUE(CellRange::parse(QStringLiteral("h13")).contains(13, 8));
    EXPECT_EQ(cellAddress(13, 8), QStringLiteral("H13"));
    EXPECT_EQ(columnLetters(27), QStringLiteral("AA"));
    EXPECT_THROW(CellRange::parse(QStringLiteral("4C")), std::invalid_argument);
}

class XlsxWorkbookTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(XlsxWorkbookTest, CellsKeepTheirTypesFormatsAndStyles) {
    XlsxWorkbook book;
    book.setNumberFormat(QStringLiteral("C4:D15000"), QStringLiteral("#.##0,00"));
    book.setText(1, 1, QStringLiteral("HESAP KODU"));
    book.setTyped(2, 1, QStringLiteral("'697"));
    book.setTyped(2, 2, QStringLiteral("31.12.2023"));
    book.setTyped(2, 3, QStringLiteral("2023"));
    book.setNumber(2, 4, 1234.5);
    book.setNumber(4, 3, 1000);
    book.setTyped(4, 4, QStringLiteral("Açıklama İğüşöç"));
    book.setFormula(6, 3, QStringLiteral("=Sum(C4:C5)"), 1000);
    book.setBold(QStringLiteral("A1:IV1"));
    book.setFontSize(QStringLiteral("A1:IV1"), 14);
    book.setBold(QStringLiteral("C6"));
    book.setColumnWidth(2, 30);
    book.autoFitColumns(QStringLiteral("A1:IV15000"));
    book.save(path(QStringLiteral("kitap.xlsx")));

    const XlsxReadBack back(path(QStringLiteral("kitap.xlsx")));
    const auto a1 = back.cell(QStringLiteral("A1"));
    EXPECT_EQ(a1.type, QStringLiteral("s"));
    EXPECT_EQ(a1.value, QStringLiteral("HESAP KODU"));
    EXPECT_TRUE(a1.bold);
    EXPECT_EQ(a1.fontSize, 14);

    EXPECT_EQ(back.cell(QStringLiteral("A2")).type, QStringLiteral("s"));
    EXPECT_EQ(back.cell(QStringLiteral("A2")).value, QStringLiteral("697"));
    const auto date = back.cell(QStringLiteral("B2"));
    EXPECT_EQ(date.type, QStringLiteral("n"));
    EXPECT_EQ(date.value, QStringLiteral("45291"));
    EXPECT_EQ(date.numberFormat, QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(back.cell(QStringLiteral("C2")).value, QStringLiteral("2023"));
    EXPECT_TRUE(back.cell(QStringLiteral("C2")).numberFormat.isEmpty());
    EXPECT_EQ(back.cell(QStringLiteral("D2")).value.toDouble(), 1234.5);
    EXPECT_TRUE(back.cell(QStringLiteral("D2")).numberFormat.isEmpty());

    EXPECT_EQ(back.cell(QStringLiteral("C4")).numberFormat, QStringLiteral("#,##0.00"));
    EXPECT_EQ(back.cell(QStringLiteral("D4")).value, QStringLiteral("Açıklama İğüşöç"));
    EXPECT_FALSE(back.cell(QStringLiteral("C4")).bold);

    const auto sum = back.cell(QStringLiteral("C6"));
    EXPECT_EQ(sum.formula, QStringLiteral("SUM(C4:C5)"));
    EXPECT_EQ(sum.value.toDouble(), 1000);
    EXPECT_TRUE(sum.bold);
    EXPECT_EQ(sum.numberFormat, QStringLiteral("#,##0.00"));
    EXPECT_EQ(back.lastRow(), 6);

    EXPECT_NEAR(back.widths().at(2), 30, 1);
    EXPECT_GT(back.widths().at(4), back.widths().at(3));
}

// A number without a format is as wide as its general text (15 digits): a fitted column
// of numbers is as wide as one of those texts, also where the 15th digit rounds an exact
// tie, where 15 digits do not hold the number, or for a negative zero.
TEST_F(XlsxWorkbookTest, FittedNumbersTakeTheWidthOfTheirGeneralText) {
    const std::vector<double> numbers{1234567.89,
                                      -0.0,
                                      0.1 + 0.2,
                                      13381424753052050.0,
                                      1234567890123.125,
                                      1e-5,
                                      1e15,
                                      -7604841041746505.0,
                                      123456789012345.0,
                                      1e300,
                                      2.5e-7,
                                      -915.02,
                                      2023.0,
                                      -45.0,
                                      9.0,
                                      999999999999999.0,
                                      -100000.0};
    XlsxWorkbook book;
    int column = 0;
    for (const double number : numbers) {
        book.setNumber(1, ++column, number);
        book.setText(1, ++column, QString::number(number, 'g', 15));
    }
    book.autoFitColumns(QStringLiteral("A1:IV15000"));
    book.save(path(QStringLiteral("genislik.xlsx")));
    const XlsxReadBack back(path(QStringLiteral("genislik.xlsx")));
    for (int c = 1; c < column; c += 2)
        EXPECT_EQ(back.widths().at(c), back.widths().at(c + 1)) << numbers[static_cast<size_t>(c / 2)];
}

// The workbook library prints numbers with printf; on a Turkish or German desktop that
// wrote "1234,5", which spreadsheet programs do not read as a number.
TEST_F(XlsxWorkbookTest, NumbersAreWrittenWithAPointOnEveryDesktop) {
    for (const test::Desktop& desktop : test::kDesktops) {
        const QByteArray name = desktop.locale.toLatin1();
        const test::CLibraryLocale locale(name.constData());
        ASSERT_TRUE(locale.available()) << name.constData();
        SCOPED_TRACE(name.constData());
        XlsxWorkbook book;
        book.setNumber(1, 1, 1234.5);
        book.setFormula(2, 1, QStringLiteral("=A1*2"), 2469.25);
        book.setTyped(3, 1, QStringLiteral("900.000,75"));
        book.setFontSize(QStringLiteral("A1"), 10.5);
        book.setColumnWidth(1, 12.25);
        const QString file = path(desktop.locale + QStringLiteral(".xlsx"));
        book.save(file);
        const XlsxReadBack back(file);
        EXPECT_EQ(back.cell(QStringLiteral("A1")).value, QStringLiteral("1234.5"));
        EXPECT_EQ(back.cell(QStringLiteral("A2")).value, QStringLiteral("2469.25"));
        EXPECT_EQ(back.cell(QStringLiteral("A3")).value, QStringLiteral("900000.75"));
        EXPECT_EQ(back.cell(QStringLiteral("A1")).fontSize, 10.5);
        // The library adds its padding to a width; a comma would have cut it to 12.
        EXPECT_NEAR(back.widths().at(1), 12.25, 1.0);
        EXPECT_FALSE(back.part(QStringLiteral("xl/worksheets/sheet1.xml")).contains("<v>1234,5"));
    }
}

// A voucher resolves the texts its rows repeat once and writes the resolved values: each
// must make the very cell its text makes, an empty text taking an earlier cell away.
TEST_F(XlsxWorkbookTest, AResolvedTextMakesTheCellOfItsTypedText) {
    const QStringList texts{"2023",     "12",    "31.12.2023", "'697", "'", "ED13",
                            "-1.234,5", " +12 ", "1.2.23",     "",     "x"};
    XlsxWorkbook typed;
    XlsxWorkbook resolved;
    for (int column = 1; column <= texts.size(); ++column) {
        typed.setText(1, column, QStringLiteral("önceki"));
        resolved.setText(1, column, QStringLiteral("önceki"));
        const QString& text = texts[column - 1];
        typed.setTyped(1, column, text);
        resolved.setResolved(1, column, resolveTypedText(text));
        typed.setTyped(2, column, text);
        resolved.setResolved(2, column, resolveTypedText(text));
    }
    typed.save(path(QStringLiteral("yazilan.xlsx")));
    resolved.save(path(QStringLiteral("cozulen.xlsx")));
    const XlsxReadBack fromTyped(path(QStringLiteral("yazilan.xlsx")));
    const XlsxReadBack fromResolved(path(QStringLiteral("cozulen.xlsx")));
    ASSERT_EQ(fromResolved.cells().size(), fromTyped.cells().size());
    EXPECT_EQ(fromTyped.cells().count(QStringLiteral("J1")), 0U);
    for (const auto& [address, cell] : fromTyped.cells()) {
        const test::ReadCell other = fromResolved.cell(address);
        EXPECT_EQ(other.type, cell.type) << address.toStdString();
        EXPECT_EQ(other.value, cell.value) << address.toStdString();
        EXPECT_EQ(other.numberFormat, cell.numberFormat) << address.toStdString();
    }
}

// Texts reach the workbook as UTF-8 through one buffer used again for every cell: each
// cell holds its own text whatever was longer before it, and a broken surrogate pair
// becomes "?" as in any other UTF-8 text of the program.
TEST_F(XlsxWorkbookTest, EveryTextIsWrittenAsItsOwnUtf8) {
    const QStringList texts{QStringLiteral("Uzun bir açıklama: İĞÜŞÖÇ ığüşöç ₺ 𝄞"), QStringLiteral("kısa"),
                            QString(), QStringLiteral("yarım ") + QChar(0xD834),
                            QChar(0xDD1E) + QStringLiteral(" çift")};
    XlsxWorkbook book;
    for (int row = 1; row <= texts.size(); ++row) {
        book.setText(row, 1, texts[row - 1]);
        book.setFormula(row, 2, QStringLiteral("=\"") + texts[row - 1] + QStringLiteral("\""), 0);
    }
    book.save(path(QStringLiteral("metin.xlsx")));
    const XlsxReadBack back(path(QStringLiteral("metin.xlsx")));
    for (int row = 1; row <= texts.size(); ++row) {
        const QString expected = QString::fromUtf8(texts[row - 1].toUtf8());
        EXPECT_EQ(back.cell(cellAddress(row, 1)).value, expected) << row;
        EXPECT_EQ(back.cell(cellAddress(row, 2)).formula, QLatin1Char('"') + expected + QLatin1Char('"'))
            << row;
    }
    EXPECT_EQ(back.cell(QStringLiteral("A4")).value, QStringLiteral("yarım ?"));
}

// The workbook is packed at a quicker compression level than the library's own, from the
// parts the library forms: every part must be the one the library writes itself for the
// same cells, styles and widths (but the creation time), with shared texts or without.
TEST_F(XlsxWorkbookTest, ThePartsAreTheOnesTheLibraryWritesItself) {
    const auto expectSameParts = [](const QString& ours, const QString& library) {
        const std::vector<WorkbookPart> written = readWorkbookParts(ours);
        const std::vector<WorkbookPart> expected = readWorkbookParts(library);
        ASSERT_EQ(written.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(written[i].name, expected[i].name);
            if (expected[i].name != QLatin1String("docProps/core.xml")) {
                EXPECT_EQ(written[i].bytes, expected[i].bytes) << expected[i].name.toStdString();
            }
        }
    };
    const ClassicNumbersScope classicNumbers;

    XlsxWorkbook book;
    book.setText(1, 1, QStringLiteral("HESAP KODU"));
    book.setBold(QStringLiteral("A1:IV1"));
    book.setFontSize(QStringLiteral("A1:IV1"), 14);
    book.setTyped(2, 1, QStringLiteral("'697"));
    book.setTyped(2, 2, QStringLiteral("31.12.2023"));
    book.setNumber(2, 3, 1234.5);
    book.setNumberFormat(QStringLiteral("C2:C9"), QStringLiteral("#.##0,00"));
    book.setText(3, 1, QStringLiteral("  boşluk "));
    book.setFormula(3, 3, QStringLiteral("=Sum(C2:C2)"), 1234.5);
    book.setText(20, 1, QStringLiteral("a&b<c>\x01\"'"));
    book.setText(20, 2, QStringLiteral("697"));
    book.setColumnWidth(2, 30.5);
    book.save(path(QStringLiteral("bizim.xlsx")));

    lxw_workbook* own = workbook_new(QFile::encodeName(path(QStringLiteral("kendi.xlsx"))).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(own, nullptr);
    worksheet_set_column(sheet, 1, 1, 30.5, nullptr);
    lxw_format* heading = workbook_add_format(own);
    format_set_bold(heading);
    format_set_font_size(heading, 14);
    lxw_format* date = workbook_add_format(own);
    format_set_num_format(date, "dd.mm.yyyy");
    lxw_format* amount = workbook_add_format(own);
    format_set_num_format(amount, "#,##0.00");
    worksheet_write_string(sheet, 0, 0, "HESAP KODU", heading);
    worksheet_write_string(sheet, 1, 0, "697", nullptr);
    worksheet_write_number(sheet, 1, 1, 45291, date);
    worksheet_write_number(sheet, 1, 2, 1234.5, amount);
    worksheet_write_string(sheet, 2, 0, "  boşluk ", nullptr);
    worksheet_write_formula_num(sheet, 2, 2, "=SUM(C2:C2)", amount, 1234.5);
    worksheet_write_string(sheet, 19, 0, "a&b<c>\x01\"'", nullptr);
    worksheet_write_string(sheet, 19, 1, "697", nullptr);
    ASSERT_EQ(workbook_close(own), LXW_NO_ERROR);
    expectSameParts(path(QStringLiteral("bizim.xlsx")), path(QStringLiteral("kendi.xlsx")));

    XlsxWorkbook numbers;
    numbers.setNumber(1, 1, 2023);
    numbers.setNumber(40000, 3, -0.1);
    numbers.save(path(QStringLiteral("sayilar.xlsx")));
    own = workbook_new(QFile::encodeName(path(QStringLiteral("kendi-sayilar.xlsx"))).constData());
    sheet = workbook_add_worksheet(own, nullptr);
    worksheet_write_number(sheet, 0, 0, 2023, nullptr);
    worksheet_write_number(sheet, 39999, 2, -0.1, nullptr);
    ASSERT_EQ(workbook_close(own), LXW_NO_ERROR);
    expectSameParts(path(QStringLiteral("sayilar.xlsx")), path(QStringLiteral("kendi-sayilar.xlsx")));

    XlsxWorkbook empty;
    empty.save(path(QStringLiteral("bos.xlsx")));
    own = workbook_new(QFile::encodeName(path(QStringLiteral("kendi-bos.xlsx"))).constData());
    workbook_add_worksheet(own, nullptr);
    ASSERT_EQ(workbook_close(own), LXW_NO_ERROR);
    expectSameParts(path(QStringLiteral("bos.xlsx")), path(QStringLiteral("kendi-bos.xlsx")));
}

TEST_F(XlsxWorkbookTest, EmptyTypedTextLeavesNoCell) {
    XlsxWorkbook book;
    book.setTyped(1, 1, QStringLiteral("x"));
    book.setTyped(1, 1, {});
    book.setTyped(1, 2, QStringLiteral("y"));
    book.save(path(QStringLiteral("bos.xlsx")));
    const XlsxReadBack back(path(QStringLiteral("bos.xlsx")));
    EXPECT_EQ(back.cells().count(QStringLiteral("A1")), 0U);
    EXPECT_EQ(back.cell(QStringLiteral("B1")).value, QStringLiteral("y"));
}

TEST_F(XlsxWorkbookTest, AFailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    const QString target = path(QStringLiteral("eski.xlsx"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    XlsxWorkbook book;
    book.setText(1, 1, QStringLiteral("x"));
    // A file where the folder should be fails even for the superuser.
    EXPECT_THROW(book.save(path(QStringLiteral("eski.xlsx/yeni.xlsx"))), WorkbookError);
    EXPECT_EQ(QFile(target).size(), 3);

    book.save(target);
    EXPECT_EQ(XlsxReadBack(target).cell(QStringLiteral("A1")).value, QStringLiteral("x"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(XlsxWorkbookTest, HandOverAsksSavesAndOpens) {
    ScriptedPrompt prompt;
    XlsxWorkbook book;
    book.setText(1, 1, QStringLiteral("x"));
    QStringList opened;
    prompt.addFile(path(QStringLiteral("Rapor")));
    const QString saved = handOverWorkbook(
        book, prompt, {QStringLiteral("Kaydet"), path(QStringLiteral("F1"))}, [&](const QString& file) {
            opened << file;
            return true;
        });
    EXPECT_EQ(saved, path(QStringLiteral("Rapor.xlsx")));
    EXPECT_EQ(opened, QStringList{saved});
    EXPECT_TRUE(prompt.shown().empty());

    prompt.addFile(path(QStringLiteral("Rapor2.xlsx")));
    EXPECT_FALSE(handOverWorkbook(book, prompt, {}, {}).isEmpty());
    ASSERT_EQ(prompt.texts().size(), 1);
    EXPECT_TRUE(prompt.texts().front().contains(QStringLiteral("Rapor2.xlsx")));

    prompt.clearShown();
    EXPECT_TRUE(handOverWorkbook(book, prompt, {}, {}).isEmpty());
    EXPECT_TRUE(prompt.shown().empty());

    prompt.addFile(path(QStringLiteral("yok/klasor/Rapor.xlsx")));
    EXPECT_TRUE(handOverWorkbook(book, prompt, {}, {}).isEmpty());
    ASSERT_EQ(prompt.texts().size(), 1);
    EXPECT_TRUE(prompt.texts().front().startsWith(QStringLiteral("Excel açılamadı. Sistem Mesajı: ")));
}
