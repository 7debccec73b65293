#include "import/ExcelImportForm.h"

#include "base/ProgressWindowControls.h"

#include "base/ProgressWindow.h"
#include "base/TextHelpers.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "engine/WorkspaceState.h"
#include "import/ExcelImportFormControls.h"
#include "import/ImportSettings.h"
#include "spreadsheet/WorkbookReader.h"
#include "storage/AppContext.h"
#include "storage/Table.h"

#include <QDateTime>
#include <QDir>
#include <QTime>

namespace velkor {

using namespace ctl::excelimport;

namespace {

const QString kMdvdNone = QStringLiteral("MDVD Yok");
constexpr qint64 kRepaintMs = 50;

} // namespace

QString ExcelImportForm::nothingImportedMessage() {
    return QStringLiteral("Aktarma bitti: aktarılacak uygun satır bulunamadı, kayıt aktarılmadı.");
}

const QString& ExcelImportForm::workbookFilter() {
    static const QString filter =
        QStringLiteral("Tablo Dosyaları (*.xlsx *.xls *.ods *.csv)|*.xlsx;*.xls;*.ods;*.csv|"
                       "Excel Dosyaları (*.xlsx)|*.xlsx|"
                       "Excel 97-2003 Dosyaları (*.xls)|*.xls|"
                       "OpenDocument Hesap Tabloları (*.ods)|*.ods|"
                       "CSV Dosyaları (*.csv)|*.csv");
    return filter;
}

const QStringList& ExcelImportForm::mainAccounts() {
    static const QStringList accounts = QStringLiteral("250 251 252 253 254 255 256 258 259 260 261 262 263 "
                                                       "264 267 150 151 152 153 154 155 156 157 159 240 "
                                                       "242 243 245 246 271 272 278 110 170 180 280 294 340 "
                                                       "350 380 381 440 480 500 540 541 542 549 570 580 "
                                                       "126 226 326 426")
                                            .split(QLatin1Char(' '));
    return accounts;
}

const QStringList& ExcelImportForm::revaluationDates() {
    static const QStringList dates{kMdvdNone,
                                   QStringLiteral("31.12.2004"),
                                   QStringLiteral("30.04.2018"),
                                   QStringLiteral("31.05.2021"),
                                   QStringLiteral("31.12.2021"),
                                   QStringLiteral("31.12.2022"),
                                   QStringLiteral("30.09.2023")};
    return dates;
}

ExcelImportForm::ExcelImportForm(AppContext& context, WorkspaceState& workspace, IndexLookup& index,
                                 Table& itemTable, ProgressWindow& progress, WindowManager& windows,
                                 QObject* parent)
    : FormModel(windows::kExcelImport, parent), m_context(context), m_workspace(workspace), m_index(index),
      m_itemTable(itemTable), m_progress(progress), m_windows(windows) {
    setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Excel Veri Aktarma"));
    addLabel(UyariLabel, QStringLiteral("AKTARILACAK EXCEL DOSYASI TEK SAYFADAN OLUŞMALI VE \"#SAYI/0!\" "
                                        "BENZERİ HATA UYARISI İÇERMEMELİDİR."));
    addLabel(SayfaLabel);
    addEdit(AnaHesapE, QStringLiteral("1"), QStringLiteral("Ana Hesap"));
    addEdit(AlHesapKodE, QStringLiteral("1"), QStringLiteral("Alt Hesap Kodu"));
    addEdit(HesapAdiEdit, QStringLiteral("2"), QStringLiteral("Hesap Adı"));
    addEdit(GirisTarihiE, QStringLiteral("3"), QStringLiteral("GirişTarihi"));
    addEdit(KayitliTutarE, QStringLiteral("4"), QStringLiteral("Borç Tutarı (Aktif)"));
    addEdit(PasifTutarE, QStringLiteral("5"), QStringLiteral("Alacak Tut. (Pasif)"));
    addEdit(AmortSureE, QStringLiteral("6"), QStringLiteral("Amortisman Süre"));
    addEdit(AmortYontemE, QStringLiteral("7"), QStringLiteral("Amortisman Yöntemi"));
    addEdit(BirikmisAmortismanE, QStringLiteral("8"), QStringLiteral("Birikmiş Amortismanı"));
    addEdit(AmortHesapEdit, QStringLiteral("9"), QStringLiteral("Amortisman Hesap No"));
    addEdit(BasSatirE, QStringLiteral("2"), QStringLiteral("Başlama Satırı"));
    addEdit(BitSatirE, QStringLiteral("5"), QStringLiteral("Bitiş Satırı"));
    addCheck(ilkUcHarfCheck, false, QStringLiteral("İlk Üç Harfi Ana Hesap Kodu Kalanı Alt Hesap Kodu"));
    addCheck(AnaHesapBurdanCheck, false, QStringLiteral("Ana Hesap Kodu Buradan"));
    addCombo(SBK_Ana_Combo, mainAccounts(), QStringLiteral("250"), QStringLiteral("Ana Hesap"));
    setListOnly(SBK_Ana_Combo, true);
    addCheck(BorcAlacakBuCheck, false,
             QStringLiteral("Borç/Alacak Bu Sütunda (Alacak \"-\" [eksi] İşaretli)"));
    addCheck(SabitKiymetAktarmaCheck, false, QStringLiteral("Sabit Kıymetleri Aktarma"));
    addCheck(StoklarAktarmaCheck, false, QStringLiteral("Stokları Aktarma"));
    addCheck(StoklarBasitOrtalamaCheck, false, QStringLiteral("Stokları Basit Ortalamadan Hesapla"));
    addCombo(MDVDCombo, revaluationDates(), kMdvdNone, QStringLiteral("Son MDVD Tarihi"));
    setListOnly(MDVDCombo, true);
    addButton(ExcelVerialBut, QStringLiteral("Excel'den Alınacak Veri Dosyasını aç"));
    addButton(KayitAktarBut, QStringLiteral("Düzeltme Yaparak Kayıtlara Aktar"));
    addButton(SiraNumaraBut, QStringLiteral("Sıra Numarala"));
    addButton(JvXPButton5, QStringLiteral("KAPAT"));

    onClick(ExcelVerialBut, [this] { ExcelVerialButClick(); });
    onClick(KayitAktarBut, [this] { KayitAktarButClick(); });
    onClick(SiraNumaraBut, [this] { SiraNumaraButClick(); });
    onClick(JvXPButton5, [this] { JvXPButton5Click(); });
    onLeave(ilkUcHarfCheck, [this] { clearOther(ilkUcHarfCheck, AnaHesapBurdanCheck); });
    onLeave(AnaHesapBurdanCheck, [this] { clearOther(AnaHesapBurdanCheck, ilkUcHarfCheck); });

    importsettings::load(*this, settingsPath());
}

QString ExcelImportForm::settingsPath() const {
    return m_context.home() + importsettings::kFileName;
}

void ExcelImportForm::clearOther(const QString& ticked, const QString& other) {
    if (isChecked(ticked))
        setChecked(other, false);
}

void ExcelImportForm::setGridCell(int column, int row, const QString& text) {
    m_grid.setCell(column, row, text);
}

void ExcelImportForm::ExcelVerialButClick() {
    m_grid.reset(3, 3);
    m_loaded = false;
    setText(SayfaLabel, QString());
    const QString current = QDir::currentPath();
    const QString path = m_context.prompt().chooseOpenFile(QStringLiteral("Excel'den Alınacak Veri Dosyası"),
                                                           QString(), workbookFilter());
    QDir::setCurrent(current);
    if (!path.isEmpty()) {
        loadWorkbook(path);
        return;
    }
    m_grid.numberHeaders();
    setText(BitSatirE, QString::number(m_grid.rowCount() - 2));
    Q_EMIT gridChanged();
}

bool ExcelImportForm::loadWorkbook(const QString& path) {
    bool read = false;
    try {
        const WorkbookGrid sheet = readWorkbook(path);
        m_grid.load(sheet);
        setText(SayfaLabel, sheet.sheetCount() > 1
                                ? QStringLiteral("Çalışma kitabında %1 sayfa var; yalnızca ilk sayfa okundu, "
                                                 "diğer sayfalar göz ardı edildi.")
                                      .arg(sheet.sheetCount())
                                : QString());
        read = true;
    } catch (const WorkbookError& error) {
        m_grid.reset(3, 3);
        setText(SayfaLabel, QString());
        m_context.prompt().showMessage(error.message(), {}, PromptIcon::Error);
    }
    m_loaded = read;
    m_grid.numberHeaders();
    setText(BitSatirE, QString::number(m_grid.rowCount() - 2));
    Q_EMIT gridChanged();
    return read;
}

void ExcelImportForm::KayitAktarButClick() {
    m_workspace.resetAdjustmentDate();
    const QString question =
        QStringList{QStringLiteral("Girmiş olduğunuz değerlere göre excelden"),
                    QStringLiteral("aktarım yapılacaktır! Ana Hesap Kodunun"),
                    QStringLiteral("İlk Üç Harfi Ana Hesap Kodu seçildiyse  "),
                    QStringLiteral("ana hesap buradan seçilmediyse tek seçimlik alandan yapılacaktır."),
                    QString(),
                    QStringLiteral("İşleme devam etmek istiyormusunuz?")}
            .join(QStringLiteral("\n\r"));
    if (m_context.prompt().ask(question, kApplicationTitle, PromptIcon::Question, Yes | No) != Yes)
        return;
    importsettings::save(*this, settingsPath());
    const std::optional<int> created = Import();
    if (!created)
        return;
    // The import works through many rows out of sight; its end says what it did.
    m_context.prompt().showMessage(*created > 0
                                       ? QStringLiteral("Aktarma bitti: %1 kayıt aktarıldı.").arg(*created)
                                       : nothingImportedMessage(),
                                   {}, PromptIcon::Information);
}

ImportOptions ExcelImportForm::options() const {
    auto column = [this](const QString& edit) {
        const int c = static_cast<int>(ParseDigits(text(edit)));
        return c < m_grid.columnCount() ? c : 0;
    };
    auto row = [this](const QString& edit) {
        const int r = static_cast<int>(ParseDigits(text(edit)));
        return r < m_grid.rowCount() ? r : 0;
    };
    ImportOptions o;
    o.mainColumn = column(AnaHesapE);
    o.subColumn = column(AlHesapKodE);
    o.nameColumn = column(HesapAdiEdit);
    o.dateColumn = column(GirisTarihiE);
    o.debitColumn = column(KayitliTutarE);
    o.creditColumn = column(PasifTutarE);
    o.lifeColumn = column(AmortSureE);
    o.methodColumn = column(AmortYontemE);
    o.depreciationColumn = column(BirikmisAmortismanE);
    o.depreciationAccountColumn = column(AmortHesapEdit);
    o.firstRow = row(BasSatirE);
    o.lastRow = row(BitSatirE);
    o.fullCode = isChecked(ilkUcHarfCheck);
    o.mainFromCombo = isChecked(AnaHesapBurdanCheck);
    o.comboAccount = text(SBK_Ana_Combo);
    o.creditInDebitColumn = isChecked(BorcAlacakBuCheck);
    o.skipFixedAssets = isChecked(SabitKiymetAktarmaCheck);
    o.skipStocks = isChecked(StoklarAktarmaCheck);
    o.stocksSimpleAverage = isChecked(StoklarBasitOrtalamaCheck);
    const QDate revaluation = QDate::fromString(text(MDVDCombo), QStringLiteral("dd.MM.yyyy"));
    if (revaluation.isValid())
        o.revaluation = revaluation;
    return o;
}

void ExcelImportForm::showProgress(int done, int total, bool writing) {
    FormModel& window = m_progress.form();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int elapsed = static_cast<int>((now - m_startedAt) / 1000);
    window.setText(ctl::progress::DetayLabel,
                   (writing ? QStringLiteral("Kaydedilen kayıt :") : QStringLiteral("Aktarılan kayıt :")) +
                       QString::number(done) + QLatin1Char('/') + QString::number(total));
    // Called for every row: the clock text is only formed again when the second changes.
    if (elapsed != m_shownElapsed) {
        m_shownElapsed = elapsed;
        m_elapsedText = QStringLiteral("Geçen süre: ") +
                        QTime(0, 0).addSecs(elapsed).toString(QStringLiteral("hh:mm:ss"));
    }
    window.setText(ctl::progress::GecenSureLabel, m_elapsedText);
    const int percent = total > 0 ? done * 100 / total : 100;
    m_progress.setProgress(writing ? 100 : percent, writing ? percent : 0);
    if (m_repaint && (now - m_lastRepaint >= kRepaintMs || done == total)) {
        m_lastRepaint = now;
        m_repaint();
    }
}

std::optional<int> ExcelImportForm::Import() {
    m_lastCount = 0;
    if (isChecked(AnaHesapBurdanCheck))
        setChecked(ilkUcHarfCheck, false);
    importsettings::save(*this, settingsPath());
    const ImportOptions o = options();
    if (const QString message = validationMessage(o); !message.isEmpty()) {
        m_context.prompt().showMessage(message);
        return std::nullopt;
    }

    FormModel& window = m_progress.form();
    const int first = std::max(o.firstRow, 1);
    const int total = std::max(std::min(o.lastRow, m_grid.rowCount() - 1) - first + 1, 0);
    window.setText(ctl::progress::DurumLabel, QStringLiteral("Aktarma yapılıyor..."));
    window.setText(ctl::progress::DetayLabel, QStringLiteral("Aktarılan kayıt :1/") + QString::number(total));
    m_progress.setProgress(0, 0);
    m_progress.showOnTop();
    m_startedAt = QDateTime::currentMSecsSinceEpoch();
    m_lastRepaint = 0;
    m_shownElapsed = -1;
    if (m_busy)
        m_busy(true);
    struct EndProgress {
        ProgressWindow& progress;
        const std::function<void(bool)>& busy;
        ~EndProgress() {
            progress.KapatButClick();
            if (busy)
                busy(false);
        }
    } end{m_progress, m_busy};

    try {
        ItemImport import(m_index, m_workspace.adjustmentDate());
        const std::vector<ImportedItem> items =
            import.prepare(m_grid, o, [this](int done, int all) { showProgress(done, all, false); });
        ItemImport::write(m_itemTable, m_itemTable.connection().database(), items,
                          [this](int done, int all) { showProgress(done, all, true); });
        m_lastCount = static_cast<int>(items.size());
    } catch (const ImportStopped& stop) {
        window.setText(ctl::progress::DurumLabel, QStringLiteral("Aktarma durduruldu."));
        m_context.prompt().showMessage(stop.message(), {}, PromptIcon::Error);
        return std::nullopt;
    }
    m_workspace.refreshItemList();
    window.setText(ctl::progress::DurumLabel, QStringLiteral("Aktarma bitti."));
    return m_lastCount;
}

void ExcelImportForm::SiraNumaraButClick() {
    m_grid.numberHeaders();
    Q_EMIT gridChanged();
}

void ExcelImportForm::JvXPButton5Click() {
    m_windows.hide(windows::kExcelImport);
}

} // namespace velkor
