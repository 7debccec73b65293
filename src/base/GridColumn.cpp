#include "base/GridColumn.h"

#include "base/NumberFormat.h"

#include <QDate>

namespace velkor {

QString gridText(const GridColumn& column, const QVariant& value) {
    if (column.display)
        return column.display(value);
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return FormatDate(value.toDate());
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return column.format.isEmpty() ? FormatGeneral(value.toDouble())
                                       : FormatFloat(column.format, value.toDouble());
    default:
        return value.toString();
    }
}

} // namespace velkor
