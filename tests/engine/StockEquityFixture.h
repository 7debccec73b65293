#pragma once

#include "engine/EquitySheet.h"
#include "engine/IndexLookup.h"
#include "engine/InterestLookup.h"
#include "engine/StockSheet.h"
#include "storage/Query.h"
#include "storage/Table.h"
#include "support/TestSupport.h"
#include "workspace/WorkspaceState.h"

#include <gtest/gtest.h>

namespace velkor::test {

/// A company with an empty item table, a test index table and both sheets on it.
class StockEquityTest : public ::testing::Test {
protected:
    StockEquityTest() {
        home.addCompany(QStringLiteral("T1"), QStringLiteral("Deneme A.Ş."));
        home.context().rates().database().exec(QStringLiteral("DELETE FROM Ortalama_Faiz"));
    }

    /// Replaces the index table; lookups read it afresh.
    void setIndex(const std::vector<std::pair<int, double>>& rows) {
        home.setIndexValues(rows);
        index.reload();
    }

    /// Adds a row of average interest rates: January and June given, the other months empty.
    void addInterestYear(int year, double january, double june) {
        home.context().rates().database().execute(
            QStringLiteral("INSERT INTO Ortalama_Faiz (Yil, Ocak, Haziran) VALUES (?, ?, ?)"),
            {year, january, june});
        interest.reload();
    }

    /// The item list over all rows, positioned on the row with the id.
    Query& listAt(qint64 id) {
        list.close();
        list.setSql({QStringLiteral("SELECT * FROM sabit_kiymet ORDER BY anahesapkodu, sbk_kodu")});
        list.open();
        EXPECT_TRUE(list.locate(QStringLiteral("id"), id));
        return list;
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

    QStringList shown() const { return const_cast<TempHome&>(home).prompt().texts(); }

    TempHome home;
    WorkspaceState state;
    IndexLookup index{home.context().rates()};
    InterestLookup interest{home.context().rates()};
    Table table{home.context().company(), QStringLiteral("sabit_kiymet")};
    Query list{home.context().company()};
    StockSheet stock{home.context(), state, index, interest, table};
    EquitySheet equity{home.context(), state, index, interest, table};
};

/// The separator line of the explanation texts.
inline QString separator() {
    return QString(41, QLatin1Char('-')) + QStringLiteral("31/12/2023") + QString(41, QLatin1Char('-'));
}

} // namespace velkor::test
