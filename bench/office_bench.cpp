#include "storage/CompanyTransfer.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "storage/Schema.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"
#include "support/PostgresServer.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace velkor;

namespace {

constexpr int kItems = 10000;

// A company file of 10.000 items and an office on the benchmark's own server.
struct OfficeBench {
    OfficeBench() {
        server = test::PostgresServer::shared();
        if (!server)
            return;
        connection =
            std::make_unique<PgConnection>(server->conninfo(server->createDatabase(QStringLiteral("bench"))));
        initOffice(*connection);
        path = dir.filePath(QStringLiteral("ABC.mdb"));
        createDatabaseFile(path, [](Database& db) {
            createCompanySchema(db);
            Transaction transaction(db);
            Statement insert(db, QStringLiteral("INSERT INTO sabit_kiymet (sbk_kodu, sbk_adi, anahesapkodu, "
                                                "fatura_tarihi, VUK_Son_Degeri, Duzeltme_Katsayisi, "
                                                "Duzeltilmis_Tutar, Enflasyon_Farki, SBK_Diger) "
                                                "VALUES (?,?,?,?,?,?,?,?,?)"));
            for (int i = 0; i < kItems; ++i) {
                insert.reset();
                insert.bindAll({QString::number(i), QStringLiteral("Kalem %1").arg(i), QStringLiteral("253"),
                                QDate(2020, 1 + i % 12, 1), 1000.0 + i, 2.45884, (1000.0 + i) * 2.45884,
                                (1000.0 + i) * 1.45884, QStringLiteral("SBK")});
                insert.run();
            }
            transaction.commit();
        });
    }
    test::PostgresServer* server = nullptr;
    std::unique_ptr<PgConnection> connection;
    QTemporaryDir dir;
    QString path;
};

// Moving a company of 10.000 items to the server (the target: at most 5 s).
void BM_CompanyToServer(benchmark::State& state) {
    OfficeBench bench;
    if (!bench.server) {
        state.SkipWithError("PostgreSQL 15 is not installed");
        return;
    }
    int round = 0;
    for (auto _ : state) {
        Database file(bench.path, kDatabasePassword);
        copyCompanyToServer(file, *bench.connection, QStringLiteral("K%1").arg(++round));
    }
    state.counters["items"] = kItems;
}
BENCHMARK(BM_CompanyToServer)->Unit(benchmark::kMillisecond)->Iterations(2);

// And back into a company file.
void BM_CompanyToFile(benchmark::State& state) {
    OfficeBench bench;
    if (!bench.server) {
        state.SkipWithError("PostgreSQL 15 is not installed");
        return;
    }
    {
        Database file(bench.path, kDatabasePassword);
        copyCompanyToServer(file, *bench.connection, QStringLiteral("ABC"));
    }
    int round = 0;
    for (auto _ : state)
        copyCompanyToFile(*bench.connection, QStringLiteral("ABC"),
                          bench.dir.filePath(QStringLiteral("geri%1.mdb").arg(++round)));
    state.counters["items"] = kItems;
}
BENCHMARK(BM_CompanyToFile)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
