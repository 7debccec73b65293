#pragma once

#include "base/ShownError.h"
#include "import/ImportGrid.h"

#include <QDate>
#include <QVariant>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace velkor {

class Database;
class IndexLookup;
class Table;

/// An import stopped on a grid row; nothing of it was written.
class ImportStopped : public ShownError {
public:
    using ShownError::ShownError;
};

/// What the mapping controls say: 1-based grid columns (0 for none), the rows to walk and
/// the choices.
struct ImportOptions {
    int mainColumn = 0;
    int subColumn = 0;
    int nameColumn = 0;
    int dateColumn = 0;
    int debitColumn = 0;
    int creditColumn = 0;
    int lifeColumn = 0;
    int methodColumn = 0;
    int depreciationColumn = 0;
    int depreciationAccountColumn = 0;
    int firstRow = 0;
    int lastRow = 0;
    bool fullCode = false;            ///< `ilkUcHarfCheck`
    bool mainFromCombo = false;       ///< `AnaHesapBurdanCheck`
    QString comboAccount;             ///< `SBK_Ana_Combo`
    bool creditInDebitColumn = false; ///< `BorcAlacakBuCheck`
    bool skipFixedAssets = false;     ///< `SabitKiymetAktarmaCheck`
    bool skipStocks = false;          ///< `StoklarAktarmaCheck`
    bool stocksSimpleAverage = false; ///< `StoklarBasitOrtalamaCheck`
    std::optional<QDate> revaluation; ///< `MDVDCombo` when it shows a date
};

/// The validation message for the options, or empty text when they may be imported.
QString validationMessage(const ImportOptions& options);

/// One item to create: the grid row it comes from, the columns of `sabit_kiymet` with
/// their values, and for the columns copied from the grid the grid column they came from.
struct ImportedItem {
    int gridRow = 0;
    std::vector<std::pair<QString, QVariant>> values;
    std::vector<std::pair<QString, int>> sources;
};

/// Called after each walked or written row with the count done and the total.
using ImportProgress = std::function<void(int done, int total)>;

/// The adjustment of grid rows into items on the way in: every suitable row of the grid
/// becomes one item, adjusted to the adjustment date with the Yİ-ÜFE values of the index
/// table. prepare() computes all of them first and stops on the first row it cannot
/// adjust (a bad date, a missing index month), naming the row and column; write() then
/// appends them in one transaction, so that a stop leaves the item table as it was.
class ItemImport {
public:
    ItemImport(IndexLookup& index, const QDate& adjustmentDate);

    /// The items of the rows from the first to the last row (at most the grid's last
    /// row); throws ImportStopped.
    std::vector<ImportedItem> prepare(const ImportGrid& grid, const ImportOptions& options,
                                      const ImportProgress& progress = {});
    /// Appends the items to the item table in one transaction on its database; a refused
    /// value rolls everything back and throws ImportStopped naming the row and column.
    static void write(Table& table, Database& db, const std::vector<ImportedItem>& items,
                      const ImportProgress& progress = {});

private:
    double requireIndex(int key, int gridRow, int gridColumn);

    IndexLookup& m_index;
    QDate m_adjustmentDate;
    std::map<int, std::optional<double>> m_indexes;
};

/// "Aktarım durduruldu; hiçbir kayıt aktarılmadı." under the reason and the place.
QString importStopMessage(const QString& reason, int gridRow, int gridColumn);

} // namespace velkor
