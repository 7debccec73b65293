#include "base/ScriptedPrompt.h"
#include "periods/PeriodReport.h"
#include "periods/PeriodWork.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "storage/AppContext.h"
#include "storage/Database.h"
#include "storage/Installation.h"
#include "storage/Query.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <random>

using namespace velkor;

namespace {

constexpr int kPeriodItems = 10000;
const QDate kYearEnd(2024, 12, 31);

// A company whose 10,000 rows of 31.12.2023 are all carried into the period 31.12.2024:
// fixed assets with depreciation, stocks by the actual method and equity.
class PeriodCompany {
public:
    PeriodCompany() {
        ensureInstallation(m_dir.path());
        setInstallationFolder(m_dir.path());
        m_context = std::make_unique<AppContext>(m_dir.path() + QLatin1Char('/'), m_prompt);
        m_context->OpenSharedConnections();
        CompanyRegistry registry(*m_context);
        registry.yeniFirma();
        registry.form().setText(ctl::registration::KoduEdit, QStringLiteral("DONEM"));
        registry.form().setText(ctl::registration::FirmaAdiEdit, QStringLiteral("Dönem A.Ş."));
        if (!registry.dosyaac())
            throw std::runtime_error("company not created");
        fill();
        m_work = std::make_unique<PeriodWork>(*m_context);
        if (!m_work->add(kYearEnd, m_prompt))
            throw std::runtime_error("period not added");
        m_work->save(m_work->calculate(kYearEnd));
    }

    AppContext& context() { return *m_context; }
    PeriodWork& work() { return *m_work; }

private:
    void fill() {
        static const QStringList accounts{"250", "253", "254", "255", "260",
                                          "153", "157", "500", "520", "540"};
        Database& db = m_context->company().database();
        Transaction transaction(db);
        Statement insert(
            db, QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, "
                               "fatura_tarihi, Hesap_Yi_UFE_Tarihi, VUK_Son_Degeri, "
                               "vuk_amortisman_sure, vuk_amortisman_yontem, vuk_birikmis_amortisman, "
                               "Duzeltilmis_Tutar, Duzeltilmis_Amortisman, Enflasyon_Farki, "
                               "Hesaplama_Yontemi, SBK_Diger) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        std::mt19937 random(20241231);
        const auto uniform = [&](double low, double high) {
            return std::uniform_real_distribution<double>(low, high)(random);
        };
        for (int i = 0; i < kPeriodItems; ++i) {
            const QString account = accounts[i % accounts.size()];
            const bool fixed = account.startsWith(QLatin1Char('2'));
            const double value = std::round(uniform(100, 2'000'000) * 100) / 100;
            const double adjusted = std::round(value * uniform(1.1, 6) * 100) / 100;
            QVariantList v(14);
            v[0] = account;
            v[1] = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
            v[2] = QStringLiteral("KALEM %1").arg(i);
            v[3] = QDate(2015, 1, 1).addDays(i % 3000);
            v[4] = QDate(2023, 12, 31);
            v[5] = value;
            v[9] = adjusted;
            v[11] = adjusted - value;
            if (fixed) {
                v[6] = 5 + i % 20;
                v[7] = QStringLiteral("Normal");
                v[8] = std::round(value * 0.3 * 100) / 100;
                v[10] = std::round(adjusted * 0.3 * 100) / 100;
                v[13] = QStringLiteral("SBK");
            } else {
                v[12] = account == QLatin1String("500") ? QStringLiteral("Nakti") : QStringLiteral("Gercek");
                v[13] = QStringLiteral("Diger");
            }
            insert.reset();
            insert.bindAll(v);
            insert.run();
        }
        transaction.commit();
    }

    QTemporaryDir m_dir;
    ScriptedPrompt m_prompt;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<PeriodWork> m_work;
};

PeriodCompany& periodCompany() {
    static PeriodCompany instance;
    return instance;
}

// "Hesapla", "Kaydet" and "Dönemi Kapat" of a period of 10.000 carried items (the backup
// that closing writes first included); reopening between the runs is not timed.
void BM_Periods_ComputeSaveClose(benchmark::State& state) {
    PeriodWork& work = periodCompany().work();
    for (auto _ : state) {
        PeriodView view = work.calculate(kYearEnd);
        work.save(view);
        work.close(kYearEnd);
        state.PauseTiming();
        work.reopen(kYearEnd);
        state.ResumeTiming();
        benchmark::DoNotOptimize(view.lines.size());
    }
}
BENCHMARK(BM_Periods_ComputeSaveClose)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same on a period whose lines were never saved: the first "Kaydet" writes every line.
void BM_Periods_FirstSaveClose(benchmark::State& state) {
    PeriodWork& work = periodCompany().work();
    Database& db = periodCompany().context().company().database();
    const qint64 id = work.load(kYearEnd).period.id;
    for (auto _ : state) {
        state.PauseTiming();
        db.execute(QStringLiteral("DELETE FROM donem_kalem WHERE donem_id = ?"), {id});
        state.ResumeTiming();
        PeriodView view = work.calculate(kYearEnd);
        work.save(view);
        work.close(kYearEnd);
        state.PauseTiming();
        work.reopen(kYearEnd);
        state.ResumeTiming();
        benchmark::DoNotOptimize(view.lines.size());
    }
}
BENCHMARK(BM_Periods_FirstSaveClose)->Unit(benchmark::kMillisecond)->Iterations(3);

// The baseline of the report list: the period's stored lines read and nothing else done.
void BM_Periods_BareRead(benchmark::State& state) {
    const qint64 id = periodCompany().work().load(kYearEnd).period.id;
    Query query(periodCompany().context().company());
    query.setSql({QStringLiteral("SELECT * FROM donem_kalem WHERE donem_id = ? ORDER BY id")});
    query.setParams({id});
    for (auto _ : state) {
        query.close();
        query.open();
        benchmark::DoNotOptimize(query.recordCount());
    }
}
BENCHMARK(BM_Periods_BareRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The period's report list as `period report` and the tab's report build it from the stored period.
void BM_Periods_ReportList(benchmark::State& state) {
    PeriodWork& work = periodCompany().work();
    for (auto _ : state) {
        const PeriodView view = work.load(kYearEnd);
        const PeriodTable table = periodReport(view, closingEntries(view.period, view.totals));
        benchmark::DoNotOptimize(table.rows.size());
    }
}
BENCHMARK(BM_Periods_ReportList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

namespace {

// The parts of the report list: reading the stored period, and laying out its table.
void BM_Periods_LoadOnly(benchmark::State& state) {
    PeriodWork& work = periodCompany().work();
    for (auto _ : state)
        benchmark::DoNotOptimize(work.load(kYearEnd).lines.size());
}
BENCHMARK(BM_Periods_LoadOnly)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_Periods_TableOnly(benchmark::State& state) {
    const PeriodView view = periodCompany().work().load(kYearEnd);
    for (auto _ : state)
        benchmark::DoNotOptimize(periodReport(view, {}).rows.size());
}
BENCHMARK(BM_Periods_TableOnly)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace
