#pragma once

#include "ItemTableFixture.h"
#include "engine/EquitySheet.h"
#include "engine/StockSheet.h"
#include "engine/WorkspaceState.h"
#include "storage/Query.h"
#include "storage/Table.h"

namespace velkor::test {

/// The item-table company with both the stock and the equity sheet on it.
class StockEquityTest : public ItemTableTest {
protected:
    StockEquityTest() { addCompany(QStringLiteral("T1"), QStringLiteral("Deneme A.Ş.")); }

    IndexLookup& indexLookup() override { return index; }
    InterestLookup& interestLookup() override { return interest; }

    /// The item list over all rows, positioned on the row with the id.
    Query& listAt(qint64 id) {
        list.close();
        list.setSql({QStringLiteral("SELECT * FROM sabit_kiymet ORDER BY anahesapkodu, sbk_kodu")});
        list.open();
        EXPECT_TRUE(list.locate(QStringLiteral("id"), id));
        return list;
    }

    WorkspaceState state;
    IndexLookup index{home.context().rates()};
    InterestLookup interest{home.context().rates()};
    Table table{home.context().company(), QStringLiteral("sabit_kiymet")};
    Query list{home.context().company()};
    StockSheet stock{home.context(), state, index, interest, table};
    EquitySheet equity{home.context(), state, index, interest, table};
};

} // namespace velkor::test
