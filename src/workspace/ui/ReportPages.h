#pragma once

class QWidget;

namespace velkor {

class DatasetGrid;
class Workspace;

/// The tab "Düzelt. Rapor": filter, "Raporu Hazırla", the export and print buttons and
/// the report list grid `SBKGrid`.
QWidget* buildReportPage(Workspace& workspace, QWidget* parent);
/// The tab "Ana Hesap Rap.": the buttons and the totals grid `ToplamGrid`.
QWidget* buildTotalsPage(Workspace& workspace, QWidget* parent);
/// The tab "Yevmiye": filter, "Raporu Hazırla", "Yevmiye Yazdır" and the journal text.
QWidget* buildJournalPage(Workspace& workspace, QWidget* parent);
/// The tab "Muh.Fiş Aktarımı" as it will stand: the options and the five voucher
/// buttons, all disabled until the transfers are available.
QWidget* buildVoucherPage(QWidget* parent);
/// The tab "Kayıt Sil" as it will stand: the four group boxes and the deletion button,
/// disabled until the deletion is available.
QWidget* buildDeletionPage(QWidget* parent);

/// The look of the report grids: 13-pixel font, bold titles, 20-pixel rows.
void styleReportGrid(DatasetGrid& grid);

} // namespace velkor
