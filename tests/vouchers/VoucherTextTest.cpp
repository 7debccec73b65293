#include "vouchers/CsvField.h"
#include "vouchers/VoucherWriters.h"
#include "vouchers/Windows1254.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace velkor;

TEST(Windows1254, TurkishLettersTakeTheirCodePageBytes) {
    const EncodedText text = toWindows1254(QStringLiteral("ğĞıİşŞçÇöÖüÜ€ A"));
    EXPECT_EQ(text.bytes, QByteArray("\xF0\xD0\xFD\xDD\xFE\xDE\xE7\xC7\xF6\xD6\xFC\xDC\x80 A"));
    EXPECT_EQ(text.replaced, 0);
}

TEST(Windows1254, CharactersWithoutAFormBecomeQuestionMarksAndAreCounted) {
    const EncodedText text = toWindows1254(QStringLiteral("Ω1-☃-😀"));
    EXPECT_EQ(text.bytes, QByteArray("?1-?-?"));
    EXPECT_EQ(text.replaced, 3);
    // Half of a pair is no character either.
    const EncodedText lone = toWindows1254(QString(QChar(0xD83D)) + QStringLiteral("ş"));
    EXPECT_EQ(lone.bytes, QByteArray("?\xFE"));
    EXPECT_EQ(lone.replaced, 1);
}

TEST(CsvFieldRule, QuotesOnlyWhenNeeded) {
    EXPECT_EQ(csvField("253.01", ';'), "253.01");
    EXPECT_EQ(csvField("Açıklama", ';'), "Açıklama");
    EXPECT_EQ(csvField("Fiş No", ';'), "\"Fiş No\"");
    EXPECT_EQ(csvField("1234,5", ';'), "1234,5");
    EXPECT_EQ(csvField("1234,5", ','), "\"1234,5\"");
    EXPECT_EQ(csvField("A;B", ';'), "\"A;B\"");
    EXPECT_EQ(csvField("0\"1", ';'), "\"0\"\"1\"");
    EXPECT_EQ(csvField("a\tb", ';'), "\"a\tb\"");
    EXPECT_EQ(csvField({}, ';'), "");
    EXPECT_EQ(csvLine({"a", {}, "b c"}, ';'), "a;;\"b c\"\r\n");
}

TEST(LogoText, InsertedTextsAreEscapedAndTheFileParses) {
    TransferOptions options;
    options.monthCode = QStringLiteral("12<");
    options.logoVoucherNumber = QStringLiteral("abc");
    std::vector<VoucherLine> lines{{"253.A&B <Ltd>", "253", VoucherSide::Debit, 1234.5, {}, 0, false},
                                   {"698\"'", "698", VoucherSide::Credit, 1234.5, {}, 0, false}};
    const QString text = logoVoucherText(lines, options);
    EXPECT_FALSE(text.contains(QStringLiteral("<NUMBER>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<GL_CODE>253.A&amp;B &lt;Ltd&gt;</GL_CODE>\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("<DEBIT>1234.5</DEBIT>\r\n")));
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("<GL_VOUCHERS>\r\n<GL_VOUCHER DBOP=\"INS\">\r\n<TYPE>4</TYPE>\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("</GL_VOUCHER>\r\n</GL_VOUCHERS>\r\n")));

    QXmlStreamReader reader(text);
    QStringList codes;
    QStringList months;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("GL_CODE"))
            codes << reader.readElementText();
        else if (reader.name() == QLatin1String("MONTH"))
            months << reader.readElementText();
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(codes, (QStringList{"253.A&B <Ltd>", "698\"'"}));
    EXPECT_EQ(months, (QStringList{"12<", "12<"}));

    options.pointForComma = false;
    options.logoVoucherNumber = QStringLiteral("15");
    const QString regional = logoVoucherText(lines, options);
    EXPECT_TRUE(regional.contains(QStringLiteral("<NUMBER>15</NUMBER>\r\n")));
    EXPECT_TRUE(regional.contains(QStringLiteral("<CREDIT>1234,5</CREDIT>\r\n")));
}

TEST(EmptySelections, GiveTheEmptyFormOfEachFile) {
    const TransferOptions options;
    EXPECT_EQ(mikroVoucherText({}, options), QString());
    EXPECT_EQ(lucaVoucherText({}, options).count(QStringLiteral("\r\n")), 1);
    EXPECT_EQ(logoVoucherText({}, options).count(QStringLiteral("<TRANSACTION>")), 0);
}
