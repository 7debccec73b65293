#pragma once

#include "base/FormModel.h"
#include "base/GridColumn.h"
#include "referencedata/PublishedFiguresForm.h"
#include "storage/Query.h"

#include <vector>

namespace velkor {

class WindowManager;

/// The reference data window "TVerilerF": the five reference tables in tabs
/// (`PageControl1`), the search in the depreciation rates with the panel that follows its
/// current row, the hidden rebuild of the monthly index table, and the page on which
/// users add published figures.
class ReferenceDataForm {
public:
    /// The tabs of `PageControl1`, in order.
    enum Tab { YiUfeTab, TefeTab, FaizTab, AmortismanTab, YiUfeYeniTab, FiguresTab, HistoryTab };

    ReferenceDataForm(Connection& rates, WindowManager& windows, Prompt& prompt);

    FormModel& form() { return m_form; }
    /// The page that adds published figures and states each table's coverage.
    PublishedFiguresForm& figures() { return m_figures; }

    Query& yiUfeQuery() { return m_yiUfe; }
    Query& tefeQuery() { return m_tefe; }
    Query& faizQuery() { return m_faiz; }
    Query& amortismanQuery() { return m_amortisman; }
    Query& yiUfeYeniQuery() { return m_yiUfeYeni; }

    /// The grid columns of each tab.
    static const std::vector<GridColumn>& yiUfeColumns();
    static const std::vector<GridColumn>& tefeColumns();
    static const std::vector<GridColumn>& faizColumns();
    static const std::vector<GridColumn>& amortismanColumns();
    static const std::vector<GridColumn>& yiUfeYeniColumns();
    /// The derived rate `oran2`: the fraction as a percentage with "0.00 %", empty unless above 0.
    static QString oran2Text(const QVariant& oran);

    /// Selects the first tab.
    void FormCreate();
    /// Opens the rate connection and the datasets and shows the window.
    void open();
    /// "Ara": finds the next depreciation class whose description contains `AraEdit`.
    void AramaYapClick();
    /// "Veritabanı Aktar": rebuilds YI_UFE_Yeni from YI_UFE.
    void DuzeltmeVeritabanAktarButClick();

private:
    void openDatasets();
    /// Shows the current depreciation class in the panel above its grid.
    void showCurrentRate();

    Connection& m_rates;
    WindowManager& m_windows;
    FormModel m_form;
    Query m_yiUfe;
    Query m_tefe;
    Query m_faiz;
    Query m_amortisman;
    Query m_yiUfeYeni;
    PublishedFiguresForm m_figures;
};

} // namespace velkor
