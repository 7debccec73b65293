// Workbooks made to exhaust memory: each is refused with a message naming the file and
// the limit, by a reader running under an address-space limit of 500 MB; before the
// readers measured files, each of these took gigabytes or grew until it was killed.
#include "spreadsheet/WorkbookGrid.h"
#include "spreadsheet/WorkbookLimits.h"
#include "spreadsheet/WorkbookReader.h"
#include "support/HostileWorkbooks.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

QString fixture(const QString& name) {
    return QStringLiteral(VELKOR_TEST_SOURCE_DIR "/spreadsheet/data/") + name;
}

// What a limited reader did: 0 refused with the message (or, with no message, read the
// file), 1 read the file, 2 refused with another message, 98 threw something else, -1 died
// (out of memory).
int readLimited(const QString& path, const QString& message) {
    return runLimited(kTestMemoryLimit, [&] {
        try {
            readWorkbook(path);
            return message.isEmpty() ? 0 : 1;
        } catch (const WorkbookError& error) {
            if (error.message() != message) {
                fprintf(stderr, "%s\n", qPrintable(error.message()));
                return 2;
            }
            return 0;
        }
    });
}

class HostileWorkbook : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

// A sheet of white space just beyond the limit: a few hundred kilobytes deflated.
QByteArray whiteSpaceSheet() {
    return QByteArray(kMaxWorkbookBytes + 1024 * 1024, ' ');
}

} // namespace

TEST(WorkbookLimits, theMessagesNameTheFileAndTheLimit) {
    EXPECT_EQ(tooManyCellsMessage(QStringLiteral("/x/mizan.xlsx")),
              QStringLiteral("Çalışma kitabı okunmadı; sayfalarında kullanılan alan 1.000.000 hücre sınırını "
                             "aşıyor: mizan.xlsx"));
    EXPECT_EQ(tooLargeMessage(QStringLiteral("/x/mizan.ods")),
              QStringLiteral("Çalışma kitabı okunmadı; açıldığında 50 MB sınırını aşıyor: mizan.ods"));
}

TEST(WorkbookLimits, theGridRefusesToGrowBeyondTheLimits) {
    WorkbookGrid grid;
    EXPECT_THROW(grid.setText(1048576, 16384, QStringLiteral("1")), SheetLimitExceeded);
    EXPECT_EQ(grid.rowCount(), 0);
    grid.setText(1000, 1000, QStringLiteral("1"));
    EXPECT_THROW(grid.setText(1001, 1, QStringLiteral("1")), SheetLimitExceeded);
    // Texts: kMaxWorkbookBytes of them at the most, counted as they are held (two bytes a
    // character).
    WorkbookGrid texts;
    const QString half(kMaxWorkbookBytes / 4 + 1, QLatin1Char('x'));
    texts.setText(1, 1, half);
    EXPECT_THROW(texts.setText(1, 2, half), SheetLimitExceeded);
    texts.setText(1, 1, QString()); // a replaced text frees its share
    texts.setText(1, 2, half);
}

TEST_F(HostileWorkbook, anXlsxWhoseDirectoryDeclaresAFourGigabyteSheet) {
    const QString file = path(QStringLiteral("dort-gb.xlsx"));
    writeXlsx(file, "<row r=\"1\">" + numberCell(QStringLiteral("A1"), QStringLiteral("1")) + "</row>");
    declareUncompressedSize(file, QStringLiteral("xl/worksheets/sheet1.xml"), 0xFFFFFF00u);
    EXPECT_LT(QFile(file).size(), 3000);
    EXPECT_EQ(readLimited(file, tooLargeMessage(file)), 0);
}

