#include "storage/ConnectionStrings.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "storage/RowStamp.h"
#include "support/PostgresServer.h"

#include <gtest/gtest.h>

namespace velkor::test {
namespace {

// Two accountants on one company of the server: what the item saves will do there.
TEST(RowStampServerTest, ASaveOverAnotherAccountantsChangeOrDeletionIsRefusedOnTheServer) {
    VELKOR_REQUIRE_POSTGRES(server);
    const QString database = server->createDatabase(QStringLiteral("damga"));
    PgConnection first(server->conninfo(database));
    initOffice(first);
    addCompanySchema(first, QStringLiteral("ABC"));
    PgConnection second(server->conninfo(database));
    const QString schema = companySchema(QStringLiteral("ABC"));
    const QString table = first.quoteIdentifier(schema) + QStringLiteral(".sabit_kiymet");
    const qint64 id =
        first.scalar(QStringLiteral("INSERT INTO %1 (sbk_adi) VALUES ('Torna') RETURNING id").arg(table))
            .toLongLong();

    const RowStamp loaded =
        RowStamp::of(*storedRow(first, schema, QStringLiteral("sabit_kiymet"), id, false));
    second.execute(QStringLiteral("UPDATE %1 SET sbk_adi = 'Freze' WHERE id = $1").arg(table), {id});
    {
        PgTransaction save(first);
        EXPECT_THROW(
            requireUnchanged(loaded, storedRow(first, schema, QStringLiteral("sabit_kiymet"), id, true)),
            StaleRowError);
    }
    // Reloaded, the save goes through, and the row stays locked until it is written.
    const RowStamp reloaded =
        RowStamp::of(*storedRow(first, schema, QStringLiteral("sabit_kiymet"), id, false));
    {
        PgTransaction save(first);
        EXPECT_NO_THROW(
            requireUnchanged(reloaded, storedRow(first, schema, QStringLiteral("sabit_kiymet"), id, true)));
        second.exec(QStringLiteral("SET lock_timeout = '100ms'"));
        try {
            second.execute(QStringLiteral("UPDATE %1 SET sbk_adi = 'Matkap' WHERE id = $1").arg(table), {id});
            ADD_FAILURE() << "the row was not locked";
        } catch (const PgError& e) {
            EXPECT_EQ(e.sqlState(), QStringLiteral("55P03"));
        }
        first.execute(QStringLiteral("UPDATE %1 SET sbk_adi = 'Torna 2' WHERE id = $1").arg(table), {id});
        save.commit();
    }
    EXPECT_EQ(second.scalar(QStringLiteral("SELECT sbk_adi FROM %1 WHERE id = $1").arg(table), {id}),
              QVariant(QStringLiteral("Torna 2")));
    second.execute(QStringLiteral("DELETE FROM %1 WHERE id = $1").arg(table), {id});
    EXPECT_THROW(
        requireUnchanged(reloaded, storedRow(first, schema, QStringLiteral("sabit_kiymet"), id, true)),
        StaleRowError);
}

} // namespace
} // namespace velkor::test
