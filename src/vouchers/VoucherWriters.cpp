#include "vouchers/VoucherWriters.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "spreadsheet/TypedText.h"
#include "spreadsheet/WorkbookWriter.h"
#include "vouchers/CsvField.h"
#include "vouchers/VoucherDerivation.h"

#include <optional>

namespace velkor {

namespace {

bool isDebit(const VoucherLine& line) {
    return line.side == VoucherSide::Debit;
}

void appendEscaped(QString& text, const QString& value) {
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '&':
            text += QLatin1String("&amp;");
            break;
        case '<':
            text += QLatin1String("&lt;");
            break;
        case '>':
            text += QLatin1String("&gt;");
            break;
        case '"':
            text += QLatin1String("&quot;");
            break;
        case '\'':
            text += QLatin1String("&apos;");
            break;
        default:
            text += c;
        }
    }
}

// Appended piece by piece into the one text of the voucher: forming each element as a
// text of its own first cost more than the rest of the voucher.
void appendElement(QString& text, const QString& name, const QString& value) {
    text += QLatin1Char('<');
    text += name;
    text += QLatin1Char('>');
    appendEscaped(text, value);
    text += QLatin1String("</");
    text += name;
    text += QLatin1String(">\r\n");
}

void appendLine(QString& text, const QString& line) {
    text += line;
    text += QLatin1String("\r\n");
}

} // namespace

QString lucaVoucherText(const std::vector<VoucherLine>& lines, const TransferOptions& options) {
    const QChar d = options.delimiter;
    QString text =
        csvLine({QStringLiteral("Fiş No"), QStringLiteral("Fiş Tarihi"), QStringLiteral("Hesap Kodu"),
                 QStringLiteral("Evrak No"), QStringLiteral("Evrak Tarihi"), QStringLiteral("Açıklama"),
                 QStringLiteral("Borç"), QStringLiteral("Alacak"), QStringLiteral("Miktar"),
                 QStringLiteral("Belge Türü")},
                d);
    for (const VoucherLine& line : lines) {
        const QString amount = FormatGeneral(line.amount);
        text += csvLine({QString(), options.voucherDate, line.account, documentNumber(options, line),
                         options.voucherDate, line.description, isDebit(line) ? amount : QString(),
                         isDebit(line) ? QString() : amount, QString(), QString()},
                        d);
    }
    return text;
}

QString mikroVoucherText(const std::vector<VoucherLine>& lines, const TransferOptions& options) {
    QString text;
    for (const VoucherLine& line : lines) {
        text += csvLine({line.account, QString(), line.description,
                         FormatGeneral(isDebit(line) ? line.amount : -line.amount)},
                        options.delimiter);
    }
    return text;
}

QString xmlEscaped(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    appendEscaped(escaped, text);
    return escaped;
}

QString logoVoucherText(const std::vector<VoucherLine>& lines, const TransferOptions& options) {
    QString text;
    // One transaction takes about 450 characters; room for all of them at once spares the
    // copies of a growing text.
    text.reserve(qsizetype(lines.size()) * 512 + 512);
    appendLine(text, QStringLiteral("<GL_VOUCHERS>"));
    appendLine(text, QStringLiteral("<GL_VOUCHER DBOP=\"INS\">"));
    appendLine(text, QStringLiteral("<TYPE>4</TYPE>"));
    const double number = ParseAmount(options.logoVoucherNumber);
    if (number > 0) {
        appendElement(text, QStringLiteral("NUMBER"), FormatGeneral(number));
    }
    appendElement(text, QStringLiteral("DATE"), options.voucherDate);
    appendElement(text, QStringLiteral("NOTES1"), QStringLiteral("ENFLASYON DUZELTME KAYITLARI"));
    appendLine(text, QStringLiteral("<TRANSACTIONS>"));
    int reference = 0;
    for (const VoucherLine& line : lines) {
        QString amount = FormatGeneral(line.amount);
        if (options.pointForComma) {
            amount.replace(QLatin1Char(','), QLatin1Char('.'));
        }
        appendLine(text, QStringLiteral("<TRANSACTION>"));
        if (!line.account.isEmpty()) {
            appendElement(text, QStringLiteral("GL_CODE"), line.account);
            appendElement(text, QStringLiteral("PARENT_GLCODE"), line.parent);
        }
        appendElement(text, isDebit(line) ? QStringLiteral("DEBIT") : QStringLiteral("CREDIT"), amount);
        appendLine(text, QStringLiteral("<RC_XRATE>1</RC_XRATE>"));
        appendElement(text, QStringLiteral("RC_AMOUNT"), amount);
        appendLine(text, QStringLiteral("<TC_XRATE>1</TC_XRATE>"));
        appendElement(text, QStringLiteral("TC_AMOUNT"), amount);
        appendLine(text, QStringLiteral("<QUANTITY>0</QUANTITY>"));
        appendElement(text, QStringLiteral("DATA_REFERENCE"), QString::number(++reference));
        appendLine(text, QStringLiteral("<DETLIST> </DETLIST>"));
        appendLine(text, QStringLiteral("<DEFNFLDLIST> </DEFNFLDLIST>"));
        appendElement(text, QStringLiteral("MONTH"), options.monthCode);
        appendElement(text, QStringLiteral("YEAR"), options.yearCode);
        appendLine(text, QStringLiteral("</TRANSACTION>"));
    }
    appendLine(text, QStringLiteral("</TRANSACTIONS>"));
    appendLine(text, QStringLiteral("<DEFNFLDSLIST> </DEFNFLDSLIST>"));
    appendLine(text, QStringLiteral("</GL_VOUCHER>"));
    appendLine(text, QStringLiteral("</GL_VOUCHERS>"));
    return text;
}

