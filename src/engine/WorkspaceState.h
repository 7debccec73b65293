#pragma once

#include "base/FormModel.h"
#include "engine/WorkspaceStateControls.h"

#include <QDate>
#include <optional>
#include <utility>

namespace velkor {

class Workspace;

/// The adjustment date every computation of the workspace starts from.
inline const QDate kAdjustmentDate{2023, 12, 31};

/// The shared part of the workspace window `TSabitKiymetDuzeltmeF`: the company name
/// `Label4`, the adjustment date `HesapTarihiDate` (disabled until "AÇ"), the item
/// list's group filter `SBK_Ana_Combo` and search `AraEdit`, the tab index
/// `DuzeltmePage`. The sheets read the adjustment date from here and ask it to refresh
/// the item list after a save.
class WorkspaceState : public FormModel {
    Q_OBJECT

public:
    /// Indexes of the tabs of `DuzeltmePage` that the item sheets occupy.
    enum Page { FixedAssetPage = 0, StockPage = 1, EquityPage = 2 };

    explicit WorkspaceState(QObject* parent = nullptr);

    /// `HesapTarihAcButClick` ("AÇ"): enables `HesapTarihiDate`.
    void HesapTarihAcButClick();
    /// The reset that starts every "Düzelt": the date becomes 31.12.2023 and is disabled.
    void resetAdjustmentDate();
    /// The date `HesapTarihiDate` shows.
    QDate adjustmentDate() const { return date(ctl::workspace::HesapTarihiDate); }

    /// Shows the company name in `Label4` and the workspace caption with it.
    void setCompanyName(const QString& name);

    /// Re-runs the item list and totals queries (after a save); the workspace installs it.
    void refreshItemList() const;
    void setItemListRefresher(Handler refresher) { m_refresher = std::move(refresher); }

    /// The workspace that owns this state (nullptr while none does).
    Workspace* workspace() const { return m_workspace; }
    void setWorkspace(Workspace* workspace) { m_workspace = workspace; }

private:
    Handler m_refresher;
    Workspace* m_workspace = nullptr;
};

/// The range a date control of the workspace accepts (the date pickers' limits), or
/// nothing when the control has no limits of its own.
std::optional<std::pair<QDate, QDate>> dateRangeOf(const QString& control);
/// Gives every date control of the form that has limits of its own its range, so that
/// the window and the command line refuse the same dates.
void applyDateRanges(FormModel& form);

} // namespace velkor
