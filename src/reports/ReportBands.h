#pragma once

#include "reports/PrintBand.h"

#include <QVariant>

namespace velkor {

class Dataset;

/// Regular and bold Times New Roman in the sizes the tabular layouts use.
PrintFont reportFont(double pointSize, bool bold = false);

/// A column heading: bold 9, wrapped, white background and a rule along its bottom
/// (`framed` false: neither, as "SN" has).
PrintCell& addHeading(PrintBand& band, double x, double width, const QString& text,
                      Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignVCenter, bool framed = true);
/// The light grey behind the odd lines of a master-data band, spanning x from `left`
/// to `right`; nothing on even lines.
void addRowShading(PrintBand& band, int lineNumber, double left, double right);
/// A master-data text cell, regular 9, 22 high.
PrintCell& addDataCell(PrintBand& band, double x, double width, const QString& text, Qt::Alignment alignment);
/// A report-summary cell, 35 high with rules along top and bottom.
PrintCell& addSummaryCell(PrintBand& band, double x, double width, const QString& text,
                          Qt::Alignment alignment, bool bold = false);
/// The page footer: `caption` right-aligned, 10 point, with a two-unit rule along its top.
PrintBand pageFooter(double height, double width, const QString& caption);

/// A stored amount grouped with two decimals ("#,##0.00"); null shows empty.
QString amountText(const QVariant& value);
/// A stored date as "dd.mm.yyyy"; null or unreadable shows empty.
QString dateText(const QVariant& value);

/// Reads a dataset's cells by column name, the positions found once; a column the
/// dataset lacks reads as null.
class DatasetColumns {
public:
    DatasetColumns(const Dataset& dataset, const QStringList& columns);

    int rowCount() const;
    /// The value of the n-th named column at a 0-based row.
    QVariant value(int row, int column) const;

private:
    const Dataset& m_dataset;
    std::vector<int> m_indexes;
};

} // namespace velkor