TEST_F(HostileWorkbook, anXlsxWithOneCellAtXFD1048576) {
    const QString file = path(QStringLiteral("kose.xlsx"));
    writeXlsx(file, "<row r=\"1048576\">" + numberCell(QStringLiteral("XFD1048576"), QStringLiteral("1")) +
                        "</row>");
    EXPECT_EQ(readLimited(file, tooManyCellsMessage(file)), 0);
    // The same reach through an array formula over the whole sheet, or through a cell
    // without an address after one at the sheet's last column but one.
    const QString array = path(QStringLiteral("dizi.xlsx"));
    writeXlsx(array, R"(<row r="1"><c r="A1"><f t="array" ref="A1:XFD1048576">1</f></c></row>)");
    EXPECT_EQ(readLimited(array, tooManyCellsMessage(array)), 0);
    const QString following = path(QStringLiteral("ardisik.xlsx"));
    writeXlsx(following, R"(<row r="1048576"><c r="XFC1048576"><v>1</v></c><c><v>2</v></c></row>)");
    EXPECT_EQ(readLimited(following, tooManyCellsMessage(following)), 0);
}

TEST_F(HostileWorkbook, workbooksOfCompressedSpaces) {
    const QString xlsx = path(QStringLiteral("bosluk.xlsx"));
    writeXlsx(xlsx, whiteSpaceSheet());
    EXPECT_LT(QFile(xlsx).size(), 1024 * 1024);
    EXPECT_EQ(readLimited(xlsx, tooLargeMessage(xlsx)), 0);
    const QString ods = path(QStringLiteral("bosluk.ods"));
    writeOds(ods, whiteSpaceSheet());
    EXPECT_EQ(readLimited(ods, tooLargeMessage(ods)), 0);
    // The same sheet declared as a thousand bytes: the inflating stops where the entry
    // outgrows what it declared.
    declareUncompressedSize(xlsx, QStringLiteral("xl/worksheets/sheet1.xml"), 1000);
    EXPECT_EQ(readLimited(xlsx, damagedWorkbookMessage(xlsx)), 0);
}

TEST_F(HostileWorkbook, workbooksJustWithinTheLimitAreReadWithinTheMemoryLimit) {
    // White space, and one text as long as the limit allows, in an entry just under it:
    // the scan before the parser holds neither whole.
    const QString blank = path(QStringLiteral("bosluk-sinirda.xlsx"));
    writeXlsx(blank, "<row r=\"1\">" + inlineStringCell(QStringLiteral("A1"), QStringLiteral("Hesap")) +
                         "</row>" + QByteArray(kMaxWorkbookBytes - 4096, ' '));
    EXPECT_EQ(readLimited(blank, QString()), 0);
    const QString text = path(QStringLiteral("uzun-metin.xlsx"));
    writeXlsx(text, "<row r=\"1\">" +
                        inlineStringCell(QStringLiteral("A1"),
                                         QString(kMaxWorkbookBytes - 4096, QLatin1Char('x'))) +
                        "</row>");
    EXPECT_EQ(readLimited(text, QString()), 0);
    const WorkbookGrid grid = readWorkbook(blank);
    EXPECT_EQ(grid.text(1, 1), QStringLiteral("Hesap"));
}

TEST_F(HostileWorkbook, anOdsWhoseRepeatedCellsReachFarOut) {
    const QByteArray value =
        R"(office:value-type="float" office:value="1"><text:p>1</text:p></table:table-cell>)";
    const QString far = path(QStringLiteral("uzak.ods"));
    writeOds(
        far,
        R"(<table:table-row table:number-rows-repeated="1048575">)"
        R"(<table:table-cell table:number-columns-repeated="16384"/></table:table-row>)"
        R"(<table:table-row><table:table-cell table:number-columns-repeated="16383"/><table:table-cell )" +
            value + "</table:table-row>");
    EXPECT_EQ(readLimited(far, tooManyCellsMessage(far)), 0);
    const QString repeated = path(QStringLiteral("tekrar.ods"));
    writeOds(repeated, R"(<table:table-row table:number-rows-repeated="100000">)"
                       R"(<table:table-cell table:number-columns-repeated="1000" )" +
                           value + "</table:table-row>");
    EXPECT_EQ(readLimited(repeated, tooManyCellsMessage(repeated)), 0);
    // Empty repeated cells, as spreadsheet programs write them after the last used cell,
    // count for nothing.
    const QString trailing = path(QStringLiteral("sonu-bos.ods"));
    writeOds(trailing, "<table:table-row><table:table-cell " + value +
                           R"(<table:table-cell table:number-columns-repeated="16383"/></table:table-row>)"
                           R"(<table:table-row table:number-rows-repeated="1048575">)"
                           R"(<table:table-cell table:number-columns-repeated="16384"/></table:table-row>)");
    const WorkbookGrid grid = readWorkbook(trailing);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.columnCount(), 1);
}

