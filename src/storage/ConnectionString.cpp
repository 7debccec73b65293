#include "storage/ConnectionString.h"

#include <QDir>

namespace velkor {

ConnectionString::ConnectionString(const QString& text) {
    // Pairs end at ";" outside double quotes; "" inside a value is an empty value.
    QString current;
    bool quoted = false;
    auto flush = [this, &current] {
        const int eq = current.indexOf(QLatin1Char('='));
        if (eq > 0) {
            QString value = current.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            m_values.insert(current.left(eq).trimmed().toLower(), value);
        }
        current.clear();
    };
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(';') && !quoted)
            flush();
        else
            current += c;
    }
    flush();
}

QString ConnectionString::value(const QString& key) const {
    return m_values.value(key.toLower());
}

QString ConnectionString::resolvedDataSource() const {
    QString source = value(QStringLiteral("Data Source"));
    source.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (source.isEmpty())
        return {};
    return QDir::cleanPath(QDir::current().absoluteFilePath(source));
}

} // namespace velkor
