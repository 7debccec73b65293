#pragma once

#include "engine/ItemSheetForm.h"

namespace velkor {

class Dataset;

/// How the base month of a stock item is found (group "Hesaplama Yöntemi").
enum class StockMethod { Real, SimpleAverage, Turnover };

/// The sheet "Stok ve Diğer" of the workspace: stocks and the other non-monetary items,
/// every control under its own name (suffix "S"), and the operations its buttons, radio
/// buttons, account list and entry date run. Values travel as the fields' texts; nothing
/// is stored until "Kaydet".
class StockSheet : public ItemSheetForm {
    Q_OBJECT

public:
    StockSheet(AppContext& context, WorkspaceState& state, IndexLookup& index, InterestLookup& interest,
               Table& sbkTable, QObject* parent = nullptr);

    /// The main accounts of `DuzeltmeAnaHesapComboS`, in list order.
    static QStringList accountItems();
    /// The financing methods of `ROFMRadioS`.
    static QStringList financingMethods();
    /// The edits `Bosalt` empties on this sheet, in the order it empties them.
    static QStringList clearedEdits();
    /// The nine financing fields that the simple-average and turnover methods empty.
    static QStringList financingFields();

    /// The selected calculation method.
    StockMethod method() const;
    /// Selects a method and shows the turnover group only for "Devir Hızı" (no handler runs).
    void selectMethod(StockMethod method);
    /// Whether the selected account allows "Basit Ortalama" and "Devir Hızı" (its first eight entries).
    bool accountAllowsAveraging() const;
    /// Whether the selected account allows a financing cost (its first sixteen entries).
    bool accountAllowsFinancing() const;

    /// "Düzelt": the date reset, the financing step where it applies, `StokKatsayiBul`.
    void DuzeltButSClick();
    /// The adjustment: base month by the method, index values, coefficient, results and
    /// explanation text; false when an index value was missing (message shown, results emptied).
    bool StokKatsayiBul();
    /// The turnover rate and days in stock; the entry and base dates become the
    /// adjustment date less those days. False when it stopped with a message.
    bool DevirHiziHesapla();
    /// "Devir Hızı Hesapla": the turnover, only with "Devir Hızı" selected.
    void JvXPButton1Click();
    /// "Borç Tutarına Göre" for stocks; false when it did not run or stopped.
    bool BorcTutarROFMStok();
    /// "Toplam Finansman" for stocks; false when it did not run or stopped.
    bool ToplamFinansmanROFMStok();
    /// "ROFM Hesapla": the selected financing method (none for "Birden Fazla Faiz").
    void ROFMHesaplaSClick();
    /// "Kaydet": stores the fields as they are (edit the row of `Kayit_No_EditS`, else append);
    /// nothing after a "Düzelt" that stopped with a message.
    void KaydetButtonSClick();
    /// Loads the current row of the dataset (main accounts outside 250 to 268) without recomputing.
    void DuzeltStok(const Dataset& row);
    /// Leaving `GirisTarihiDateS`: `StokKatsayiBul` when the book value is above 0.
    void GirisTarihiDateSExit();

    /// A method radio button was chosen: the turnover group follows it, and the
    /// averaging methods fall back to "Gerçek Yöntem" for accounts that do not allow them.
    void methodChosen(StockMethod chosen);
    /// `DuzeltmeAnaHesapComboS` changed: the method and financing rules of the account.
    void DuzeltmeAnaHesapComboSChange();

private:
    /// The financing step of "Düzelt" where it applies; false when it stopped with a message.
    bool runFinancingStep();
    void emptyFields(const QStringList& names);

    /// The last "Düzelt" stopped with a message: "Kaydet" stores nothing until one succeeds.
    bool m_stopped = false;
};

} // namespace velkor
