#include "spreadsheet/XlsxWorkbook.h"
#include "storage/Connection.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/Schema.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"
#include "vouchers/TransferRow.h"
#include "vouchers/VoucherDerivation.h"
#include "vouchers/VoucherWriters.h"
#include "vouchers/Windows1254.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <random>

using namespace velkor;

namespace {

constexpr int kVoucherItems = 10000;

// A company of 10,000 items over the accounts the transfer treats differently: fixed
// assets with depreciation, stocks, construction, liabilities and equity of both kinds.
class VoucherCompany {
public:
    VoucherCompany() {
        const QString path = m_dir.filePath(QStringLiteral("FIS.mdb"));
        createDatabaseFile(path, createCompanySchema);
        m_connection.setConnectionString(QStringLiteral("Data Source=") + path +
                                         QStringLiteral(";Jet OLEDB:Database Password=") + kDatabasePassword);
        m_connection.open();
        static const QStringList codes{"253", "254", "260", "153", "171", "350", "500", "540", "570", "255"};
        Database& db = m_connection.database();
        Transaction transaction(db);
        Statement insert(db,
                         QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, "
                                        "VUK_Son_Degeri, vuk_birikmis_amortisman, Duzeltme_Katsayisi, "
                                        "Enflasyon_Farki, Amortisman_Farki, Hesaplama_Yontemi, SBK_Diger) "
                                        "VALUES (?,?,?,?,?,?,?,?,?,?)"));
        std::mt19937 random(20231231);
        std::uniform_real_distribution<double> amount(100, 2'000'000);
        for (int i = 0; i < kVoucherItems; ++i) {
            const QString code = codes[i % codes.size()];
            const bool asset = code.startsWith(QLatin1Char('2'));
            const double value = std::round(amount(random) * 100) / 100;
            insert.reset();
            insert.bindAll({code, QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0')),
                            QStringLiteral("KALEM %1").arg(i), value, asset ? value / 2 : 0.0, 1.45751,
                            std::round(value * 45.751) / 100, asset ? std::round(value * 22.87) / 100 : 0.0,
                            i % 20 == 6 ? QStringLiteral("522") : QStringLiteral("Nakti"),
                            asset ? QStringLiteral("SBK") : QStringLiteral("Diger")});
            insert.run();
        }
        transaction.commit();
    }
    Connection& connection() { return m_connection; }

private:
    QTemporaryDir m_dir;
    Connection m_connection{QStringLiteral("voucherBench")};
};

VoucherCompany& company() {
    static VoucherCompany instance;
    return instance;
}

using TextWriter = QString (*)(const std::vector<VoucherLine>&, const TransferOptions&);
using WorkbookVoucher =
    std::function<void(WorkbookWriter&, const std::vector<VoucherLine>&, const TransferOptions&)>;

/// Selects the rows, derives the lines and writes one text voucher in Windows-1254 per iteration.
void benchTextVoucher(benchmark::State& state, TextWriter writer, VoucherTarget target) {
    const TransferOptions options;
    Connection& connection = company().connection(); // the company is built outside the timing
    for (auto _ : state) {
        const auto rows = selectTransferRows(connection, options.filterText);
        const EncodedText text = toWindows1254(writer(deriveVoucherLines(rows, options, target), options));
        benchmark::DoNotOptimize(text.bytes.size());
    }
}

/// The same for a workbook voucher, saved to a file each iteration.
void benchWorkbookVoucher(benchmark::State& state, const WorkbookVoucher& write, VoucherTarget target) {
    const TransferOptions options;
    Connection& connection = company().connection();
    QTemporaryDir dir;
    for (auto _ : state) {
        const auto rows = selectTransferRows(connection, options.filterText);
        XlsxWorkbook book;
        write(book, deriveVoucherLines(rows, options, target), options);
        book.save(dir.filePath(QStringLiteral("fis.xlsx")));
    }
}

void BM_LucaVoucher(benchmark::State& state) {
    benchTextVoucher(state, lucaVoucherText, VoucherTarget::Luca);
}

void BM_MikroVoucher(benchmark::State& state) {
    benchTextVoucher(state, mikroVoucherText, VoucherTarget::Mikro);
}

void BM_LogoVoucher(benchmark::State& state) {
    benchTextVoucher(state, logoVoucherText, VoucherTarget::Logo);
}

void BM_NetsisVoucher(benchmark::State& state) {
    benchWorkbookVoucher(state, writeNetsisVoucher, VoucherTarget::Netsis);
}

void BM_FourColumnVoucher(benchmark::State& state) {
    benchWorkbookVoucher(
        state,
        [](WorkbookWriter& book, const std::vector<VoucherLine>& lines, const TransferOptions&) {
            writeFourColumnVoucher(book, lines);
        },
        VoucherTarget::Zirve);
}

} // namespace

BENCHMARK(BM_LucaVoucher)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_MikroVoucher)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogoVoucher)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_NetsisVoucher)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FourColumnVoucher)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
