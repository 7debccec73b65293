#pragma once

class QWidget;

namespace velkor {

class DatasetGrid;
class Prompt;
class TransferSheet;
class Workspace;

/// The tab "Düzelt. Rapor": filter, "Raporu Hazırla", the export and print buttons and
/// the report list grid `SBKGrid`.
QWidget* buildReportPage(Workspace& workspace, QWidget* parent);
/// The tab "Ana Hesap Rap.": the buttons and the totals grid `ToplamGrid`.
QWidget* buildTotalsPage(Workspace& workspace, QWidget* parent);
/// The tab "Yevmiye": filter, "Raporu Hazırla", "Yevmiye Yazdır" and the journal text.
QWidget* buildJournalPage(Workspace& workspace, QWidget* parent);
/// The tab "Muh.Fiş Aktarımı": the transfer options and the five voucher buttons, bound
/// to the transfer sheet.
QWidget* buildVoucherPage(TransferSheet& sheet, Prompt& prompt, QWidget* parent);
/// The tab "Kayıt Sil": the four group boxes and "Toplu Grup Kayıtları Sil", bound to the
/// workspace's record deletion.
QWidget* buildDeletionPage(Workspace& workspace, Prompt& prompt, QWidget* parent);

/// The look of the report grids: 13-pixel font, bold titles, 20-pixel rows.
void styleReportGrid(DatasetGrid& grid);

} // namespace velkor
