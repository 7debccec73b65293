#include "storage/Connection.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/Query.h"
#include "storage/Schema.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"
#include "storage/ui/DatasetGrid.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace velkor;

namespace {

constexpr int kItems = 10000;

// A company of 10,000 items, enough columns filled for the list of the workspace.
class ListCompany {
public:
    ListCompany() {
        const QString path = m_dir.filePath(QStringLiteral("LISTE.mdb"));
        createDatabaseFile(path, createCompanySchema);
        m_connection.setConnectionString(QStringLiteral("Data Source=") + path +
                                         QStringLiteral(";Jet OLEDB:Database Password=") + kDatabasePassword);
        m_connection.open();
        static const QStringList accounts{"150", "153", "253", "255", "260", "500", "540", "570"};
        Database& db = m_connection.database();
        Transaction transaction(db);
        Statement insert(db, QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, "
                                            "VUK_Son_Degeri, Duzeltilmis_Tutar, Enflasyon_Farki) "
                                            "VALUES (?,?,?,?,?,?)"));
        for (int i = 0; i < kItems; ++i) {
            insert.reset();
            insert.bindAll(
                {accounts[i % accounts.size()], QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')),
                 QStringLiteral("KALEM %1 İŞLETME DEMİRBAŞI").arg(i), 1000.0 + i, 2500.0 + i, 1500.0});
            insert.run();
        }
        transaction.commit();
    }
    Connection& connection() { return m_connection; }

private:
    QTemporaryDir m_dir;
    Connection m_connection{QStringLiteral("listConnection")};
};

ListCompany& company() {
    static ListCompany instance;
    return instance;
}

std::vector<GridColumn> listColumns() {
    return {{QStringLiteral("anahesapkodu"), QStringLiteral("Ana H.")},
            {QStringLiteral("sbk_kodu"), QStringLiteral("Alt Hesap")},
            {QStringLiteral("sbk_adi"), QStringLiteral("Adı")}};
}

// Opening the list as the workspace does: the statement run, the rows read, the grid shown.
void BM_ItemList_OpenWithGrid(benchmark::State& state) {
    Query list(company().connection());
    list.setSql(
        {QStringLiteral("SELECT * FROM sabit_kiymet"), QStringLiteral("ORDER BY anahesapkodu, sbk_kodu")});
    DatasetGrid grid(list, listColumns());
    grid.resize(260, 640);
    grid.show();
    for (auto _ : state) {
        list.close();
        list.open();
        grid.viewport()->repaint();
    }
    state.counters["rows"] = list.recordCount();
}
BENCHMARK(BM_ItemList_OpenWithGrid)->Unit(benchmark::kMillisecond);

// One page of scrolling: the view moves a screenful and paints the new rows.
void BM_ItemList_ScrollPage(benchmark::State& state) {
    Query list(company().connection());
    list.setSql(
        {QStringLiteral("SELECT * FROM sabit_kiymet"), QStringLiteral("ORDER BY anahesapkodu, sbk_kodu")});
    list.open();
    DatasetGrid grid(list, listColumns());
    grid.resize(260, 640);
    grid.show();
    QScrollBar* bar = grid.verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        grid.viewport()->repaint();
    }
}
BENCHMARK(BM_ItemList_ScrollPage)->Unit(benchmark::kMicrosecond);

// The cursor walking the list row by row, as the search and the arrow keys move it.
void BM_ItemList_CursorStep(benchmark::State& state) {
    Query list(company().connection());
    list.setSql(
        {QStringLiteral("SELECT * FROM sabit_kiymet"), QStringLiteral("ORDER BY anahesapkodu, sbk_kodu")});
    list.open();
    DatasetGrid grid(list, listColumns());
    grid.resize(260, 640);
    grid.show();
    for (auto _ : state) {
        if (list.recNo() >= list.recordCount())
            list.first();
        else
            list.next();
        grid.viewport()->repaint();
    }
}
BENCHMARK(BM_ItemList_CursorStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
