#pragma once

#include "engine/ItemSheetForm.h"

namespace velkor {

class Dataset;
struct FinancingFields;

/// The fixed-asset sheet "Sabit Kıymetler" of the workspace: every control under its
/// own name, and the operations its buttons, edits and date run. Values travel as the
/// fields' texts; nothing is stored until "Kaydet".
class FixedAssetSheet : public ItemSheetForm {
    Q_OBJECT

public:
    FixedAssetSheet(AppContext& context, WorkspaceState& state, IndexLookup& index, InterestLookup& interest,
                    Table& sbkTable, QObject* parent = nullptr);

    /// The main accounts of `DuzeltmeAnaHesapCombo`.
    static QStringList accountItems();
    /// The depreciation methods of `AmortYontemCombo`.
    static QStringList depreciationMethods();
    /// The revaluation dates of `MDVDCombo`.
    static QStringList revaluationDates();
    /// The financing methods of `ROFMRadio`.
    static QStringList financingMethods();
    /// The edits `Bosalt` empties, in the order it empties them.
    static QStringList clearedEdits();

    /// "Düzelt": the date reset (not for "258"), the financing step, `YeniKatsayiBul`.
    void DuzeltButClick();
    /// The adjustment: base month, index values, coefficient, results and explanation
    /// text; false when an index value was missing (message shown, results emptied).
    bool YeniKatsayiBul();
    /// "Kaydet": the financing step and `YeniKatsayiBul`, then the row is edited or appended.
    void KaydetButtonClick();
    /// Loads the current row of the dataset (main accounts 250 to 268) without recomputing.
    void Duzelt(const Dataset& row);
    /// The useful life changed: "5" when not positive, else the rate and write-off date.
    void AmortSureEditChange();
    /// The method text changed: shorter than two characters becomes "Normal".
    void AmortYontemComboChange();
    /// "Amortisman Hesapla": the accumulated depreciation from K, N and the method.
    void AmortHesaplaButClick();
    /// "Borç Tutarına Göre" financing cost; false when it stopped with a message.
    bool BorcTutarROFM();
    /// "Toplam Finansman" financing cost; false when it stopped with a message.
    bool ToplamFinansmanROFM();
    /// "ROFM Hesapla": runs the selected financing method (none for "Birden Fazla Faiz").
    void ROFMHesaplaClick();
    /// Leaving `GirisTarihiDate`: `YeniKatsayiBul` when the book value is above 0.
    void GirisTarihiDateExit();

    /// The revaluation sentence of the last computation or load (empty with "MDVD Yok").
    const QString& revaluationSentence() const { return m_revaluationSentence; }
    void setRevaluationSentence(const QString& sentence) { m_revaluationSentence = sentence; }

private:
    /// The financing step of "Düzelt" and "Kaydet" where its inputs are present; false
    /// when it stopped with a message.
    bool runFinancingStep();
    /// Runs a financing computation from the revaluation date when there is one, then the
    /// unamortised part; false when it stopped with a message.
    bool runFinancing(bool (*compute)(FormModel&, const FinancingFields&, FinancingContext&));
    void unamortisedFinancing();
    void clearResults();

    QString m_revaluationSentence;
};

} // namespace velkor
