#pragma once

#include <QString>
#include <QStringList>

namespace velkor {

/// A CSV field: unchanged, unless it holds a character of code 0 to 32, a double quote
/// or the delimiter; then enclosed in double quotes with each inner quote doubled.
QString csvField(const QString& field, QChar delimiter);
/// The fields joined by the delimiter, each by the field rule, ended with CR LF.
QString csvLine(const QStringList& fields, QChar delimiter);

} // namespace velkor
