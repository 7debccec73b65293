#pragma once

#include "base/FormModel.h"
#include "periods/PeriodReport.h"
#include "periods/PeriodWork.h"
#include "reports/CompanyHeading.h"
#include "spreadsheet/WorkbookHandOver.h"
#include "vouchers/VoucherFiles.h"

#include <functional>
#include <memory>

namespace velkor {

class AppContext;
class IndexLookup;
class PrintService;

/// The tab "Dönem Düzeltmesi" of a later period: its settings and state, the grid of its
/// lines (the columns of the period report, then the inputs the user may change), the
/// editor of the selected line and the buttons "Yeni Kalem", "Hesapla", "Kaydet",
/// "Dönemi Kapat" / "Dönemi Aç", the reports, the journal and the vouchers. Everything is
/// done through PeriodWork; the sheet only keeps the lines as last loaded or computed and
/// the edits not yet saved.
class PeriodSheet : public FormModel {
    Q_OBJECT

public:
    PeriodSheet(AppContext& context, IndexLookup& index, QObject* parent = nullptr);
    ~PeriodSheet() override;

    /// Declares the tab's controls on a form (for "--controls" and the guide).
    static void addControls(FormModel& form);

    /// Shows the period ending at `end` as last saved.
    void openPeriod(const QDate& end);
    /// Whether a period is shown.
    bool hasPeriod() const { return m_view.period.end.isValid(); }
    const PeriodView& view() const { return m_view; }
    /// The company's periods, as the workspace's period choice adds and lists them.
    PeriodWork& work() { return *m_work; }

    /// The grid: its column titles, its rows' cell texts, the control that edits a column
    /// (empty for a column that only shows), and whether a cell may be changed now.
    QStringList gridHeaders() const;
    int rowCount() const { return static_cast<int>(m_view.lines.size()); }
    QStringList rowCells(int row) const;
    QString columnControl(int column) const;
    bool isCellEditable(int row, int column) const;
    /// The user changes a cell: the line is selected and its control set as in the editor.
    void setCell(int row, int column, const QString& text);

    /// Selects a line for the editor (the editor's changes to the line left are taken first).
    void selectLine(int row);
    int selectedRow() const { return m_selected; }
    /// The line with that id, or -1.
    int rowOfLine(qint64 id) const;

    void YeniKalemButClick();
    void KalemEkleButClick();
    void HesaplaButClick();
    void KaydetButClick();
    void DonemKapatButClick();
    void DonemAcButClick();
    void RaporYazButClick();
    /// The saved workbook's path; empty when nothing was saved.
    QString RaporExcelButClick();
    void DonemYevmiyeButClick();
    void DonemYevmiyeYazButClick();
    /// The voucher in the format of `FisCombo`, with the transfer options, dated the period's end.
    VoucherSave FisAktarButClick();

    /// The report chosen in `RaporCombo` over the lines shown.
    PeriodTable chosenReport() const;
    /// The entries of the lines shown, in journal order.
    std::vector<PeriodEntry> entries() const;
    /// The journal text of the lines shown.
    QStringList journalLines() const;

    /// Where the reports and the journal are printed, and the company that heads them.
    void setPrinting(PrintService* service, std::function<CompanyHeading()> company);
    /// The form holding the transfer options the vouchers follow (the workspace's
    /// "Muh.Fiş Aktarımı"); without one the start values apply.
    void setTransferOptions(const FormModel* options) { m_transferOptions = options; }
    /// How saved workbooks are opened (empty: the saved place is told instead).
    void setOpener(FileOpener opener) { m_opener = std::move(opener); }

Q_SIGNALS:
    /// The lines or their texts changed (the grid reads them again).
    void linesChanged();

private:
    void showPeriod();
    void showSettings();
    void updateEnabled();
    void readSettings();
    void showLine(const PeriodLine& line, bool isNew);
    /// Takes the editor's texts into the selected line (or the new line); a text that does
    /// not read throws with the field's name.
    void commitEditor();
    PeriodLine& editedLine();
    bool isNewLine(const PeriodLine& line) const;
    bool isStockLine(const PeriodLine& line) const;
    bool isClosed() const;
    CompanyHeading heading() const;
    void guarded(void (PeriodSheet::*button)());

    AppContext& m_context;
    IndexLookup& m_index;
    std::unique_ptr<PeriodWork> m_work;
    PeriodView m_view;
    int m_selected = -1;
    bool m_editingNew = false;
    PeriodLine m_newLine;
    bool m_dirty = false;
    bool m_showing = false;
    PrintService* m_printService = nullptr;
    std::function<CompanyHeading()> m_company;
    const FormModel* m_transferOptions = nullptr;
    FileOpener m_opener = openWithDesktop;
};

} // namespace velkor
