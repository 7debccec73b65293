#include "engine/InterestLookup.h"

#include <QStringList>

namespace velkor {

InterestLookup::InterestLookup(Connection& rates) : m_rates(rates), m_query(rates) {
    m_query.setSql({QStringLiteral("Select * From Ortalama_Faiz Order By Yil ASC;")});
}

QString InterestLookup::monthColumn(int month) {
    static const QStringList columns{
        QStringLiteral("Ocak"),   QStringLiteral("Subat"),   QStringLiteral("Mart"),
        QStringLiteral("Nisan"),  QStringLiteral("Mayis"),   QStringLiteral("Haziran"),
        QStringLiteral("Temmuz"), QStringLiteral("Agustos"), QStringLiteral("Eylul"),
        QStringLiteral("Ekim"),   QStringLiteral("Kasim"),   QStringLiteral("Aralik")};
    return month >= 1 && month <= 12 ? columns.at(month - 1) : QString();
}

bool InterestLookup::hasYear(int year) {
    m_rates.ensureOpen();
    m_query.ensureOpen();
    return m_query.locate(QStringLiteral("Yil"), year);
}

std::optional<double> InterestLookup::valueOf(int year, const QString& column) {
    if (column.isEmpty() || !hasYear(year))
        return std::nullopt;
    const QVariant value = m_query.value(column);
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return std::nullopt;
    return m_query.number(column);
}

std::optional<double> InterestLookup::monthlyRate(int year, int month) {
    return valueOf(year, monthColumn(month));
}

std::optional<double> InterestLookup::yearlyAverage(int year) {
    return valueOf(year, QStringLiteral("Ortalama"));
}

void InterestLookup::reload() {
    m_query.close();
    m_rates.ensureOpen();
    m_query.open();
}

} // namespace velkor
