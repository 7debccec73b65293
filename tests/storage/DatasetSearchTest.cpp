#include "storage/DatasetSearch.h"
#include "storage/Installation.h"
#include "storage/Schema.h"
#include "storage/Table.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

TEST(TextHelpersTest, FindNextContainingWalksCyclicallyFromTheNextRow) {
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/f.mdb");
    createDatabaseFile(file, createCompanySchema);
    Connection c(QStringLiteral("c"));
    c.setConnectionString(
        QStringLiteral("Data Source=%1;Jet OLEDB:Database Password=p4Rk9mWq2TzL7vB").arg(file));
    c.open();
    Table table(c, QStringLiteral("sabit_kiymet"));
    table.open();
    for (const char* name : {"Bina", "IŞIKLANDIRMA", "Masa", "ışık armatürü"}) {
        table.append();
        table.setValue(QStringLiteral("sbk_adi"), QString::fromUtf8(name));
        table.post();
    }
    table.first();
    ASSERT_TRUE(FindNextContaining(table, QStringLiteral("sbk_adi"), QStringLiteral("ışık")));
    EXPECT_EQ(table.recNo(), 2);
    ASSERT_TRUE(FindNextContaining(table, QStringLiteral("sbk_adi"), QStringLiteral("IŞIK")));
    EXPECT_EQ(table.recNo(), 4);
    ASSERT_TRUE(FindNextContaining(table, QStringLiteral("sbk_adi"), QStringLiteral("ışık")));
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_FALSE(FindNextContaining(table, QStringLiteral("sbk_adi"), QStringLiteral("yok")));
    // "i" does not find "I": dotless and dotted letters stay apart.
    table.first();
    EXPECT_FALSE(FindNextContaining(table, QStringLiteral("sbk_adi"), QStringLiteral("iş")));
}

} // namespace