void writeNetsisVoucher(WorkbookWriter& book, const std::vector<VoucherLine>& lines,
                        const TransferOptions& options) {
    static const QStringList headers{
        "Yıl Kodu",   "Ay Kodu(*)",        "Fiş No(*)",         "Fiş Tip (M/T/E/A/K)(*)",
        "Tarih(*)",   "Sıra No(*)",        "Hesap Kodu(*)",     "B/A (1/2)(*)",
        "Açıklama 1", "Açıklama 2",        "Evrak Tarihi",      "Miktar",
        "Tutar(*)",   "Firma Döviz Tutar", "Döviz Tip",         "Döviz Tutar",
        "Açıklama 3", "Belge Türü",        "Belge No",          "Belge Tarihi",
        "Ödeme Türü", "Döviz Kur Tarihi",  "Döviz Kuru Bilgisi"};
    for (int c = 0; c < headers.size(); ++c) {
        book.setText(1, c + 1, headers[c]);
    }
    // The texts every row repeats are resolved once for the whole sheet.
    const TypedValue year = resolveTypedText(options.yearCode);
    const TypedValue month = resolveTypedText(options.monthCode);
    const TypedValue date = resolveTypedText(options.voucherDate);
    const QString kind = QStringLiteral("M");
    const QString debit = QStringLiteral("B");
    const QString credit = QStringLiteral("A");
    // A voucher's lines follow one another: its number is formed once for all of them.
    std::optional<double> numberedCounter;
    TypedValue number;
    int row = 1;
    for (const VoucherLine& line : lines) {
        ++row;
        if (numberedCounter != line.counter) {
            number = resolveTypedText(documentNumber(options, line));
            numberedCounter = line.counter;
        }
        book.setResolved(row, 1, year);
        book.setResolved(row, 2, month);
        book.setResolved(row, 3, number);
        book.setText(row, 4, kind);
        book.setResolved(row, 5, date);
        book.setNumber(row, 6, row - 1);
        // The account is text even where it is all digits, as a leading apostrophe makes it.
        book.setText(row, 7, line.account);
        book.setText(row, 8, isDebit(line) ? debit : credit);
        book.setTyped(row, 9, line.description);
        book.setResolved(row, 11, date);
        book.setNumber(row, 13, line.amount);
    }
    book.autoFitColumns(QStringLiteral("A1:IV15000"));
}

void writeFourColumnVoucher(WorkbookWriter& book, const std::vector<VoucherLine>& lines) {
    book.setNumberFormat(QStringLiteral("C4:D15000"), QStringLiteral("#.##0,00"));
    book.setText(1, 1, QStringLiteral("HESAP KODU"));
    book.setText(1, 2, QStringLiteral("AÇIKLAMA"));
    book.setText(1, 3, QStringLiteral("BORÇ"));
    book.setText(1, 4, QStringLiteral("ALACAK"));
    int row = 1;
    for (const VoucherLine& line : lines) {
        ++row;
        // The account is text even where it is all digits, as a leading apostrophe makes it.
        book.setText(row, 1, line.account);
        book.setTyped(row, 2, line.description);
        book.setNumber(row, isDebit(line) ? 3 : 4, line.amount);
    }
    book.autoFitColumns(QStringLiteral("A1:IV15000"));
}

} // namespace velkor
