#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace velkor {

/// A font of a printed layout: the family the layout names, its size in points and
/// whether it is bold. Families without an installed face are drawn with their metric
/// twins (see printFace()).
struct PrintFont {
    QString family = QStringLiteral("Times New Roman");
    double pointSize = 9;
    bool bold = false;
};

/// The installed face that draws a layout family: Liberation Serif for Times New Roman,
/// Liberation Mono for Courier New; other families as they stand.
QString printFace(const QString& family);

/// A text cell of a band. Positions and sizes are layout units from the band's top left
/// corner of the page (x from the left page edge).
struct PrintCell {
    enum Rule { NoRule = 0, TopRule = 1, BottomRule = 2 };

    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    QString text;
    PrintFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
    /// With wordWrap: a word wider than the cell breaks inside itself rather than running
    /// into the next cell (codes have no spaces to break at).
    bool breakAnywhere = false;
    /// Takes the height of its wrapped content when that is more than `height`.
    bool grows = false;
    /// Takes the height of its band (the row shading).
    bool stretches = false;
    /// The index of an earlier growing cell of the band that pushes this one down by its
    /// growth; -1 for none.
    int below = -1;
    int rules = NoRule;
    double ruleWidth = 1;
    QColor fill; ///< invalid: not filled
};

/// One band of a banded layout: its height before growing and its cells in drawing order.
struct PrintBand {
    double height = 0;
    std::vector<PrintCell> cells;

    PrintCell& add(double x, double y, double width, double height, const QString& text,
                   const PrintFont& font, Qt::Alignment alignment);
};

} // namespace velkor
