#include "reports/ReportBands.h"

#include "base/NumberFormat.h"
#include "storage/Dataset.h"

namespace velkor {

namespace {

/// The master-data text sits 1 unit below the band's top and is 22 high.
constexpr double kDataTop = 1;
constexpr double kDataHeight = 22;
constexpr double kSummaryTop = 4;
constexpr double kSummaryHeight = 35;

} // namespace

PrintFont reportFont(double pointSize, bool bold) {
    return PrintFont{QStringLiteral("Times New Roman"), pointSize, bold};
}

PrintCell& addHeading(PrintBand& band, double x, double width, const QString& text, Qt::Alignment alignment,
                      bool framed) {
    PrintCell& cell = band.add(x, 1, width, band.height - 2, text, reportFont(9, true), alignment);
    cell.wordWrap = true;
    if (framed) {
        cell.rules = PrintCell::BottomRule;
        cell.fill = Qt::white;
    }
    return cell;
}

void addRowShading(PrintBand& band, int lineNumber, double left, double right) {
    if (lineNumber % 2 == 0)
        return;
    PrintCell& cell = band.add(left, 0, right - left, band.height, QString(), reportFont(9), Qt::AlignLeft);
    cell.fill = QColor(240, 240, 240);
    cell.stretches = true;
}

PrintCell& addDataCell(PrintBand& band, double x, double width, const QString& text,
                       Qt::Alignment alignment) {
    return band.add(x, kDataTop, width, kDataHeight, text, reportFont(9), alignment | Qt::AlignVCenter);
}

PrintCell& addSummaryCell(PrintBand& band, double x, double width, const QString& text,
                          Qt::Alignment alignment, bool bold) {
    PrintCell& cell = band.add(x, kSummaryTop, width, kSummaryHeight, text, reportFont(9, bold),
                               alignment | Qt::AlignVCenter);
    cell.rules = PrintCell::TopRule | PrintCell::BottomRule;
    cell.fill = Qt::white;
    return cell;
}

PrintBand pageFooter(double height, double width, const QString& caption) {
    PrintBand band;
    band.height = height;
    PrintCell& cell =
        band.add(36, 0, width, height, caption, reportFont(10), Qt::AlignRight | Qt::AlignVCenter);
    cell.rules = PrintCell::TopRule;
    cell.ruleWidth = 2;
    cell.fill = Qt::white;
    return band;
}

QString amountText(const QVariant& value) {
    if (value.isNull())
        return {};
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? FormatFloat(patterns::kAmount, number) : QString();
}

QString dateText(const QVariant& value) {
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
        return FormatDate(value.toDate());
    const QString text = value.toString();
    const QDate iso = QDate::fromString(text.left(10), Qt::ISODate);
    return iso.isValid() ? FormatDate(iso) : FormatDate(ParseDate(text));
}

DatasetColumns::DatasetColumns(const Dataset& dataset, const QStringList& columns) : m_dataset(dataset) {
    for (const QString& column : columns)
        m_indexes.push_back(dataset.columnIndex(column));
}

int DatasetColumns::rowCount() const {
    return m_dataset.isOpen() ? m_dataset.recordCount() : 0;
}

QVariant DatasetColumns::value(int row, int column) const {
    const int index = m_indexes[column];
    return index < 0 ? QVariant() : m_dataset.cell(row, index);
}

} // namespace velkor
