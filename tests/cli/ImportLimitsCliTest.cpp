// The import command on hostile workbooks, run under a 500 MB address-space limit: each is
// refused with exit 1, a message naming the file and the limit, and nothing written.
#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/WorkbookLimits.h"
#include "support/ControlArgs.h"
#include "support/HostileWorkbooks.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

namespace ie = ctl::excelimport;

class ImportLimitsCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(run({QStringLiteral("init")}), 0);
        ASSERT_EQ(run({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("K1"),
                       QStringLiteral("Kitap")}),
                  0);
    }

    QStringList withHome(QStringList args) const {
        return QStringList{QStringLiteral("--home"), dir.path()} + args;
    }
    int run(const QStringList& args, QString* out = nullptr, QString* err = nullptr) {
        return runCli(withHome(args), out, err);
    }
    // The import of a file with the usual mapping: full code, name, date, debit, credit.
    int import(const QString& file, QString* out, QString* err) {
        QStringList args{QStringLiteral("import"), QStringLiteral("--company"), QStringLiteral("K1"),
                         QStringLiteral("--file"), file};
        const std::pair<QString, const char*> steps[] = {{ie::AnaHesapE, "1"},      {ie::AlHesapKodE, "1"},
                                                         {ie::HesapAdiEdit, "2"},   {ie::GirisTarihiE, "3"},
                                                         {ie::KayitliTutarE, "4"},  {ie::PasifTutarE, "5"},
                                                         {ie::ilkUcHarfCheck, "1"}, {ie::BasSatirE, "2"}};
        for (const auto& [control, value] : steps)
            args << QStringLiteral("--set") << stepArg(control, QString::fromLatin1(value));
        return runCliLimited(kTestMemoryLimit, withHome(args), out, err);
    }
    int storedItems() {
        QString out;
        EXPECT_EQ(run({QStringLiteral("items"), QStringLiteral("--company"), QStringLiteral("K1")}, &out), 0);
        return static_cast<int>(out.count(QLatin1Char('\n'))) - 1;
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

// A sheet of rows of texts as inline strings, numbers where the text reads as one.
QByteArray inlineRows(const std::vector<QStringList>& rows) {
    QByteArray data;
    for (int r = 0; r < int(rows.size()); ++r) {
        data += "<row r=\"" + QByteArray::number(r + 1) + "\">";
        for (int c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].isEmpty())
                data += inlineStringCell(cellAddress(r + 1, c + 1), rows[r][c]);
        data += "</row>";
    }
    return data;
}

const std::vector<QStringList> kFiveItems{
    {"Hesap Kodu", "Hesap Adı", "Giriş Tarihi", "Borç", "Alacak"},
    {"253.01", "Kamyon", "15.03.2018", "100.000,00", ""},
    {"253.02", "Otomobil", "01.06.2019", "250000", ""},
    {"254.01", "Masa", "01.01.2020", "1.500,50", ""},
    {"255.01", "Bilgisayar", "01.10.2021", "30000", ""},
    {"500.01", "Sermaye", "31.12.2022", "", "50.000"},
};

} // namespace

TEST_F(ImportLimitsCliTest, hostileWorkbooksAreRefusedWithinTheMemoryLimit) {
    const QString declared = path(QStringLiteral("dort-gb.xlsx"));
    writeXlsx(declared, "<row r=\"1\">" + numberCell(QStringLiteral("A1"), QStringLiteral("1")) + "</row>");
    declareUncompressedSize(declared, QStringLiteral("xl/worksheets/sheet1.xml"), 0xFFFFFF00u);
    const QString corner = path(QStringLiteral("kose.xlsx"));
    writeXlsx(corner, "<row r=\"1048576\">" + numberCell(QStringLiteral("XFD1048576"), QStringLiteral("1")) +
                          "</row>");
    const QString spaces = path(QStringLiteral("bosluk.xlsx"));
    writeXlsx(spaces, QByteArray(kMaxWorkbookBytes + 1024 * 1024, ' '));
    const QString far = path(QStringLiteral("uzak.ods"));
    writeOds(far,
             R"(<table:table-row table:number-rows-repeated="1048575"><table:table-cell/></table:table-row>)"
             R"(<table:table-row><table:table-cell table:number-columns-repeated="16383"/>)"
             R"(<table:table-cell office:value-type="float" office:value="1"/></table:table-row>)");
    const QString wide = path(QStringLiteral("genis.xls"));
    QFile book(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/spreadsheet/data/book.xls"));
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    QFile out(wide);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(declareWholeSheets(book.readAll(), 1));
    out.close();

    const std::pair<QString, QString> refusals[] = {{declared, tooLargeMessage(declared)},
                                                    {corner, tooManyCellsMessage(corner)},
                                                    {spaces, tooLargeMessage(spaces)},
                                                    {far, tooManyCellsMessage(far)},
                                                    {wide, tooManyCellsMessage(wide)}};
    for (const auto& [file, message] : refusals) {
        SCOPED_TRACE(file.toStdString());
        QString output, err;
        EXPECT_EQ(import(file, &output, &err), 1) << err.toStdString();
        EXPECT_EQ(err, QStringLiteral("MESAJ: ") + message + QLatin1Char('\n'));
        EXPECT_EQ(output, QString());
    }
    EXPECT_EQ(storedItems(), 0);
}

TEST_F(ImportLimitsCliTest, anXlsxOfInlineStringsImportsLikeTheSameSheetAsCsv) {
    const QString xlsx = path(QStringLiteral("satir-ici.xlsx"));
    writeXlsx(xlsx, inlineRows(kFiveItems));
    QString out, err;
    EXPECT_EQ(import(xlsx, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("5 kayıt aktarıldı.\n"));
    const QString csv = path(QStringLiteral("ayni.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const QStringList& row : kFiveItems)
        file.write(row.join(QLatin1Char(';')).toUtf8() + '\n');
    file.close();
    EXPECT_EQ(import(csv, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("5 kayıt aktarıldı.\n"));
    EXPECT_EQ(storedItems(), 10);
}

TEST_F(ImportLimitsCliTest, anImportThatCreatesNothingOrMeetsANonAmountExitsOne) {
    QString out, err;
    const QString headerOnly = path(QStringLiteral("baslik.xlsx"));
    writeXlsx(headerOnly, inlineRows({kFiveItems.front(), {"100.01", "Kasa", "15.03.2018", "500", ""}}));
    EXPECT_EQ(import(headerOnly, &out, &err), 1);
    EXPECT_EQ(out, QString());
    EXPECT_EQ(err, QStringLiteral("MESAJ: ") + ExcelImportForm::nothingImportedMessage() + QLatin1Char('\n'));

    std::vector<QStringList> rows = kFiveItems;
    rows[3][3] = QStringLiteral("1e309");
    const QString bad = path(QStringLiteral("us.xlsx"));
    writeXlsx(bad, inlineRows(rows));
    EXPECT_EQ(import(bad, &out, &err), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("MESAJ: Tutar geçerli bir sayı değil: \"1e309\"")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Satır 4, sütun 4."))) << err.toStdString();
    EXPECT_EQ(storedItems(), 0);
}
