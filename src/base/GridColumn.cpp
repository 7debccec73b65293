#include "base/GridColumn.h"

#include "base/NumberFormat.h"

#include <QDate>

namespace velkor {

QString gridText(const GridColumn& column, const QVariant& value) {
    if (column.display)
        return column.display(value);
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate)
        return FormatDate(value.toDate());
    if (holdsNumber(value))
        return column.format.isEmpty() ? FormatGeneral(value.toDouble())
                                       : FormatFloat(column.format, value.toDouble());
    return value.toString();
}

} // namespace velkor
