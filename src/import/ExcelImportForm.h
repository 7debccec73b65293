#pragma once

#include "base/FormModel.h"
#include "import/ImportGrid.h"
#include "import/ItemImport.h"

namespace velkor {

class AppContext;
class IndexLookup;
class ProgressWindow;
class Table;
class WindowManager;
class WorkspaceState;

/// The import window `TExcelVeriAktarF`: the grid `StringGrid1` that a workbook's first
/// sheet is read into, the mapping edits saying which grid column holds which value, the
/// rows to import, the choices, and "Düzeltme Yaparak Kayıtlara Aktar", which creates one
/// adjusted item per suitable grid row in the workspace's item table, all of them or none.
/// The column edits and the boxes are kept in "ExcelAktarAyar.ini", read when the window
/// is created.
class ExcelImportForm : public FormModel {
    Q_OBJECT

public:
    /// "Aktarma bitti: aktarılacak uygun satır bulunamadı, kayıt aktarılmadı."
    static QString nothingImportedMessage();
    /// The open dialog's filter: every format the import reads, then each one alone.
    static const QString& workbookFilter();
    /// The main accounts `SBK_Ana_Combo` offers.
    static const QStringList& mainAccounts();
    /// The entries of `MDVDCombo`: "MDVD Yok" and the revaluation dates.
    static const QStringList& revaluationDates();

    ExcelImportForm(AppContext& context, WorkspaceState& workspace, IndexLookup& index, Table& itemTable,
                    ProgressWindow& progress, WindowManager& windows, QObject* parent = nullptr);

    const ImportGrid& grid() const { return m_grid; }
    /// The user edits a grid cell.
    void setGridCell(int column, int row, const QString& text);

    /// "Excel'den Alınacak Veri Dosyasını aç": asks for a workbook and reads it into the grid.
    void ExcelVerialButClick();
    /// Reads the first sheet of a workbook into the grid; a workbook that cannot be read
    /// shows its message and leaves an empty grid. Returns whether it was read.
    bool loadWorkbook(const QString& path);
    /// "Düzeltme Yaparak Kayıtlara Aktar": resets the adjustment date, asks, writes the
    /// settings and imports.
    void KayitAktarButClick();
    /// The import itself; the number of items created, or nothing when it stopped (its
    /// message shown, nothing written).
    std::optional<int> Import();
    /// "Sıra Numarala": numbers the header row and column again.
    void SiraNumaraButClick();
    /// "KAPAT".
    void JvXPButton5Click();

    /// Whether the grid holds a workbook that was read.
    bool hasWorkbook() const { return m_loaded; }
    /// The items the last import created (0 when it stopped).
    int lastImportCount() const { return m_lastCount; }
    /// The path of the settings file.
    QString settingsPath() const;
    /// Called while a long import runs so that the progress window is repainted.
    void setRepaint(Handler repaint) { m_repaint = std::move(repaint); }
    /// Called with true when an import starts and false when it ends, however it ends
    /// (the window shows the hourglass cursor meanwhile).
    void setBusy(std::function<void(bool)> busy) { m_busy = std::move(busy); }

    /// The options the controls say, the columns read against the grid.
    ImportOptions options() const;

Q_SIGNALS:
    /// The grid's size or texts changed as a whole.
    void gridChanged();

private:
    void clearOther(const QString& ticked, const QString& other);
    void showProgress(int done, int total, bool writing);

    AppContext& m_context;
    WorkspaceState& m_workspace;
    IndexLookup& m_index;
    Table& m_itemTable;
    ProgressWindow& m_progress;
    WindowManager& m_windows;
    ImportGrid m_grid;
    Handler m_repaint;
    std::function<void(bool)> m_busy;
    int m_lastCount = 0;
    bool m_loaded = false;
    qint64 m_startedAt = 0;
    qint64 m_lastRepaint = 0;
    int m_shownElapsed = -1;
    QString m_elapsedText;
};

} // namespace velkor
