#include "spreadsheet/CellRange.h"

#include <QRegularExpression>
#include <stdexcept>

namespace velkor {

namespace {

void parseCell(const QString& text, int& row, int& column) {
    static const QRegularExpression cell(QStringLiteral("^([A-Za-z]{1,3})([1-9][0-9]{0,6})$"));
    const auto match = cell.match(text.trimmed());
    if (!match.hasMatch()) {
        throw std::invalid_argument("bad cell address: " + text.toStdString());
    }
    column = 0;
    for (const QChar c : match.captured(1).toUpper()) {
        column = column * 26 + (c.unicode() - 'A' + 1);
    }
    row = match.captured(2).toInt();
}

} // namespace

CellRange CellRange::parse(const QString& address) {
    CellRange range;
    const QStringList parts = address.split(QLatin1Char(':'));
    if (parts.size() > 2) {
        throw std::invalid_argument("bad range address: " + address.toStdString());
    }
    parseCell(parts.front(), range.firstRow, range.firstColumn);
    range.lastRow = range.firstRow;
    range.lastColumn = range.firstColumn;
    if (parts.size() == 2) {
        parseCell(parts.back(), range.lastRow, range.lastColumn);
    }
    if (range.lastRow < range.firstRow) {
        std::swap(range.lastRow, range.firstRow);
    }
    if (range.lastColumn < range.firstColumn) {
        std::swap(range.lastColumn, range.firstColumn);
    }
    return range;
}

QString columnLetters(int column) {
    QString letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters.prepend(QChar('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

QString cellAddress(int row, int column) {
    return columnLetters(column) + QString::number(row);
}

} // namespace velkor
