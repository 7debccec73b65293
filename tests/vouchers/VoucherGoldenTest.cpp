#include "VoucherFixture.h"

#include "support/XlsxReadBack.h"
#include "vouchers/TransferSheetControls.h"

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
