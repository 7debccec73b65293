#include "storage/CsvReader.h"

namespace velkor {

std::vector<QStringList> readCsv(const QString& text) {
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\n')) {
            row << field;
            rows.push_back(row);
            row.clear();
            field.clear();
            any = false;
        } else if (c != QLatin1Char('\r')) {
            field += c;
            any = true;
        }
    }
    if (any) {
        row << field;
        rows.push_back(row);
    }
    return rows;
}

} // namespace velkor
