// The empty cells that pad an OpenDocument row to the sheet's last column are left out
// before the parser sees the content; nothing else may change, and the package handed to
// the parser must be a zip archive others read too.
#include "spreadsheet/OdsRowTrim.h"
#include "spreadsheet/StoredZip.h"
#include "spreadsheet/WorkbookGrid.h"
#include "spreadsheet/WorkbookReader.h"
#include "storage/ZipArchive.h"
#include "support/HostileWorkbooks.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

const QByteArray kRoot =
    R"(<?xml version="1.0" encoding="UTF-8"?>)"
    R"(<office:document-content xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0">)";
const QByteArray kRootEnd = "</office:document-content>";

QByteArray content(const QByteArray& rows) {
    return kRoot + rows + kRootEnd;
}

const QByteArray kValue =
    R"(<table:table-cell office:value-type="float" office:value="1"><text:p>1</text:p></table:table-cell>)";

} // namespace

TEST(OdsRowTrim, dropsOnlyTheEmptyCellsThatCloseARow) {
    const QByteArray padded = content(
        "<table:table-row>" + kValue + R"(<table:table-cell table:number-columns-repeated="2"/>)" + kValue +
        R"(<table:table-cell/><table:table-cell table:number-columns-repeated="16379"/></table:table-row>)"
        R"(<table:table-row table:number-rows-repeated="3"><table:table-cell table:number-columns-repeated="16384"/></table:table-row>)"
        "<table:table-row>" +
        kValue + "</table:table-row>");
    EXPECT_EQ(
        trimTrailingEmptyCells(padded),
        content("<table:table-row>" + kValue + R"(<table:table-cell table:number-columns-repeated="2"/>)" +
                kValue +
                R"(</table:table-row><table:table-row table:number-rows-repeated="3"></table:table-row>)"
                "<table:table-row>" +
                kValue + "</table:table-row>"));
}

TEST(OdsRowTrim, keepsCellsThatCarryAnythingButTheirRepeat) {
    for (const QByteArray& cell :
         {QByteArray(R"(<table:table-cell table:style-name="ce1" table:number-columns-repeated="5"/>)"),
          QByteArray(R"(<table:table-cell table:number-columns-repeated="5" table:style-name="ce1"/>)"),
          QByteArray(R"(<table:table-cell table:number-columns-repeated=""/>)"),
          QByteArray(R"(<table:covered-table-cell table:number-columns-repeated="5"/>)"),
          QByteArray(
              R"(<table:table-cell table:number-columns-repeated="5"><text:p/></table:table-cell>)")}) {
        const QByteArray row = content("<table:table-row>" + kValue + cell + "</table:table-row>");
        EXPECT_EQ(trimTrailingEmptyCells(row), row) << cell.toStdString();
    }
}

TEST(OdsRowTrim, leavesContentAloneWhoseRootBindsTheTablePrefixElsewhere) {
    const QByteArray other =
        R"(<?xml version="1.0"?><!-- x --><office:document-content xmlns:table="urn:other">)"
        R"(<table:table-row><table:table-cell/></table:table-row>)" +
        kRootEnd;
    EXPECT_EQ(trimTrailingEmptyCells(other), other);
    EXPECT_EQ(trimTrailingEmptyCells(QByteArray()), QByteArray());
}

TEST(StoredZip, isReadBackWithItsChecksums) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("paket.zip"));
    const QByteArray big(70000, 'x');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(storedZip({{"styles.xml", "<a/>"}, {"content.xml", big}, {"bos", {}}}));
    }
    const ZipArchive zip(path, ZipArchive::Mode::Read);
    ASSERT_EQ(zip.entryCount(), 3);
    EXPECT_EQ(zip.entryName(1), QStringLiteral("content.xml"));
    EXPECT_EQ(zip.read(0), QByteArray("<a/>"));
    EXPECT_EQ(zip.read(1), big);
    EXPECT_EQ(zip.read(2), QByteArray());
    // libzip checks each entry's CRC when it extracts it.
    zip.extract(1, dir.filePath(QStringLiteral("cikan")));
    QFile out(dir.filePath(QStringLiteral("cikan")));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), big);
}

// Rows padded as spreadsheet programs pad them read as the cells they hold: the empty
// cells between values keep the columns, the padded empty rows keep the row numbers.
TEST(OdsRowTrim, aPaddedSheetReadsAsItsCells) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dolgulu.ods"));
    const QByteArray text =
        R"(<table:table-cell office:value-type="string"><text:p>Kasa</text:p></table:table-cell>)";
    test::writeOds(
        path,
        "<table:table-row>" + text + R"(<table:table-cell table:number-columns-repeated="2"/>)" + kValue +
            R"(<table:table-cell table:number-columns-repeated="16380"/></table:table-row>)"
            R"(<table:table-row table:number-rows-repeated="2"><table:table-cell table:number-columns-repeated="16384"/></table:table-row>)"
            "<table:table-row><table:table-cell/>" +
            text + R"(<table:table-cell table:number-columns-repeated="16382"/></table:table-row>)");
    const WorkbookGrid grid = readWorkbook(path);
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(grid.text(1, 1), QStringLiteral("Kasa"));
    EXPECT_EQ(grid.text(1, 2), QString());
    EXPECT_EQ(grid.text(1, 4), QStringLiteral("1"));
    EXPECT_EQ(grid.text(2, 1), QString());
    EXPECT_EQ(grid.text(4, 2), QStringLiteral("Kasa"));
}
