#include "base/ProgressWindow.h"
#include "base/ScriptedPrompt.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "engine/IndexLookup.h"
#include "engine/WorkspaceState.h"
#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"
#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "spreadsheet/WorkbookReader.h"
#include "storage/AppContext.h"
#include "storage/Installation.h"
#include "storage/Table.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace velkor;

namespace {

namespace ie = ctl::excelimport;

QString book(const char* name) {
    return QStringLiteral(VELKOR_BENCH_DIR "/data/") + QString::fromUtf8(name);
}

// An installation with the shipped reference tables, one company and the import window
// mapped to the columns of the bench workbooks (full codes in column 1).
class ImportBench {
public:
    ImportBench() {
        ensureInstallation(m_dir.path());
        setInstallationFolder(m_dir.path());
        m_context = std::make_unique<AppContext>(m_dir.path() + QLatin1Char('/'), m_prompt);
        m_context->OpenSharedConnections();
        CompanyRegistry registry(*m_context);
        registry.yeniFirma();
        registry.form().setText(ctl::registration::KoduEdit, QStringLiteral("B1"));
        registry.form().setText(ctl::registration::FirmaAdiEdit, QStringLiteral("Bench"));
        registry.dosyaac();
        m_index = std::make_unique<IndexLookup>(m_context->rates());
        m_table = std::make_unique<Table>(m_context->company(), QStringLiteral("sabit_kiymet"));
        m_windows.addWindow(windows::kExcelImport);
        m_windows.addWindow(windows::kProgress);
        m_form =
            std::make_unique<ExcelImportForm>(*m_context, m_state, *m_index, *m_table, m_progress, m_windows);
        const QStringList values{"1", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        const QStringList edits{
            ie::AnaHesapE,   ie::AlHesapKodE, ie::HesapAdiEdit, ie::GirisTarihiE,        ie::KayitliTutarE,
            ie::PasifTutarE, ie::AmortSureE,  ie::AmortYontemE, ie::BirikmisAmortismanE, ie::AmortHesapEdit};
        for (int i = 0; i < edits.size(); ++i)
            m_form->setText(edits[i], values[i]);
        m_form->setChecked(ie::ilkUcHarfCheck, true);
    }
    ~ImportBench() { setInstallationFolder({}); }

    ExcelImportForm& form() { return *m_form; }
    IndexLookup& index() { return *m_index; }
    Table& table() { return *m_table; }
    WorkspaceState& state() { return m_state; }
    void clearItems() {
        m_context->company().database().exec(QStringLiteral("DELETE FROM sabit_kiymet"));
        m_table->close();
        m_table->open();
    }

private:
    QTemporaryDir m_dir;
    ScriptedPrompt m_prompt;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<IndexLookup> m_index;
    std::unique_ptr<Table> m_table;
    WorkspaceState m_state;
    WindowManager m_windows;
    ProgressWindow m_progress{m_windows};
    std::unique_ptr<ExcelImportForm> m_form;
};

ImportBench& bench() {
    static ImportBench instance;
    return instance;
}

void BM_ReadWorkbook(benchmark::State& state, const char* name) {
    for (auto _ : state) {
        const WorkbookGrid grid = readWorkbook(book(name));
        benchmark::DoNotOptimize(grid.rowCount());
    }
}
BENCHMARK_CAPTURE(BM_ReadWorkbook, xlsx, "items6500.xlsx")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ReadWorkbook, ods, "items6500.ods")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ReadWorkbook, xls, "items6500.xls")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The baseline: the rows already adjusted, only appended in one transaction.
void BM_InsertItemsOnly(benchmark::State& state) {
    ImportBench& b = bench();
    b.form().loadWorkbook(book("items6500.xlsx"));
    b.state().resetAdjustmentDate();
    ItemImport import(b.index(), b.state().adjustmentDate());
    const std::vector<ImportedItem> items = import.prepare(b.form().grid(), b.form().options());
    for (auto _ : state) {
        ItemImport::write(b.table(), b.table().connection().database(), items);
        state.PauseTiming();
        b.clearItems();
        state.ResumeTiming();
    }
    state.counters["items"] = static_cast<double>(items.size());
}
BENCHMARK(BM_InsertItemsOnly)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The whole import as "Aktar" runs it: reading the workbook into the grid, adjusting
// every row and appending the items in one transaction.
void BM_ImportWorkbook(benchmark::State& state, const char* name) {
    ImportBench& b = bench();
    int created = 0;
    for (auto _ : state) {
        b.form().loadWorkbook(book(name));
        b.form().setText(ie::BasSatirE, QStringLiteral("2"));
        b.state().resetAdjustmentDate();
        created = b.form().Import().value_or(-1);
        state.PauseTiming();
        b.clearItems();
        state.ResumeTiming();
    }
    state.counters["items"] = created;
}
BENCHMARK_CAPTURE(BM_ImportWorkbook, xlsx, "items6500.xlsx")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ImportWorkbook, ods, "items6500.ods")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ImportWorkbook, xls, "items6500.xls")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
