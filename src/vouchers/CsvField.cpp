#include "vouchers/CsvField.h"

namespace velkor {

QString csvField(const QString& field, QChar delimiter) {
    bool quote = false;
    for (const QChar c : field) {
        if (c.unicode() <= 32 || c == QLatin1Char('"') || c == delimiter) {
            quote = true;
            break;
        }
    }
    if (!quote) {
        return field;
    }
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvLine(const QStringList& fields, QChar delimiter) {
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += delimiter;
        }
        line += csvField(fields[i], delimiter);
    }
    line += QLatin1String("\r\n");
    return line;
}

} // namespace velkor
