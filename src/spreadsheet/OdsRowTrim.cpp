#include "spreadsheet/OdsRowTrim.h"

namespace velkor {

namespace {

constexpr QByteArrayView kRowEnd = "</table:table-row>";
constexpr QByteArrayView kEmptyCell = "<table:table-cell/>";
constexpr QByteArrayView kRepeatedStart = "<table:table-cell table:number-columns-repeated=\"";
constexpr QByteArrayView kRepeatedEnd = "\"/>";
constexpr QByteArrayView kTableNamespace = "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\"";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the empty cell that ends `text`, or 0 when it ends otherwise.
qsizetype emptyCellAtEnd(QByteArrayView text) {
    if (text.endsWith(kEmptyCell))
        return kEmptyCell.size();
    if (!text.endsWith(kRepeatedEnd))
        return 0;
    qsizetype start = text.size() - kRepeatedEnd.size();
    const qsizetype digitsEnd = start;
    while (start > 0 && isDigit(text.at(start - 1)))
        --start;
    if (start == digitsEnd || !text.first(start).endsWith(kRepeatedStart))
        return 0;
    return text.size() - (start - kRepeatedStart.size());
}

// Whether the root element's start tag binds the prefix the patterns above are written with.
bool bindsTablePrefix(QByteArrayView content) {
    qsizetype root = 0;
    // Skip the declaration, comments and processing instructions before the root.
    while ((root = content.indexOf('<', root)) >= 0 && root + 1 < content.size() &&
           (content.at(root + 1) == '?' || content.at(root + 1) == '!'))
        ++root;
    if (root < 0)
        return false;
    const qsizetype end = content.indexOf('>', root);
    return end >= 0 && content.sliced(root, end - root).contains(kTableNamespace);
}

} // namespace

QByteArray trimTrailingEmptyCells(QByteArrayView content) {
    if (!bindsTablePrefix(content))
        return content.toByteArray();
    QByteArray out;
    out.reserve(content.size());
    qsizetype from = 0;
    for (qsizetype rowEnd = content.indexOf(kRowEnd); rowEnd >= 0;
         rowEnd = content.indexOf(kRowEnd, rowEnd + kRowEnd.size())) {
        qsizetype keep = rowEnd;
        while (const qsizetype cell = emptyCellAtEnd(content.sliced(from, keep - from)))
            keep -= cell;
        out.append(content.sliced(from, keep - from));
        out.append(kRowEnd);
        from = rowEnd + kRowEnd.size();
    }
    out.append(content.sliced(from));
    return out;
}

} // namespace velkor
