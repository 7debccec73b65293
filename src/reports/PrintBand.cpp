#include "reports/PrintBand.h"

namespace velkor {

QString printFace(const QString& family) {
    if (family.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return family;
}

PrintCell& PrintBand::add(double x, double y, double width, double height, const QString& text,
                          const PrintFont& font, Qt::Alignment alignment) {
    PrintCell cell;
    cell.x = x;
    cell.y = y;
    cell.width = width;
    cell.height = height;
    cell.text = text;
    cell.font = font;
    cell.alignment = alignment;
    cells.push_back(std::move(cell));
    return cells.back();
}

} // namespace velkor
