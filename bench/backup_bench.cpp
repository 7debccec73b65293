#include "backup/Backups.h"
#include "base/ScriptedPrompt.h"
#include "storage/AppContext.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace velkor;

namespace {

/// An installation with `companies` company databases of `items` items each; the
/// explanation text makes a row about as long as one the workspace saves.
struct BackupBenchHome {
    BackupBenchHome(int companies, int items) {
        ensureInstallation(dir.path());
        home = dir.path() + QLatin1Char('/');
        const QString first = home + QStringLiteral("Data/F000.mdb");
        QFile::copy(home + QStringLiteral("SBK.mdb"), first);
        {
            Database db(first, kDatabasePassword);
            Transaction transaction(db);
            Statement insert(db,
                             QStringLiteral("INSERT INTO sabit_kiymet (sbk_kodu, sbk_adi, anahesapkodu, "
                                            "fatura_tarihi, VUK_Son_Degeri, Duzeltme_Katsayisi, "
                                            "Duzeltilmis_Tutar, Enflasyon_Farki, genis_aciklama, SBK_Diger) "
                                            "VALUES (?,?,?,?,?,?,?,?,?,?)"));
            const QString text =
                QStringLiteral("253 Tesis, Makine ve Cihazlar   31/12/2023   1.234,56\n").repeated(12);
            for (int i = 0; i < items; ++i) {
                insert.reset();
                insert.bindAll({QString::number(i), QStringLiteral("Kalem %1").arg(i), QStringLiteral("253"),
                                QDate(2020, 1 + i % 12, 1), 1000.0 + i, 2.45884, (1000.0 + i) * 2.45884,
                                (1000.0 + i) * 1.45884, text, QStringLiteral("SBK")});
                insert.run();
            }
            transaction.commit();
        }
        for (int c = 1; c < companies; ++c)
            QFile::copy(first, home + QStringLiteral("Data/F%1.mdb").arg(c, 3, 10, QLatin1Char('0')));
        context = std::make_unique<AppContext>(home, prompt);
        context->OpenSharedConnections();
    }
    QTemporaryDir dir;
    QString home;
    ScriptedPrompt prompt;
    std::unique_ptr<AppContext> context;
};

void BM_BackupAllCompanies(benchmark::State& state) {
    BackupBenchHome bench(static_cast<int>(state.range(0)), 1000);
    Backups backups(*bench.context);
    const QString archive = bench.home + QStringLiteral("Yedek/tumu.zip");
    for (auto _ : state)
        backups.backupAll(archive);
    state.counters["MB"] = static_cast<double>(QFileInfo(archive).size()) / 1e6;
}
BENCHMARK(BM_BackupAllCompanies)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_RestoreAllCompanies(benchmark::State& state) {
    BackupBenchHome bench(static_cast<int>(state.range(0)), 1000);
    Backups backups(*bench.context);
    const QString archive = bench.home + QStringLiteral("Yedek/tumu.zip");
    backups.backupAll(archive);
    for (auto _ : state) {
        backups.restoreAll(archive, QDateTime::currentDateTime());
        state.PauseTiming();
        // Each restore keeps the replaced files; the next one starts without them.
        for (const QString& kept :
             QDir(bench.home + QStringLiteral("Yedek")).entryList({QStringLiteral("GeriYukleme*")}))
            QFile::remove(bench.home + QStringLiteral("Yedek/") + kept);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RestoreAllCompanies)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
