#include "storage/EngineStatement.h"

namespace velkor {

QDate EngineStatement::date(int column) const {
    const QVariant cell = value(column);
    if (cell.typeId() == QMetaType::QDate)
        return cell.toDate();
    if (cell.typeId() != QMetaType::QString)
        return {};
    return QDate::fromString(cell.toString().left(10), Qt::ISODate);
}

} // namespace velkor
