#include "base/WindowNames.h"
#include "reports/AccountTotals.h"
#include "reports/DuzeltmeReport.h"
#include "reports/ItemSelection.h"
#include "reports/JournalSheet.h"
#include "reports/JournalSheetControls.h"
#include "reports/PdfPrintService.h"
#include "reports/ReportSheet.h"
#include "reports/SpreadsheetReports.h"
#include "spreadsheet/XlsxWorkbook.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/Schema.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

using namespace velkor;

namespace {

constexpr int kItems = 10000;

double round2(double value) {
    return std::round(value * 100) / 100;
}

// A company of 10,000 items as the sheets save them: about half fixed assets (with
// depreciation, some with a financing cost or a revaluation), a third stocks and other
// non-monetary items, the rest equity lines of every kind.
class BenchCompany {
public:
    BenchCompany() {
        const QString path = m_dir.filePath(QStringLiteral("BENCH.mdb"));
        createDatabaseFile(path, createCompanySchema);
        m_connection.setConnectionString(QStringLiteral("Data Source=") + path +
                                         QStringLiteral(";Jet OLEDB:Database Password=") + kDatabasePassword);
        m_connection.open();
        fill();
    }

    Connection& connection() { return m_connection; }

private:
    void fill() {
        static const QStringList assets{"250", "252", "253", "253", "253", "254", "255", "255",
                                        "255", "256", "258", "260", "263", "264", "267"};
        static const QStringList stocks{"150", "151", "152", "153", "153", "153", "157", "159",
                                        "171", "172", "240", "271", "340", "352", "380"};
        static const QStringList equity{"500", "500", "520", "522", "540", "549", "570", "580", "590", "591"};
        static const QStringList capitalKinds{"Nakti", "Ayni", "522", "525", "NormalBirlesme", "Bolunme"};

        Database& db = m_connection.database();
        Transaction transaction(db);
        Statement insert(
            db, QStringLiteral(
                    "INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, fatura_tarihi, "
                    "vuk_amort_bitis_tarihi, Hesap_Yi_UFE_Tarihi, Giris_Yi_UFE_Tarihi, VUK_Son_Degeri, "
                    "vuk_amortisman_sure, vuk_amortisman_yontem, vuk_birikmis_amortisman, Giris_Yi_UFE, "
                    "Hesap_Yi_UFE, Duzeltme_Katsayisi, ROFM_Yontem, ROFM_Faiz, ROFM_Tutar, "
                    "ROFM_Reel_Finansman, ROFM_Reel_Katsayi, ROFM_Ayrilmamis_Amort, MDVD_Yapildi, "
                    "MDVD_Tarih, Duzeltilmis_Tutar, Duzeltilmis_Amortisman, Enflasyon_Farki, "
                    "Amortisman_Farki, Hesaplama_Yontemi, SBK_Diger) "
                    "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        std::mt19937 random(20231231);
        const auto uniform = [&](double low, double high) {
            return std::uniform_real_distribution<double>(low, high)(random);
        };
        const QDate adjustmentDate(2023, 12, 31);
        for (int i = 0; i < kItems; ++i) {
            const int group = i % 6;
            const QDate entry = QDate(2005, 1, 1).addDays(static_cast<int>(uniform(0, 6900)));
            const double entryIndex = round2(uniform(115, 2800));
            const double accountIndex = 2915.02;
            const double coefficient = std::round(accountIndex / entryIndex * 1e5) / 1e5;
            const double value = round2(uniform(100, 2'000'000));
            const double adjusted = round2(coefficient * value);
            QVariantList v(28);
            v[3] = entry;
            v[5] = adjustmentDate;
            v[6] = entry;
            v[7] = value;
            v[11] = entryIndex;
            v[12] = accountIndex;
            v[13] = coefficient;
            v[22] = adjusted;
            v[24] = adjusted - value;
            if (group < 3) {
                const int life = 2 + i % 49;
                const double accumulated = round2(value * uniform(0, 1));
                const double adjustedDepreciation =
                    round2((adjusted - value) / value * accumulated + accumulated);
                v[0] = assets[i % assets.size()];
                v[4] = entry.addYears(life);
                v[8] = life;
                v[9] = QStringLiteral("Normal");
                v[10] = accumulated;
                v[23] = adjustedDepreciation;
                v[25] = adjustedDepreciation - accumulated;
                v[27] = QStringLiteral("SBK");
                if (i % 17 == 0) {
                    v[14] = QStringLiteral("Borc");
                    v[15] = round2(value * 0.1);
                    v[16] = round2(value * 0.06);
                    v[17] = round2(value * 0.04);
                    v[18] = 1.23456;
                    v[19] = round2(value * 0.01);
                }
                if (i % 23 == 0) {
                    v[20] = QStringLiteral("Evet");
                    v[21] = QDate(2021, 12, 31);
                }
            } else if (group < 5) {
                v[0] = stocks[i % stocks.size()];
                v[26] = QStringLiteral("Gercek");
                v[27] = QStringLiteral("Diger");
            } else {
                v[0] = equity[i % equity.size()];
                v[26] = capitalKinds[i % capitalKinds.size()];
                v[27] = QStringLiteral("Diger");
            }
            v[1] = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
            v[2] = QStringLiteral("KALEM %1 %2").arg(v[0].toString()).arg(i);
            insert.reset();
            insert.bindAll(v);
            insert.run();
        }
        transaction.commit();
    }

    QTemporaryDir m_dir;
    Connection m_connection{QStringLiteral("benchConnection")};
};

BenchCompany& company() {
    static BenchCompany instance;
    return instance;
}

// The benchmarks a ratio is formed from run five times each and report their median:
// the machine may be busy with other work while they run.
void BM_Reports_BareRead(benchmark::State& state) {
    Query query(company().connection());
    query.setSql(itemSelectionSql({}));
    for (auto _ : state) {
        query.close();
        query.open();
        benchmark::DoNotOptimize(query.recordCount());
    }
}
BENCHMARK(BM_Reports_BareRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Reports_ClosingStepAndReportList(benchmark::State& state) {
    FormModel form(velkor::windows::kWorkspace);
    ReportSheet sheet(form, company().connection());
    for (auto _ : state) {
        sheet.RaporListeYenile();
        benchmark::DoNotOptimize(sheet.SBKRaporQuery().recordCount());
    }
}
BENCHMARK(BM_Reports_ClosingStepAndReportList)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_Reports_Journal(benchmark::State& state) {
    FormModel form(velkor::windows::kWorkspace);
    JournalSheet sheet(form, company().connection(), [] { return QStringLiteral("BENCH A.Ş."); });
    for (auto _ : state) {
        sheet.YevmiyeButClick();
        benchmark::DoNotOptimize(form.lines(ctl::journal::YevmiyeRich).size());
    }
}
BENCHMARK(BM_Reports_Journal)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Reports_AccountTotals(benchmark::State& state) {
    Query query(company().connection());
    prepareAccountTotals(query);
    for (auto _ : state) {
        query.close();
        query.open();
        benchmark::DoNotOptimize(query.recordCount());
    }
}
BENCHMARK(BM_Reports_AccountTotals)->Unit(benchmark::kMillisecond);

// Drawing text needs a GUI application; the offscreen platform needs no display.
void ensureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velkor-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

void BM_Reports_ListToPdf(benchmark::State& state) {
    ensureGuiApplication();
    FormModel form(velkor::windows::kWorkspace);
    ReportSheet sheet(form, company().connection());
    sheet.RaporListeYenile();
    sheet.openGrandTotals(true);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rapor.pdf"));
    int pages = 0;
    for (auto _ : state) {
        DuzeltmeReport report({QStringLiteral("BENCH"), QStringLiteral("BENCH A.Ş."), {}, {}, {}},
                              sheet.SBKRaporQuery(), sheet.SBKRaporToplamQuery(),
                              QDateTime::currentDateTime());
        PdfPrintService pdf(path);
        pdf.present(report);
        pages = pdf.pages();
    }
    state.counters["pages"] = pages;
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_Reports_ListToPdf)->Unit(benchmark::kMillisecond);

void BM_Reports_ListToXlsx(benchmark::State& state) {
    FormModel form(velkor::windows::kWorkspace);
    ReportSheet sheet(form, company().connection());
    sheet.RaporListeYenile();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rapor.xlsx"));
    for (auto _ : state) {
        XlsxWorkbook book;
        DuzeltmeRaporExcel(book, QStringLiteral("BENCH A.Ş."), QStringLiteral("Hepsi"),
                           sheet.SBKRaporQuery());
        book.save(path);
    }
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_Reports_ListToXlsx)->Unit(benchmark::kMillisecond);

} // namespace
