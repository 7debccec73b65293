#include "spreadsheet/WorkbookWriter.h"

namespace velkor {

void WorkbookWriter::setResolved(int row, int column, const TypedValue& value) {
    switch (value.kind) {
    case TypedValue::Kind::Empty:
        setTyped(row, column, QString());
        break;
    case TypedValue::Kind::Text:
        setText(row, column, value.text);
        break;
    case TypedValue::Kind::Number:
        setNumber(row, column, value.number);
        break;
    case TypedValue::Kind::Date:
        setDate(row, column, value.date);
        break;
    }
}

} // namespace velkor
