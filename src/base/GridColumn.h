#pragma once

#include <QString>
#include <QVariant>
#include <functional>

namespace velkor {

/// One column of a grid over a dataset: the dataset column, the heading and how a value
/// is shown (a number pattern of FormatFloat, or a function of the stored value).
struct GridColumn {
    QString field;
    QString label;
    QString format = {};
    std::function<QString(const QVariant&)> display = {};
};

/// The text a grid shows for a stored value: empty for NULL, dates as dd.mm.yyyy,
/// numbers with the column's pattern (or the general format), text as it stands.
QString gridText(const GridColumn& column, const QVariant& value);

} // namespace velkor
