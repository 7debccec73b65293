#pragma once

#include "engine/ItemSheetForm.h"

namespace velkor {

class Dataset;

/// How paid-in capital was brought in (radio buttons of `SermayeGroup`, in screen order).
enum class CapitalKind { Cash, InKind, From525, Merger, Division, From549, From522 };

/// The sheet "Özkaynaklar" of the workspace: equity items, every control under its own
/// name (suffix "O"), and the operations its buttons, account list and entry date run.
/// Values travel as the fields' texts; nothing is stored until "Kaydet".
class EquitySheet : public ItemSheetForm {
    Q_OBJECT

public:
    EquitySheet(AppContext& context, WorkspaceState& state, IndexLookup& index, InterestLookup& interest,
                Table& sbkTable, QObject* parent = nullptr);

    /// The main accounts of `DuzeltmeAnaHesapComboO`, in list order.
    static QStringList accountItems();
    /// The edits `Bosalt` empties on this sheet, in the order it empties them.
    static QStringList clearedEdits();
    /// The accounts whose entry date becomes the adjustment date on "Düzelt" (coefficient 1).
    static QStringList accountsCarriedAtAdjustmentDate();
    /// The radio button of each capital kind, in screen order.
    static QStringList capitalKindRadios();

    /// The selected capital kind.
    CapitalKind capitalKind() const;
    /// Selects a capital kind (no handler runs).
    void selectCapitalKind(CapitalKind kind);
    /// Whether the sheet shows paid-in capital: the first list entry "500".
    bool isCapitalAccount() const;

    /// "Düzelt": the date reset, the entry date of carried-forward accounts, `OzkaynakKatsayiBul`.
    void DuzeltButOClick();
    /// The adjustment: index values, coefficient, results and explanation text; false when
    /// an index value was missing (message shown, results emptied).
    bool OzkaynakKatsayiBul();
    /// The account changed: the capital groups are shown only for "500".
    void DuzeltmeAnaHesapComboOChange();
    /// "Kaydet": stores the fields as they are (edit the row of `Kayit_No_EditO`, else append).
    void KaydetButtonOClick();
    /// Loads the current row of the dataset (main accounts 500 and above) without recomputing.
    void DuzeltOzkaynaklar(const Dataset& row);
    /// Leaving `GirisTarihiDateO`: `OzkaynakKatsayiBul` when the registered amount is above 0.
    void GirisTarihiDateOExit();
};

} // namespace velkor
