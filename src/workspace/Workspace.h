#pragma once

#include "engine/IndexLookup.h"
#include "engine/InterestLookup.h"
#include "engine/WorkspaceState.h"
#include "reports/CompanyHeading.h"
#include "storage/AppContext.h"
#include "storage/Query.h"
#include "storage/Table.h"

#include <memory>

namespace velkor {

class FixedAssetSheet;
class StockSheet;
class EquitySheet;
class JournalSheet;
class ReportSheet;
class PrintService;
class TransferSheet;
class RecordDeletion;
class PeriodSheet;

/// The sheet that opens an item of the list, by its main account.
enum class ItemSheet { None, FixedAsset, Stock, Equity };

/// What opening a list row does: whether the three sheets are cleared first and which
/// sheet loads the row.
struct ItemRoute {
    bool clear = false;
    ItemSheet sheet = ItemSheet::None;
};

/// The route of a row by its `anahesapkodu` text: closing and depreciation accounts
/// ("178", "358", "257", "268", 600 and above) open nothing; every other row clears the
/// sheets and opens in the fixed-asset (250-267), stock or equity sheet, or in none.
ItemRoute routeOfAccount(const QString& mainAccount);

/// The adjustment workspace `TSabitKiymetDuzeltmeF` as the GUI and the CLI use it: the
/// shared state, the three item sheets, the index and interest lookups, the item list
/// `SBKQuery`, the item table `SBKTable` and the totals `ToplamQuery` on the company
/// connection.
///
/// Every sheet is a FormModel constructed as
/// `(AppContext&, WorkspaceState&, IndexLookup&, InterestLookup&, Table& sbkTable)`;
/// its load (`Duzelt`, `DuzeltStok`, `DuzeltOzkaynaklar`) takes the dataset whose
/// current row it loads (`const Dataset&`, the item list), and its saves call
/// `WorkspaceState::refreshItemList()`. The workspace installs the "Yeni" buttons
/// (`YeniBut`, `YeniButS`, `YeniButO`) as `Bosalt`.
class Workspace {
public:
    /// Builds the sheets and registers the state in the context as "TSabitKiymetDuzeltmeF".
    explicit Workspace(AppContext& context);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    AppContext& context() { return m_context; }
    WorkspaceState& state() { return m_state; }
    FixedAssetSheet& fixedAssets() { return *m_fixed; }
    StockSheet& stocks() { return *m_stock; }
    EquitySheet& equity() { return *m_equity; }
    /// The voucher transfer tab "Muh.Fiş Aktarımı".
    TransferSheet& transfer() { return *m_transfer; }
    IndexLookup& indexLookup() { return m_index; }
    InterestLookup& interestLookup() { return m_interest; }
    Table& SBKTable() { return m_sbkTable; }
    Query& SBKQuery() { return m_sbkQuery; }
    Query& ToplamQuery() { return m_toplamQuery; }
    /// The report and main-account sheets ("Düzelt. Rapor", "Ana Hesap Rap.") on the state.
    ReportSheet& reports() { return *m_reports; }
    /// The journal sheet ("Yevmiye") on the state.
    JournalSheet& journal() { return *m_journal; }
    /// The tab "Kayıt Sil" and the list's "Kayıt Sil" item.
    RecordDeletion& deletion() { return *m_deletion; }
    /// The tab "Dönem Düzeltmesi" of the later period chosen in `DuzeltmeDonemiCombo`.
    PeriodSheet& period() { return *m_period; }

    /// The later period chosen in "Düzeltme Dönemi", or an invalid date while the choice is
    /// "31.12.2023" (the three sheets of the base period).
    QDate chosenPeriod() const { return m_chosenPeriod; }
    /// The user chooses a period by its end ("31.12.2023" or a later month end): a period
    /// of the company opens in the tab "Dönem Düzeltmesi"; one not yet added is added with
    /// its questions first, and the choice goes back when the user declines.
    void choosePeriod(const QString& text);
    /// Offers "31.12.2023", the company's later periods and the usual 2024 period ends.
    void refreshPeriodChoice();

    /// Opening the window: `Bosalt`, the company connection and the datasets opened when
    /// closed (the list with the SQL it last had), the first tab selected.
    void open();
    /// Rebuilds the list for the group of `SBK_Ana_Combo` (codes bound, not pasted) and
    /// reopens the totals.
    void ListeYenile();
    /// "Ara": the next list row whose `sbk_adi` contains the text of `AraEdit`.
    bool AramaYapClick();
    /// Empties the inputs of the three sheets and their explanation texts.
    void Bosalt();
    /// Opens the current row of the list in the sheet of its account.
    void Dzelt1Click();
    /// Moves the list to the row with that `id` (the list shows all groups when the
    /// filter hides it) and opens it as `Dzelt1Click`; false when there is no such row.
    bool openItem(qint64 id);

    /// Where the "Yazdır" buttons of the three sheets (`YazSBKBut`, `DigerYazBut`,
    /// `OzkaynakYazBut`) send their explanation texts; the GUI's preview or a PDF writer.
    /// The report and journal sheets print there too.
    void setPrintService(PrintService* service);
    PrintService* printService() const { return m_printService; }
    /// The registry's heading of the company the company connection points at.
    CompanyHeading companyHeading();

private:
    void clearFields(FormModel& sheet, const QStringList& edits, const QString& rich);

    AppContext& m_context;
    WorkspaceState m_state;
    IndexLookup m_index;
    InterestLookup m_interest;
    Table m_sbkTable;
    Query m_sbkQuery;
    Query m_toplamQuery;
    std::unique_ptr<FixedAssetSheet> m_fixed;
    std::unique_ptr<StockSheet> m_stock;
    std::unique_ptr<EquitySheet> m_equity;
    std::unique_ptr<ReportSheet> m_reports;
    std::unique_ptr<JournalSheet> m_journal;
    PrintService* m_printService = nullptr;
    std::unique_ptr<TransferSheet> m_transfer;
    std::unique_ptr<RecordDeletion> m_deletion;
    std::unique_ptr<PeriodSheet> m_period;
    QDate m_chosenPeriod;
};

} // namespace velkor
