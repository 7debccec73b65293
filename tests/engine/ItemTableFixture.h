#pragma once

#include "engine/IndexLookup.h"
#include "engine/InterestLookup.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace velkor::test {

/// A company with an empty item table, a test index table and no average interest rates;
/// the sheet fixtures build on it and say which lookups their sheets read.
class ItemTableTest : public ::testing::Test {
protected:
    /// Adds the company and empties its average interest rates.
    void addCompany(const QString& code, const QString& name) {
        home.addCompany(code, name);
        home.context().rates().database().exec(QStringLiteral("DELETE FROM Ortalama_Faiz"));
    }

    /// The index lookup the sheets read.
    virtual IndexLookup& indexLookup() = 0;
    /// The interest lookup the sheets read.
    virtual InterestLookup& interestLookup() = 0;

    /// Replaces the index table; lookups read it afresh.
    void setIndex(const std::vector<std::pair<int, double>>& rows) {
        home.setIndexValues(rows);
        indexLookup().reload();
    }

    /// Adds a row of average interest rates: January and June given, the other months empty.
    void addInterestYear(int year, double january, double june) {
        home.context().rates().database().execute(
            QStringLiteral("INSERT INTO Ortalama_Faiz (Yil, Ocak, Haziran) VALUES (?, ?, ?)"),
            {year, january, june});
        interestLookup().reload();
    }

    /// One column of a stored row.
    QVariant stored(qint64 id, const QString& column) {
        return home.context().company().database().scalar(
            QStringLiteral("SELECT \"%1\" FROM sabit_kiymet WHERE id=?").arg(column), {id});
    }

    int rowCount() {
        return home.context()
            .company()
            .database()
            .scalar(QStringLiteral("SELECT COUNT(*) FROM sabit_kiymet"))
            .toInt();
    }

    /// The messages shown so far.
    QStringList shown() const { return const_cast<TempHome&>(home).prompt().texts(); }

    TempHome home;
};

/// The separator line of the explanation texts.
inline QString separatorText() {
    return QString(41, QLatin1Char('-')) + QStringLiteral("31/12/2023") + QString(41, QLatin1Char('-'));
}

/// A posting line as the texts lay it out.
inline QString posting(const QString& label, const QString& description, const QString& amount,
                       bool credit = false) {
    return (credit ? QString(16, QLatin1Char(' ')) : QString()) + label.leftJustified(10) + QLatin1Char(' ') +
           description.leftJustified(40) + QLatin1Char(' ') + amount.rightJustified(23);
}

} // namespace velkor::test
