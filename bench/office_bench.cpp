#include "base/FormModel.h"
#include "base/WindowNames.h"
#include "reports/JournalSheet.h"
#include "reports/JournalSheetControls.h"
#include "reports/ReportSheet.h"
#include "storage/CompanyTransfer.h"
#include "storage/Connection.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "storage/Schema.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"
#include "support/OfficeInstallation.h"
#include "support/PostgresServer.h"

#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

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

// A company of 10.000 items as the sheets save them (fixed assets with depreciation, stocks,
// equity lines), in a file and copied to the server: the same rows on both engines.
class ReportCompanies {
public:
    ReportCompanies() {
        server = test::PostgresServer::shared();
        if (!server)
            return;
        const QString path = m_dir.filePath(QStringLiteral("RAPOR.mdb"));
        createDatabaseFile(path, [](Database& db) {
            createCompanySchema(db);
            fill(db);
        });
        file.setConnectionString(QStringLiteral("Data Source=") + path +
                                 QStringLiteral(";Jet OLEDB:Database Password=") + kDatabasePassword);
        file.open();
        const QString conninfo = server->conninfo(server->createDatabase(QStringLiteral("rapor")));
        PgConnection office(conninfo);
        initOffice(office);
        copyCompanyToServer(file.database(), office, QStringLiteral("RAPOR"));
        // The statistics the server's autovacuum gathers within a minute of a copy: the lists
        // are measured as an office reads them, not in the minute after a move.
        office.exec(QStringLiteral("ANALYZE ") +
                    office.quoteIdentifier(companySchema(QStringLiteral("RAPOR"))) +
                    QStringLiteral(".sabit_kiymet"));
        onServer.setConnectionString(
            serverConnectionString(conninfo, companySchema(QStringLiteral("RAPOR"))));
        onServer.open();
    }

