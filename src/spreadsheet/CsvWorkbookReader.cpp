#include "spreadsheet/CsvWorkbookReader.h"

#include "base/NumberFormat.h"
#include "spreadsheet/WorkbookLimits.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace velkor {

namespace {

// Windows-1254 differs from Latin-1 in 0x80-0x9F and in six Turkish letters.
constexpr char16_t kHighControls[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0xFFFD, 0xFFFD,
                                        0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0xFFFD, 0x0178};

char16_t windows1254(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    switch (byte) {
    case 0xD0:
        return 0x011E; // Ğ
    case 0xDD:
        return 0x0130; // İ
    case 0xDE:
        return 0x015E; // Ş
    case 0xF0:
        return 0x011F; // ğ
    case 0xFD:
        return 0x0131; // ı
    case 0xFE:
        return 0x015F; // ş
    default:
        return byte;
    }
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fromWindows1254(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QChar separatorOf(const QString& text) {
    bool inQuotes = false;
    bool comma = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            inQuotes = !inQuotes;
        else if (!inQuotes && c == QLatin1Char(';'))
            return QLatin1Char(';');
        else if (!inQuotes && c == QLatin1Char(','))
            comma = true;
        else if (!inQuotes && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
    }
    return comma ? QLatin1Char(',') : QLatin1Char(';');
}

} // namespace

QString fromWindows1254(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(windows1254(static_cast<unsigned char>(bytes[i])));
    return text;
}

WorkbookGrid CsvWorkbookReader::readBytes(const QByteArray& bytes) {
    return readText(decode(bytes));
}

WorkbookGrid CsvWorkbookReader::readText(const QString& text) {
    const QChar separator = separatorOf(text);
    static const QRegularExpression pointNumber(QStringLiteral("^-?\\d+\\.\\d+$"));
    const QChar decimal = regionalSeparators().decimal;

    WorkbookGrid grid;
    grid.setSheetCount(1);
    int row = 1;
    int column = 1;
    QString field;
    bool quoted = false;
    bool inQuotes = false;
    auto endField = [&] {
        if (!quoted && separator == QLatin1Char(',') && pointNumber.match(field).hasMatch())
            field.replace(QLatin1Char('.'), decimal);
        if (!field.isEmpty())
            grid.setText(row, column, field);
        field.clear();
        quoted = false;
        ++column;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
            quoted = true;
        } else if (c == separator) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endField();
            ++row;
            column = 1;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || quoted || column > 1)
        endField();
    grid.trim();
    return grid;
}

WorkbookGrid CsvWorkbookReader::readFirstSheet(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw WorkbookError(QStringLiteral("Dosya açılamadı: ") + path);
    if (file.size() > kMaxWorkbookBytes)
        throw WorkbookError(tooLargeMessage(path));
    // The bytes go as soon as they are text, so that the file is never held three times.
    QString text = decode(file.readAll());
    file.close();
    try {
        return readText(text);
    } catch (const SheetLimitExceeded& exceeded) {
        throw WorkbookError(exceeded.message(path));
    }
}

} // namespace velkor
