#include "VoucherFixture.h"

#include "support/ControlArgs.h"
#include "support/TestEngine.h"
#include "support/XlsxReadBack.h"
#include "vouchers/TransferSheetControls.h"
#include "vouchers/Windows1254.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <map>

using namespace velkor;
using namespace velkor::test;
namespace c = velkor::ctl::transfer;

namespace {

/// A workbook's first sheet as text, a cell a line: address, type, value, formula,
/// number format and bold, so that a golden file shows every cell at a glance.
QByteArray sheetDump(const QString& file) {
    const XlsxReadBack back(file);
    std::map<std::pair<int, int>, QString> ordered;
    static const QRegularExpression address(QStringLiteral("^([A-Z]+)([0-9]+)$"));
    for (const auto& [name, cell] : back.cells()) {
        const auto match = address.match(name);
        int column = 0;
        for (const QChar letter : match.captured(1))
            column = column * 26 + letter.unicode() - 'A' + 1;
        ordered[{match.captured(2).toInt(), column}] =
            name + QLatin1Char('|') + cell.type + QLatin1Char('|') + cell.value + QLatin1Char('|') +
            cell.numberFormat + (cell.bold ? QStringLiteral("|bold") : QString()) + QLatin1Char('\n');
    }
    QString dump;
    for (const auto& [position, line] : ordered)
        dump += line;
    return dump.toUtf8();
}

/// Sums of debits and credits per document number of a Luca file (fields by ";").
std::map<QString, std::pair<double, double>> lucaBalances(const QByteArray& bytes) {
    std::map<QString, std::pair<double, double>> sums;
    const QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        // The description is quoted and holds no ";" of its own.
        static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
        const QStringList fields = QString(line).replace(quoted, QStringLiteral("D")).split(QLatin1Char(';'));
        auto& sum = sums[fields[3]];
        sum.first += QString(fields[6]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        sum.second += QString(fields[7]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    return sums;
}

QByteArray golden(const QString& name) {
    QFile file(QStringLiteral(VELKOR_VOUCHER_GOLDEN) + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cp1254(const QString& text) {
    return toWindows1254(text).bytes;
}

/// The transactions of a Logo voucher, one a line: side, account, parent and amount.
QStringList logoTransactions(const QByteArray& xml) {
    QStringList transactions;
    QXmlStreamReader reader(QStringDecoder(QStringDecoder::Latin1).decode(xml));
    QString side;
    QString amount;
    QString account;
    QString parent;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("TRANSACTION")) {
            transactions << QStringList{side, account, parent, amount}.join(QLatin1Char('|'));
            account.clear();
            parent.clear();
        } else if (reader.isStartElement()) {
            const QString name = reader.name().toString();
            if (name == QLatin1String("DEBIT") || name == QLatin1String("CREDIT")) {
                side = name;
                amount = reader.readElementText();
            } else if (name == QLatin1String("GL_CODE")) {
                account = reader.readElementText();
            } else if (name == QLatin1String("PARENT_GLCODE")) {
                parent = reader.readElementText();
            }
        }
    }
    return transactions;
}

} // namespace

class VoucherGolden : public VoucherFixture {
protected:
    void SetUp() override {
        VoucherFixture::SetUp();
        fillCompany();
    }
    QByteArray written(const QString& button, const QString& name) {
        const VoucherSave save = press(button, path(name));
        EXPECT_EQ(save.path, path(name));
        EXPECT_EQ(save.replaced, 0);
        return bytesOf(path(name));
    }
};

TEST_F(VoucherGolden, LucaInBothDelimitersAndAllGroupings) {
    const QByteArray semicolon = written(c::LucaTransferFisiBut, "luca.csv");
    expectGolden(semicolon, "luca.csv");
    for (const auto& [document, sums] : lucaBalances(semicolon))
        EXPECT_DOUBLE_EQ(sums.first, sums.second) << document.toStdString();

    m_sheet->userSet(c::CSVSutunAyirRadio, "1");
    expectGolden(written(c::LucaTransferFisiBut, "luca-comma.csv"), "luca-comma.csv");
    m_sheet->userSet(c::CSVSutunAyirRadio, "0");

    m_sheet->userSet(c::FisSecenekleriRadio, "1");
    const QByteArray perAccount = written(c::LucaTransferFisiBut, "luca-group1.csv");
    expectGolden(perAccount, "luca-group1.csv");
    for (const auto& [document, sums] : lucaBalances(perAccount))
        EXPECT_NEAR(sums.first, sums.second, 1e-6) << document.toStdString();

    m_sheet->userSet(c::FisSecenekleriRadio, "2");
    expectGolden(written(c::LucaTransferFisiBut, "luca-group2.csv"), "luca-group2.csv");

    m_sheet->userSet(c::FisSecenekleriRadio, "0");
    m_sheet->setChecked(c::SabitAmortAyniFisCheck, false);
    expectGolden(written(c::LucaTransferFisiBut, "luca-split.csv"), "luca-split.csv");
}

TEST_F(VoucherGolden, MikroInBothDelimiters) {
    expectGolden(written(c::MikroTransferFisiBut, "mikro.csv"), "mikro.csv");
    m_sheet->userSet(c::CSVSutunAyirRadio, "1");
    expectGolden(written(c::MikroTransferFisiBut, "mikro-comma.csv"), "mikro-comma.csv");
}

TEST_F(VoucherGolden, LogoParsesAndBalances) {
    m_sheet->setText(c::LogoFisNoEdit, "15");
    const QByteArray xml = written(c::LogoXMLBut, "LogoFis.xml");
    expectGolden(xml, "logo.xml");

    QXmlStreamReader reader(QStringDecoder(QStringDecoder::Latin1).decode(xml));
    double debit = 0;
    double credit = 0;
    int references = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("DEBIT")) {
            debit += reader.readElementText().toDouble();
        } else if (reader.name() == QLatin1String("CREDIT")) {
            credit += reader.readElementText().toDouble();
        } else if (reader.name() == QLatin1String("DATA_REFERENCE")) {
            EXPECT_EQ(reader.readElementText().toInt(), ++references);
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_GT(references, 0);
    EXPECT_NEAR(debit, credit, 1e-6);
}

TEST_F(VoucherGolden, WorkbooksReadBackCellByCell) {
    press(c::NetsisTransferFisiBut, path("netsis"));
    expectGolden(sheetDump(path("netsis.xlsx")), "netsis.txt");
    press(c::SentezExcelButton, path("sentez.xlsx"));
    expectGolden(sheetDump(path("sentez.xlsx")), "sentez.txt");
}

TEST_F(VoucherGolden, ClosingEntriesFollowTheItemLinesInEveryWriter) {
    m_sheet->userSet(c::KapanisKaydiCheck, "1");
    // The closing rows of the company: 697 "KAR" 915,02 (171 against 350) and 698 "KAR"
    // 78.802,54 (G698 253.384,65 less L698 174.582,11).
    const QString construction = "\"YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI VİRMANI\"";
    const QString profit = "\"ENFLASYON DÜZELTME KARI GEÇMİŞ DÖNEM KARLARINA VİRMANI\"";

    // The CSV vouchers: today's lines, then the closing of 697 and of 698.
    EXPECT_EQ(written(c::LucaTransferFisiBut, "luca.csv"),
              golden("luca.csv") +
                  cp1254(";31.12.2023;697;ED13;31.12.2023;" + construction + ";915,02;;;\r\n" +
                         ";31.12.2023;358.697;ED13;31.12.2023;" + construction + ";;915,02;;\r\n" +
                         ";31.12.2023;698;ED14;31.12.2023;" + profit + ";78802,54;;;\r\n" +
                         ";31.12.2023;570.698;ED14;31.12.2023;" + profit + ";;78802,54;;\r\n"));
    EXPECT_EQ(written(c::MikroTransferFisiBut, "mikro.csv"),
              golden("mikro.csv") + cp1254("697;;" + construction + ";915,02\r\n" + "358.697;;" +
                                           construction + ";-915,02\r\n" + "698;;" + profit +
                                           ";78802,54\r\n" + "570.698;;" + profit + ";-78802,54\r\n"));

    // The workbooks: today's rows, then one row per closing line. The writer prints 16
    // digits: 78802.53999999999 is the number nearest to 78.802,54 itself, not the
    // 78802.54000000001 that the sum of the differences comes to.
    press(c::SentezExcelButton, path("sentez.xlsx"));
    const QByteArray sentez = sheetDump(path("sentez.xlsx"));
    ASSERT_TRUE(sentez.startsWith(golden("sentez.txt")));
    EXPECT_EQ(XlsxReadBack(path("sentez.xlsx")).cell("C36").value.toDouble(), 78802.54);
    EXPECT_EQ(QString::fromUtf8(sentez.mid(golden("sentez.txt").size())),
              "A34|s|697|\n"
              "B34|s|YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI VİRMANI|\n"
              "C34|n|915.02|#,##0.00\n"
              "A35|s|358.697|\n"
              "B35|s|YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI VİRMANI|\n"
              "D35|n|915.02|#,##0.00\n"
              "A36|s|698|\n"
              "B36|s|ENFLASYON DÜZELTME KARI GEÇMİŞ DÖNEM KARLARINA VİRMANI|\n"
              "C36|n|78802.53999999999|#,##0.00\n"
              "A37|s|570.698|\n"
              "B37|s|ENFLASYON DÜZELTME KARI GEÇMİŞ DÖNEM KARLARINA VİRMANI|\n"
              "D37|n|78802.53999999999|#,##0.00\n");
    press(c::NetsisTransferFisiBut, path("netsis"));
    const QByteArray netsis = sheetDump(path("netsis.xlsx"));
    ASSERT_TRUE(netsis.startsWith(golden("netsis.txt")));
    const QString added = QString::fromUtf8(netsis.mid(golden("netsis.txt").size()));
    for (const char* cell :
         {"F34|n|33|", "G34|s|697|", "H34|s|B|", "M34|n|915.02|", "G35|s|358.697|", "H35|s|A|",
          "M35|n|915.02|", "G36|s|698|", "H36|s|B|",
          "I36|s|ENFLASYON DÜZELTME KARI GEÇMİŞ DÖNEM KARLARINA VİRMANI|", "M36|n|78802.53999999999|",
          "C37|s|ED0|", "G37|s|570.698|", "H37|s|A|", "M37|n|78802.53999999999|"})
        EXPECT_TRUE(added.contains(QString::fromUtf8(cell) + "\n")) << cell;
    EXPECT_FALSE(added.contains("A38|"));

    // Logo: its own lines of the two closing rows give way to the closing entries.
    m_sheet->setText(c::LogoFisNoEdit, "15");
    const QStringList before = logoTransactions(golden("logo.xml"));
    const QStringList after = logoTransactions(written(c::LogoXMLBut, "LogoFis.xml"));
    ASSERT_EQ(after.size(), before.size());
    const qsizetype items = before.size() - 4;
    EXPECT_EQ(after.mid(0, items), before.mid(0, items));
    EXPECT_EQ(before.mid(items), (QStringList{"DEBIT|698|698|915.02", "CREDIT|697.KAR|697|915.02",
                                              "DEBIT|698|698|78802.54", "CREDIT|698.KAR|698|78802.54"}));
    EXPECT_EQ(after.mid(items), (QStringList{"DEBIT|697|697|915.02", "CREDIT|358.697|358|915.02",
                                             "DEBIT|698|698|78802.54", "CREDIT|570.698|570|78802.54"}));

    // A group selects no closing row; unticked, the files are today's again.
    m_sheet->userSet(c::FisTransferCombo, "Stoklar");
    EXPECT_FALSE(written(c::MikroTransferFisiBut, "stoklar.csv").contains("VİRMANI"));
    m_sheet->userSet(c::FisTransferCombo, "Hepsi");
    m_sheet->userSet(c::KapanisKaydiCheck, "0");
    expectGolden(written(c::MikroTransferFisiBut, "mikro-yine.csv"), "mikro.csv");

    // The command line drives the same check box; it works on the installation's files,
    // which do not hold the company when the tests keep it on the server.
    if (companiesOnServer())
        return;
    QString out;
    QString err;
    ASSERT_EQ(runCli({"--home", m_home->home(), "voucher", "mikro", "--company", "VKR", "--out",
                      path("cli.csv"), "--set", stepArg(c::KapanisKaydiCheck, "1")},
                     &out, &err),
              0)
        << err.toStdString();
    EXPECT_EQ(bytesOf(path("cli.csv")), bytesOf(path("mikro.csv")));
}