TEST_F(HostileWorkbook, anXlsWhoseDimensionsDeclareTheWholeSheet) {
    QFile original(fixture(QStringLiteral("book.xls")));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    // The first sheet's dimensions, then both sheets'.
    const QByteArray first = declareWholeSheets(bytes, 1);
    const QByteArray both = declareWholeSheets(bytes, 2);
    for (const auto& [name, content] :
         {std::pair{QStringLiteral("genis.xls"), first}, std::pair{QStringLiteral("iki-genis.xls"), both}}) {
        const QString file = path(name);
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        out.close();
        EXPECT_EQ(readLimited(file, tooManyCellsMessage(file)), 0) << name.toStdString();
    }
}

TEST_F(HostileWorkbook, filesReadWholeAreMeasuredFirst) {
    // A compound file and a text file beyond the limit, written sparse.
    for (const QString& name : {QStringLiteral("buyuk.xls"), QStringLiteral("buyuk.csv")}) {
        const QString file = path(name);
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromHex("D0CF11E0A1B11AE1"));
        ASSERT_TRUE(out.resize(kMaxWorkbookBytes + 1));
        out.close();
        EXPECT_EQ(readLimited(file, tooLargeMessage(file)), 0) << name.toStdString();
    }
    // Two million separators on one line make a row two million cells wide.
    const QString wide = path(QStringLiteral("genis.csv"));
    QFile out(wide);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QByteArray(2'000'000, ';') + "x\n");
    out.close();
    EXPECT_EQ(readLimited(wide, tooManyCellsMessage(wide)), 0);
}

TEST_F(HostileWorkbook, inlineStringsAreReadAsTheSheetsTexts) {
    const QString file = path(QStringLiteral("satir-ici.xlsx"));
    writeXlsx(file,
              "<row r=\"1\">" + inlineStringCell(QStringLiteral("A1"), QStringLiteral("Hesap Kodu")) +
                  inlineStringCell(QStringLiteral("B1"), QStringLiteral("Çığ & Şişli <İş>")) +
                  "</row><row r=\"2\">" + inlineStringCell(QStringLiteral("A2"), QStringLiteral("253.01")) +
                  numberCell(QStringLiteral("B2"), QStringLiteral("1234.5")) +
                  // Runs of formatted text make one text; phonetic hints are no part of it.
                  R"(<c r="C2" t="inlineStr"><is><r><t>Ofis </t></r><r><rPr><b/></rPr>)"
                  R"(<t xml:space="preserve">Makinesi</t></r><rPh sb="0" eb="1"><t>x</t></rPh></is></c>)"
                  "</row>");
    const WorkbookGrid grid = readWorkbook(file);
    ASSERT_EQ(grid.rowCount(), 2);
    ASSERT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.text(1, 1), QStringLiteral("Hesap Kodu"));
    EXPECT_EQ(grid.text(1, 2), QStringLiteral("Çığ & Şişli <İş>"));
    EXPECT_EQ(grid.text(1, 3), QString());
    EXPECT_EQ(grid.text(2, 1), QStringLiteral("253.01"));
    EXPECT_EQ(grid.text(2, 2), QStringLiteral("1234,5"));
    EXPECT_EQ(grid.text(2, 3), QStringLiteral("Ofis Makinesi"));
}