    test::PostgresServer* server = nullptr;
    Connection file{QStringLiteral("benchFileCompany")};
    Connection onServer{QStringLiteral("benchServerCompany")};

private:
    static void fill(Database& db) {
        static const QStringList assets{"250", "252", "253", "254", "255", "256", "258", "260", "264"};
        static const QStringList stocks{"150", "151", "152", "153", "157", "159", "240", "271", "380"};
        static const QStringList equity{"500", "520", "522", "540", "549", "570", "580", "590"};
        Transaction transaction(db);
        Statement insert(db, QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, "
                                            "fatura_tarihi, vuk_amort_bitis_tarihi, Hesap_Yi_UFE_Tarihi, "
                                            "Giris_Yi_UFE_Tarihi, VUK_Son_Degeri, vuk_amortisman_sure, "
                                            "vuk_amortisman_yontem, vuk_birikmis_amortisman, Giris_Yi_UFE, "
                                            "Hesap_Yi_UFE, Duzeltme_Katsayisi, Duzeltilmis_Tutar, "
                                            "Duzeltilmis_Amortisman, Enflasyon_Farki, Amortisman_Farki, "
                                            "Hesaplama_Yontemi, SBK_Diger) "
                                            "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        std::mt19937 random(20231231);
        const auto uniform = [&](double low, double high) {
            return std::round(std::uniform_real_distribution<double>(low, high)(random) * 100) / 100;
        };
        for (int i = 0; i < kItems; ++i) {
            const QDate entry = QDate(2005, 1, 1).addDays(static_cast<int>(uniform(0, 6900)));
            const double entryIndex = uniform(115, 2800);
            const double coefficient = std::round(2915.02 / entryIndex * 1e5) / 1e5;
            const double value = uniform(100, 2'000'000);
            const double adjusted = std::round(coefficient * value * 100) / 100;
            QVariantList v(20);
            v[1] = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
            v[3] = entry;
            v[5] = QDate(2023, 12, 31);
            v[6] = entry;
            v[7] = value;
            v[11] = entryIndex;
            v[12] = 2915.02;
            v[13] = coefficient;
            v[14] = adjusted;
            v[16] = adjusted - value;
            if (i % 2 == 0) {
                const int life = 2 + i % 49;
                const double accumulated = std::round(value * (i % 100) / 100 * 100) / 100;
                const double adjustedDepreciation = std::round(accumulated * coefficient * 100) / 100;
                v[0] = assets[i % assets.size()];
                v[4] = entry.addYears(life);
                v[8] = life;
                v[9] = QStringLiteral("Normal");
                v[10] = accumulated;
                v[15] = adjustedDepreciation;
                v[17] = adjustedDepreciation - accumulated;
                v[19] = QStringLiteral("SBK");
            } else if (i % 4 == 1) {
                v[0] = stocks[i % stocks.size()];
                v[18] = QStringLiteral("Gercek");
                v[19] = QStringLiteral("Diger");
            } else {
                v[0] = equity[i % equity.size()];
                v[18] = QStringLiteral("Nakti");
                v[19] = QStringLiteral("Diger");
            }
            v[2] = QStringLiteral("KALEM %1 %2").arg(v[0].toString()).arg(i);
            insert.reset();
            insert.bindAll(v);
            insert.run();
        }
        transaction.commit();
    }

    QTemporaryDir m_dir;
};

ReportCompanies& reportCompanies() {
    static ReportCompanies instance;
    return instance;
}

Connection* reportCompany(benchmark::State& state, bool server) {
    if (!reportCompanies().server) {
        state.SkipWithError("PostgreSQL 15 is not installed");
        return nullptr;
    }
    return server ? &reportCompanies().onServer : &reportCompanies().file;
}

// The report list and the journal on the server, each beside the same on the company file
// (the target: at most 1,5 times the file's time). Five runs each, their median.
void BM_Office_ReportList(benchmark::State& state) {
    Connection* company = reportCompany(state, state.range(0) == 1);
    if (!company)
        return;
    FormModel form(windows::kWorkspace);
    ReportSheet sheet(form, *company);
    for (auto _ : state) {
        sheet.RaporListeYenile();
        benchmark::DoNotOptimize(sheet.SBKRaporQuery().recordCount());
    }
}
BENCHMARK(BM_Office_ReportList)
    ->ArgName("sunucu")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_Office_Journal(benchmark::State& state) {
    Connection* company = reportCompany(state, state.range(0) == 1);
    if (!company)
        return;
    FormModel form(windows::kWorkspace);
    JournalSheet sheet(form, *company, [] { return QStringLiteral("BENCH A.Ş."); });
    for (auto _ : state) {
        sheet.YevmiyeButClick();
        benchmark::DoNotOptimize(form.lines(ctl::journal::YevmiyeRich).size());
    }
}
BENCHMARK(BM_Office_Journal)
    ->ArgName("sunucu")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Four accountants' programs saving into one company at once, 1.000 saves each (every
// other one a new item, the one after it that item again): the saves a second, and how
// many of them the company does not hold afterwards (the target: none).
void BM_Office_FourWriters(benchmark::State& state) {
    constexpr int kWriters = 4;
    constexpr int kSaves = 1000;
    test::PostgresServer* server = test::PostgresServer::shared();
    if (!server) {
        state.SkipWithError("PostgreSQL 15 is not installed");
        return;
    }
    test::OfficeInstallation office(*server, QStringLiteral(VELKOR_CLI_PATH));
    int round = 0;
    qint64 lost = 0;
    qint64 savingMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString code = QStringLiteral("YAZ%1").arg(++round);
        if (!office.error().isEmpty() || !office.addCompany(code)) {
            state.SkipWithError(office.error().toStdString().c_str());
            return;
        }
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int w = 0; w < kWriters; ++w) {
            writers.push_back(std::make_unique<QProcess>());
            writers.back()->setProcessEnvironment(office.environment());
        }
        state.ResumeTiming();
        QElapsedTimer saving;
        saving.start();
        for (int w = 0; w < kWriters; ++w)
            writers[w]->start(QStringLiteral(VELKOR_SAVE_WORKER_PATH),
                              {office.home(), code, QString::number(w), QString::number(kSaves)});
        for (auto& writer : writers)
            writer->waitForFinished(600000);
        savingMs += saving.elapsed();
        state.PauseTiming();
        // Each item with the value of its second save, as the writers gave them.
        PgConnection check(server->conninfo(office.database()));
        const qint64 held =
            check
                .scalar(QStringLiteral("SELECT count(*) FROM %1.sabit_kiymet WHERE vuk_son_degeri = 500.75 + "
                                       "CAST(split_part(sbk_kodu, '-', 2) AS integer)")
                            .arg(check.quoteIdentifier(companySchema(code))))
                .toLongLong();
        lost += kWriters * kSaves / 2 - held;
        state.ResumeTiming();
    }
    // The saves a second of wall-clock time: this thread only waits for the writers.
    state.counters["saves_per_s"] = double(kWriters) * kSaves * double(state.iterations()) * 1000.0 /
                                    double(std::max<qint64>(1, savingMs));
    state.counters["lost"] = double(lost);
}
BENCHMARK(BM_Office_FourWriters)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
