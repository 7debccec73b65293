#include "base/ScriptedPrompt.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "storage/AppContext.h"
#include "storage/Installation.h"
#include "storage/Query.h"
#include "storage/Statement.h"
#include "storage/Table.h"
#include "storage/Transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace velkor;

namespace {

struct BenchHome {
    BenchHome() {
        ensureInstallation(dir.path());
        context = std::make_unique<AppContext>(dir.path(), prompt);
        context->OpenSharedConnections();
    }
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    std::unique_ptr<AppContext> context;
};

void appendItems(Database& db, int count) {
    Transaction transaction(db);
    Statement insert(
        db, QStringLiteral("INSERT INTO sabit_kiymet (sbk_kodu, sbk_adi, anahesapkodu, fatura_tarihi, "
                           "VUK_Son_Degeri, Duzeltme_Katsayisi, Duzeltilmis_Tutar, Enflasyon_Farki, "
                           "SBK_Diger) VALUES (?,?,?,?,?,?,?,?,?)"));
    for (int i = 0; i < count; ++i) {
        insert.reset();
        insert.bindAll({QString::number(i), QStringLiteral("Kalem %1").arg(i), QStringLiteral("253"),
                        QDate(2020, 1 + i % 12, 1), 1000.0 + i, 2.45884, (1000.0 + i) * 2.45884,
                        (1000.0 + i) * 1.45884, QStringLiteral("SBK")});
        insert.run();
    }
    transaction.commit();
}

void BM_OpenSharedConnections(benchmark::State& state) {
    BenchHome home;
    for (auto _ : state) {
        home.context->company().close();
        home.context->general().close();
        home.context->rates().close();
        home.context->OpenSharedConnections();
    }
}
BENCHMARK(BM_OpenSharedConnections)->Unit(benchmark::kMillisecond);

void BM_CreateCompany(benchmark::State& state) {
    BenchHome home;
    CompanyRegistry registry(*home.context);
    int n = 0;
    for (auto _ : state) {
        registry.yeniFirma();
        registry.form().setText(ctl::registration::KoduEdit, QStringLiteral("F%1").arg(++n));
        registry.form().setText(ctl::registration::FirmaAdiEdit, QStringLiteral("Firma"));
        registry.dosyaac();
    }
}
BENCHMARK(BM_CreateCompany)->Unit(benchmark::kMillisecond);

void BM_Append10000Items(benchmark::State& state) {
    BenchHome home;
    Database& db = home.context->company().database();
    for (auto _ : state) {
        state.PauseTiming();
        db.exec(QStringLiteral("DELETE FROM sabit_kiymet"));
        state.ResumeTiming();
        appendItems(db, 10000);
    }
}
BENCHMARK(BM_Append10000Items)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_TableAppend1000Items(benchmark::State& state) {
    BenchHome home;
    Connection& company = home.context->company();
    for (auto _ : state) {
        state.PauseTiming();
        company.database().exec(QStringLiteral("DELETE FROM sabit_kiymet"));
        Table table(company, QStringLiteral("sabit_kiymet"));
        table.open();
        state.ResumeTiming();
        Transaction transaction(company.database());
        for (int i = 0; i < 1000; ++i) {
            table.append();
            table.setValue(QStringLiteral("sbk_kodu"), QString::number(i));
            table.setValue(QStringLiteral("anahesapkodu"), QStringLiteral("253"));
            table.setValue(QStringLiteral("VUK_Son_Degeri"), 1000.0 + i);
            table.post();
        }
        transaction.commit();
    }
}
BENCHMARK(BM_TableAppend1000Items)->Unit(benchmark::kMillisecond);

void BM_Read10000Items(benchmark::State& state) {
    BenchHome home;
    appendItems(home.context->company().database(), 10000);
    Query query(home.context->company());
    query.setSql(
        {QStringLiteral("SELECT * FROM sabit_kiymet"), QStringLiteral("ORDER BY anahesapkodu, sbk_kodu")});
    for (auto _ : state) {
        query.close();
        query.open();
        benchmark::DoNotOptimize(query.recordCount());
    }
}
BENCHMARK(BM_Read10000Items)->Unit(benchmark::kMillisecond);

} // namespace
