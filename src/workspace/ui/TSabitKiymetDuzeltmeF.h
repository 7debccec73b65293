#pragma once

#include "base/ui/FormWindow.h"

class QSplitter;
class QTabWidget;

namespace velkor {

class DatasetGrid;
class Workspace;

/// The adjustment workspace window: the company and the adjustment date on top, the item
/// list "DÜZELTME HESAPLARI" on the left behind a movable splitter, and the eight tabs of
/// `DuzeltmePage` on the right. Each sheet tab is bound to its sheet's form model, the
/// rest to the workspace's state.
class TSabitKiymetDuzeltmeF : public FormWindow {
    Q_OBJECT

public:
    TSabitKiymetDuzeltmeF(Workspace& workspace, WindowManager& windows, Prompt& prompt,
                          QWidget* parent = nullptr);

    /// The item list `SBKListeGrid`.
    DatasetGrid* itemList() const { return m_list; }

private:
    QWidget* buildTopBar();
    QWidget* buildItemList();
    /// After a save the list stands on the saved row when the filter shows it.
    void followSavedItems();
    void showListMenu(const QPoint& at);
    /// Shows the tab "Dönem Düzeltmesi" alone for a later period, the sheets of 31.12.2023 otherwise.
    void showChosenPeriod();

    Workspace& m_workspace;
    DatasetGrid* m_list = nullptr;
    QTabWidget* m_tabs = nullptr;
    QSplitter* m_splitter = nullptr;
    qint64 m_savedId = 0;
    int m_periodTab = -1;
};

} // namespace velkor
