#include "periods/PeriodSheet.h"

#include "base/ErrorReport.h"
#include "base/NumberFormat.h"
#include "base/Prompt.h"
#include "base/TextHelpers.h"
#include "base/WindowNames.h"
#include "engine/IndexLookup.h"
#include "periods/PeriodNames.h"
#include "periods/PeriodSheetControls.h"
#include "periods/PeriodVouchers.h"
#include "reports/RichReport.h"
#include "spreadsheet/XlsxWorkbook.h"
#include "storage/AppContext.h"
#include "vouchers/TransferOptions.h"
#include "vouchers/VoucherFiles.h"
#include "vouchers/VoucherWriters.h"

#include <QDir>

namespace velkor {

namespace c = ctl::period;

namespace {

QStringList reportChoices() {
    return {QStringLiteral("Dönem Raporu"), QStringLiteral("Düzeltilmiş Bilanço Özeti"),
            QStringLiteral("Katsayı Tablosu"), QStringLiteral("Amortisman Tablosu")};
}

QStringList voucherChoices() {
    return {QStringLiteral("Luca"), QStringLiteral("Mikro"), QStringLiteral("Netsis"),
            QStringLiteral("Logo XML"), QStringLiteral("Sentez Excel")};
}

QStringList depreciationMethodChoices() {
    return {QStringLiteral("Normal"), QStringLiteral("Hızlandırılmış"), QStringLiteral("Kıst")};
}

// The editor's fields, in the order the editor shows them; the line fields take the
// lines' inputs only.
const QStringList& lineFields() {
    static const QStringList fields{
        c::KalemHesapEdit,         c::KalemAltHesapEdit,    c::KalemAdiEdit,         c::KalemGirisTarihiEdit,
        c::KalemDefterDegeriEdit,  c::KalemDonemAmortEdit,  c::KalemEskiAylikEdit,   c::KalemStokYontemiCombo,
        c::KalemCikisTarihiEdit,   c::KalemKalanOranEdit,   c::KalemKalanTutarEdit,  c::KalemOmurEdit,
        c::KalemAmortYontemiCombo, c::KalemAmortHesabiEdit, c::KalemGiderHesabiEdit, c::KalemDuzeltilmezCheck,
        c::KalemAktarimEdit};
    return fields;
}

QString optionalAmount(const std::optional<double>& value, const QString& pattern = patterns::kAmount) {
    return value ? FormatFloat(pattern, *value) : QString();
}

// An amount field read back: empty is no value; anything else must read as a number.
std::optional<double> readOptional(const FormModel& form, const QString& name, const QString& label) {
    const QString text = form.text(name).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    try {
        return ParseAmount(text);
    } catch (const ConversionError&) {
        throw ShownError(QStringLiteral("%1 bir tutar olmalıdır: %2").arg(label, text));
    }
}

QDate readDate(const FormModel& form, const QString& name, const QString& label) {
    const QString text = form.text(name).trimmed();
    if (text.isEmpty())
        return {};
    const QDate date = ParseDate(text);
    if (!date.isValid())
        throw ShownError(QStringLiteral("%1 gg.aa.yyyy biçiminde bir tarih olmalıdır: %2").arg(label, text));
    return date;
}

// The grid's columns after those of the report: the inputs a user changes on the line.
struct InputColumn {
    QString title;
    QString control;
};

const std::vector<InputColumn>& inputColumns() {
    static const std::vector<InputColumn> columns{{QStringLiteral("Stok Yöntemi"), c::KalemStokYontemiCombo},
                                                  {QStringLiteral("Çıkış Tarihi"), c::KalemCikisTarihiEdit},
                                                  {QStringLiteral("Kalan Oran"), c::KalemKalanOranEdit},
                                                  {QStringLiteral("Not"), QString()}};
    return columns;
}

constexpr int kBookColumn = 4;
constexpr int kPeriodDepreciationColumn = 8;

} // namespace

PeriodSheet::PeriodSheet(AppContext& context, IndexLookup& index, QObject* parent)
    : FormModel(windows::kWorkspace, parent), m_context(context), m_index(index),
      m_work(std::make_unique<PeriodWork>(context)) {
    addControls(*this);
    const auto guard = [this](void (PeriodSheet::*button)()) { return [this, button] { guarded(button); }; };
    onClick(c::YeniKalemBut, guard(&PeriodSheet::YeniKalemButClick));
    onClick(c::KalemEkleBut, guard(&PeriodSheet::KalemEkleButClick));
    onClick(c::HesaplaBut, guard(&PeriodSheet::HesaplaButClick));
    onClick(c::KaydetBut, guard(&PeriodSheet::KaydetButClick));
    onClick(c::DonemKapatBut, guard(&PeriodSheet::DonemKapatButClick));
    onClick(c::DonemAcBut, guard(&PeriodSheet::DonemAcButClick));
    onClick(c::RaporYazBut, guard(&PeriodSheet::RaporYazButClick));
    onClick(c::RaporExcelBut, [this] { runGuarded(m_context.prompt(), [this] { RaporExcelButClick(); }); });
    onClick(c::DonemYevmiyeBut, guard(&PeriodSheet::DonemYevmiyeButClick));
    onClick(c::DonemYevmiyeYazBut, guard(&PeriodSheet::DonemYevmiyeYazButClick));
    onClick(c::FisAktarBut, [this] { runGuarded(m_context.prompt(), [this] { FisAktarButClick(); }); });
    for (const QString& setting :
         {c::DonemAmortismaniCombo, c::AmortismanKaydiCombo, c::Kapanis698Combo, c::BasitOrtalamaCombo,
          c::BitenKiymetCombo, c::Fark258Combo, c::BeyanCheck, c::YapilmadiCheck}) {
        onChange(setting, [this] {
            if (!m_showing)
                runGuarded(m_context.prompt(), [this] { readSettings(); });
        });
    }
    for (const QString& field : lineFields()) {
        onChange(field, [this] {
            if (!m_showing)
                m_dirty = true;
        });
    }
    updateEnabled();
}

PeriodSheet::~PeriodSheet() = default;

void PeriodSheet::addControls(FormModel& form) {
    form.addLabel(c::DonemBaslikLabel);
    form.addLabel(c::DonemDurumLabel);
    form.addLabel(c::DonemNotLabel);
    form.addLabel(c::RofmNotLabel, QStringLiteral("Sonraki dönemlerde yeniden değerleme (ROFM) hesaplanmaz; "
                                                  "gerekiyorsa elle düzeltiniz."));
    auto combo = [&form](const QString& name, const QStringList& items, const QString& label) {
        form.addCombo(name, items, items.first(), label);
        form.setListOnly(name, true);
    };
    combo(c::DonemAmortismaniCombo, depreciationChoices(), QStringLiteral("Dönem amortismanı"));
    combo(c::AmortismanKaydiCombo, bookingChoices(), QStringLiteral("Amortisman kaydı"));
    combo(c::Kapanis698Combo, closingChoices(), QStringLiteral("698 kapanışı"));
    combo(c::BasitOrtalamaCombo, averageBaseChoices(), QStringLiteral("Basit ortalamada önceki dönem"));
    combo(c::BitenKiymetCombo, yesNoChoices(), QStringLiteral("Amortismanı biten kıymetleri düzelt"));
    combo(c::Fark258Combo, investmentChoices(), QStringLiteral("258 farkı"));
    form.addCheck(c::BeyanCheck, false, QStringLiteral("Düzeltme defterlere kaydedildi ve beyan edildi"));
    form.addCheck(c::YapilmadiCheck, false, QStringLiteral("Yapılmadı"));

    form.addEdit(c::KalemNoEdit, {}, QStringLiteral("Kalem"));
    form.setReadOnly(c::KalemNoEdit, true);
    form.addEdit(c::KalemHesapEdit, {}, QStringLiteral("Ana Hesap"));
    form.addEdit(c::KalemAltHesapEdit, {}, QStringLiteral("Alt Hesap"));
    form.addEdit(c::KalemAdiEdit, {}, QStringLiteral("Adı"));
    form.addEdit(c::KalemGirisTarihiEdit, {}, QStringLiteral("Giriş Tarihi"));
    form.addEdit(c::KalemDefterDegeriEdit, {}, QStringLiteral("Düzeltme Öncesi Değer"));
    form.setKeyRule(c::KalemDefterDegeriEdit, KeyRule::Amount);
    form.addEdit(c::KalemDonemAmortEdit, {}, QStringLiteral("Dönem Amortismanı"));
    form.setKeyRule(c::KalemDonemAmortEdit, KeyRule::Amount);
    form.addEdit(c::KalemEskiAylikEdit, {}, QStringLiteral("Eski Aylık Amortisman"));
    form.setKeyRule(c::KalemEskiAylikEdit, KeyRule::Amount);
    form.addCombo(c::KalemStokYontemiCombo, stockMethodChoices(), QString(), QStringLiteral("Stok Yöntemi"));
    form.setListOnly(c::KalemStokYontemiCombo, true);
    form.addEdit(c::KalemCikisTarihiEdit, {}, QStringLiteral("Çıkış Tarihi"));
    form.addEdit(c::KalemKalanOranEdit, {}, QStringLiteral("Kalan Oran"));
    form.addEdit(c::KalemKalanTutarEdit, {}, QStringLiteral("Kalan Tutar (önceki düzeltilmiş değerle)"));
    form.setKeyRule(c::KalemKalanTutarEdit, KeyRule::Amount);
    form.addEdit(c::KalemOmurEdit, {}, QStringLiteral("Faydalı Ömür (yıl)"));
    form.setKeyRule(c::KalemOmurEdit, KeyRule::Digits);
    form.addCombo(c::KalemAmortYontemiCombo, depreciationMethodChoices(), QStringLiteral("Normal"),
                  QStringLiteral("Amortisman Yöntemi"));
    form.setListOnly(c::KalemAmortYontemiCombo, true);
    form.addEdit(c::KalemAmortHesabiEdit, {}, QStringLiteral("Birikmiş Amortisman Hesabı"));
    form.addEdit(c::KalemGiderHesabiEdit, QStringLiteral("770"), QStringLiteral("Amortisman Gider Hesabı"));
    form.addCheck(c::KalemDuzeltilmezCheck, false, QStringLiteral("Düzeltilmez"));
    form.addEdit(c::KalemAktarimEdit, {}, QStringLiteral("İç Aktarım: kaynak hesap"));

    form.addButton(c::YeniKalemBut, QStringLiteral("Yeni Kalem"));
    form.addButton(c::KalemEkleBut, QStringLiteral("Kalemi Ekle"));
    form.addButton(c::HesaplaBut, QStringLiteral("Hesapla"));
    form.addButton(c::KaydetBut, QStringLiteral("Kaydet"));
    form.addButton(c::DonemKapatBut, QStringLiteral("Dönemi Kapat"));
    form.addButton(c::DonemAcBut, QStringLiteral("Dönemi Aç"));
    combo(c::RaporCombo, reportChoices(), QStringLiteral("Rapor"));
    form.addButton(c::RaporYazBut, QStringLiteral("Yazdır"));
    form.addButton(c::RaporExcelBut, QStringLiteral("Excel'e Gönder"));
    form.addButton(c::DonemYevmiyeBut, QStringLiteral("Yevmiye"));
    form.addButton(c::DonemYevmiyeYazBut, QStringLiteral("Yevmiye Yazdır"));
    combo(c::FisCombo, voucherChoices(), QStringLiteral("Fiş"));
    form.addButton(c::FisAktarBut, QStringLiteral("Fiş Aktar"));
    form.addRich(c::DonemRich);
}

void PeriodSheet::guarded(void (PeriodSheet::*button)()) {
    runGuarded(m_context.prompt(), [this, button] { (this->*button)(); });
}

void PeriodSheet::openPeriod(const QDate& end) {
    m_view = m_work->load(end);
    // A period never saved shows its lines as carried, computed but not saved.
    if (m_view.period.state == PeriodState::Open && m_view.lines.empty())
        m_view = m_work->calculate(end);
    m_dirty = false;
    m_editingNew = false;
    m_selected = -1;
    showPeriod();
    setLines(c::DonemRich, {});
    if (!m_view.lines.empty())
        selectLine(0);
    else
        showLine(PeriodLine{}, false);
}

bool PeriodSheet::isClosed() const {
    return m_view.period.state != PeriodState::Open;
}

void PeriodSheet::showPeriod() {
    const Period& period = m_view.period;
    const QString previous =
        period.previousEnd.isValid() ? FormatDate(period.previousEnd) : QStringLiteral("-");
    const QString tk = period.carryCoefficient ? FormatFloat(patterns::kCoefficient, *period.carryCoefficient)
                                               : QStringLiteral("-");
    setText(c::DonemBaslikLabel,
            QStringLiteral("Dönem: %1   Önceki düzeltme dönemi: %2   Taşıma Katsayısı: %3")
                .arg(FormatDate(period.end), previous, tk));
    QString state = periodStateName(period.state) + QStringLiteral(" · ") + periodKindName(period.kind);
    if (period.state == PeriodState::Closed && period.closedOn.isValid())
        state += QStringLiteral(" · Kapanış: ") + FormatDate(period.closedOn);
    setText(c::DonemDurumLabel, state);
    QStringList notes;
    if (period.kind == PeriodKind::Informational) {
        notes << kInformationalHeading;
        if (!period.kindReason.isEmpty())
            notes << period.kindReason;
    }
    notes << m_view.totals.warnings;
    setText(c::DonemNotLabel, notes.join(QLatin1Char('\n')));
    showSettings();
    updateEnabled();
    Q_EMIT linesChanged();
}

void PeriodSheet::showSettings() {
    const PeriodSettings& s = m_view.period.settings;
    m_showing = true;
    setText(c::DonemAmortismaniCombo, depreciationChoices().value(static_cast<int>(s.depreciation)));
    setText(c::AmortismanKaydiCombo, bookingChoices().value(static_cast<int>(s.booking)));
    setText(c::Kapanis698Combo, closingChoices().value(static_cast<int>(s.closing)));
    setText(c::BasitOrtalamaCombo, averageBaseChoices().value(static_cast<int>(s.averageBase)));
    setText(c::BitenKiymetCombo, yesNoChoices().value(s.adjustFullyDepreciated ? 0 : 1));
    setText(c::Fark258Combo, investmentChoices().value(static_cast<int>(s.investmentDifference)));
    setChecked(c::BeyanCheck, m_view.period.declared);
    setChecked(c::YapilmadiCheck, m_view.period.state == PeriodState::Skipped);
    m_showing = false;
}

void PeriodSheet::readSettings() {
    if (!hasPeriod())
        return;
    Period period = m_view.period;
    PeriodSettings& s = period.settings;
    s.depreciation = static_cast<PeriodDepreciation>(std::max(0, itemIndex(c::DonemAmortismaniCombo)));
    s.booking = static_cast<DepreciationBooking>(std::max(0, itemIndex(c::AmortismanKaydiCombo)));
    s.closing = static_cast<ResultClosing>(std::max(0, itemIndex(c::Kapanis698Combo)));
    s.averageBase = static_cast<AverageBase>(std::max(0, itemIndex(c::BasitOrtalamaCombo)));
    s.adjustFullyDepreciated = itemIndex(c::BitenKiymetCombo) != 1;
    s.investmentDifference = static_cast<InvestmentDifference>(std::max(0, itemIndex(c::Fark258Combo)));
    period.declared = isChecked(c::BeyanCheck);
    if (period.state != PeriodState::Closed)
        period.state = isChecked(c::YapilmadiCheck) ? PeriodState::Skipped : PeriodState::Open;
    try {
        m_work->update(period);
    } catch (...) {
        // The refusal is shown; the fields go back to what the period holds.
        showSettings();
        throw;
    }
    // The kind may follow the declaration tick; the stored period says what it became.
    for (const Period& stored : m_work->periods())
        if (stored.end == period.end)
            period = stored;
    m_view.period = period;
    showPeriod();
}

void PeriodSheet::updateEnabled() {
    const bool shown = hasPeriod();
    const bool open = shown && m_view.period.state == PeriodState::Open;
    const bool legal = m_view.period.kind == PeriodKind::Legal;
    for (const QString& setting : {c::DonemAmortismaniCombo, c::AmortismanKaydiCombo, c::Kapanis698Combo,
                                   c::BasitOrtalamaCombo, c::BitenKiymetCombo, c::Fark258Combo})
        setEnabled(setting, open);
    setEnabled(c::BeyanCheck, shown && m_view.period.state != PeriodState::Closed);
    setEnabled(c::YapilmadiCheck, shown && m_view.period.state != PeriodState::Closed);
    for (const QString& button : {c::YeniKalemBut, c::HesaplaBut, c::KaydetBut})
        setEnabled(button, open);
    setEnabled(c::KalemEkleBut, open && m_editingNew);
    // An informational period is computed and printed, never closed.
    setEnabled(c::DonemKapatBut, open && legal);
    setEnabled(c::DonemAcBut, shown && m_view.period.state == PeriodState::Closed);
    for (const QString& button :
         {c::RaporYazBut, c::RaporExcelBut, c::DonemYevmiyeBut, c::DonemYevmiyeYazBut, c::FisAktarBut})
        setEnabled(button, shown);
    // The editor: what the line's kind lets the user change.
    const PeriodLine* line = nullptr;
    if (m_editingNew)
        line = &m_newLine;
    else if (m_selected >= 0 && m_selected < rowCount())
        line = &m_view.lines[static_cast<size_t>(m_selected)];
    const bool editable = open && line;
    const bool fresh = editable && (m_editingNew || isNewLine(*line));
    const bool stock = editable && isStockLine(*line);
    for (const QString& field :
         {c::KalemHesapEdit, c::KalemAltHesapEdit, c::KalemAdiEdit, c::KalemGirisTarihiEdit, c::KalemOmurEdit,
          c::KalemAmortYontemiCombo, c::KalemAmortHesabiEdit, c::KalemAktarimEdit})
        setReadOnly(field, !fresh);
    setReadOnly(c::KalemDefterDegeriEdit,
                !(fresh || (stock && line->stockMethod == PeriodStockMethod::SimpleAverage)));
    for (const QString& field : {c::KalemDonemAmortEdit, c::KalemEskiAylikEdit, c::KalemCikisTarihiEdit,
                                 c::KalemKalanOranEdit, c::KalemGiderHesabiEdit})
        setReadOnly(field, !editable);
    setEnabled(c::KalemStokYontemiCombo, stock);
    setReadOnly(c::KalemKalanTutarEdit, !stock);
    setEnabled(c::KalemDuzeltilmezCheck, editable && line->account.startsWith(QLatin1String("549")));
}

bool PeriodSheet::isNewLine(const PeriodLine& line) const {
    return line.baseItemId == 0 && line.previousLineId == 0 && line.status == LineStatus::New;
}

bool PeriodSheet::isStockLine(const PeriodLine& line) const {
    const int account = line.account.left(3).toInt();
    return account >= 150 && account <= 159;
}

void PeriodSheet::showLine(const PeriodLine& line, bool isNew) {
    m_showing = true;
    setText(c::KalemNoEdit,
            isNew ? QStringLiteral("Yeni") : (line.id ? QString::number(line.id) : QString()));
    setText(c::KalemHesapEdit, line.account);
    setText(c::KalemAltHesapEdit, line.subAccount);
    setText(c::KalemAdiEdit, line.name);
    setText(c::KalemGirisTarihiEdit, FormatDate(line.entryDate));
    const bool blank = isNew || (line.id == 0 && line.account.isEmpty());
    setText(c::KalemDefterDegeriEdit,
            blank && line.bookValue == 0 ? QString() : FormatFloat(patterns::kAmount, line.bookValue));
    setText(c::KalemDonemAmortEdit, optionalAmount(line.typedPeriodDepreciation));
    setText(c::KalemEskiAylikEdit, optionalAmount(line.typedOldMonthly));
    setText(c::KalemStokYontemiCombo, stockMethodChoices().value(static_cast<int>(line.stockMethod)));
    setText(c::KalemCikisTarihiEdit, FormatDate(line.disposalDate));
    setText(c::KalemKalanOranEdit, optionalAmount(line.remainingShare, QStringLiteral("0.0000")));
    setText(c::KalemKalanTutarEdit, optionalAmount(line.remainingAmount));
    setText(c::KalemOmurEdit, line.usefulLife > 0 ? QString::number(line.usefulLife) : QString());
    setText(c::KalemAmortYontemiCombo,
            line.depreciationMethod.isEmpty() ? QStringLiteral("Normal") : line.depreciationMethod);
    setText(c::KalemAmortHesabiEdit, line.depreciationAccount);
    setText(c::KalemGiderHesabiEdit, line.expenseAccount);
    setChecked(c::KalemDuzeltilmezCheck, line.notAdjusted);
    setText(c::KalemAktarimEdit, line.transferSource);
    m_showing = false;
    updateEnabled();
}

PeriodLine& PeriodSheet::editedLine() {
    return m_editingNew ? m_newLine : m_view.lines.at(static_cast<size_t>(m_selected));
}

void PeriodSheet::commitEditor() {
    if (!m_dirty || (!m_editingNew && (m_selected < 0 || m_selected >= rowCount())))
        return;
    PeriodLine line = editedLine();
    line.account = text(c::KalemHesapEdit).trimmed();
    line.subAccount = text(c::KalemAltHesapEdit).trimmed();
    line.name = text(c::KalemAdiEdit).trimmed();
    for (const QString& field : {c::KalemHesapEdit, c::KalemAltHesapEdit, c::KalemAdiEdit})
        if (hasControlCharacter(text(field)))
            throw ShownError(controlCharacterRefusal(label(field)));
    line.entryDate = readDate(*this, c::KalemGirisTarihiEdit, label(c::KalemGirisTarihiEdit));
    if (const auto book = readOptional(*this, c::KalemDefterDegeriEdit, label(c::KalemDefterDegeriEdit)))
        line.bookValue = *book;
    line.typedPeriodDepreciation = readOptional(*this, c::KalemDonemAmortEdit, label(c::KalemDonemAmortEdit));
    line.typedOldMonthly = readOptional(*this, c::KalemEskiAylikEdit, label(c::KalemEskiAylikEdit));
    const int method = stockMethodChoices().indexOf(text(c::KalemStokYontemiCombo));
    line.stockMethod = static_cast<PeriodStockMethod>(std::max(0, method));
    line.disposalDate = readDate(*this, c::KalemCikisTarihiEdit, label(c::KalemCikisTarihiEdit));
    line.remainingShare = readOptional(*this, c::KalemKalanOranEdit, label(c::KalemKalanOranEdit));
    if (line.remainingShare && (*line.remainingShare < 0 || *line.remainingShare > 1))
        throw ShownError(QStringLiteral("Kalan Oran 0 ile 1 arasında olmalıdır."));
    line.remainingAmount = readOptional(*this, c::KalemKalanTutarEdit, label(c::KalemKalanTutarEdit));
    line.usefulLife =
        static_cast<int>(readOptional(*this, c::KalemOmurEdit, label(c::KalemOmurEdit)).value_or(0));
    line.depreciationMethod = text(c::KalemAmortYontemiCombo);
    line.depreciationAccount = text(c::KalemAmortHesabiEdit).trimmed();
    line.expenseAccount = text(c::KalemGiderHesabiEdit).trimmed();
    line.notAdjusted = isChecked(c::KalemDuzeltilmezCheck);
    line.transferSource = text(c::KalemAktarimEdit).trimmed();
    // Choosing another stock method than an earlier period's binds the company for three years.
    const PeriodLine& before = editedLine();
    if (!m_editingNew && before.stockMethod != PeriodStockMethod::None &&
        line.stockMethod != before.stockMethod &&
        m_context.prompt().ask(QStringLiteral("2024 yılından itibaren seçilen yöntemden üç yıl dönülemez. "
                                              "Devam edilsin mi?"),
                               {}, PromptIcon::Question, Yes | No) != Yes) {
        m_showing = true;
        setText(c::KalemStokYontemiCombo, stockMethodChoices().value(static_cast<int>(before.stockMethod)));
        m_showing = false;
        line.stockMethod = before.stockMethod;
    }
    editedLine() = line;
    m_dirty = false;
    Q_EMIT linesChanged();
}

QStringList PeriodSheet::gridHeaders() const {
    QStringList headers = periodLineHeaders();
    for (const InputColumn& column : inputColumns())
        headers << column.title;
    return headers;
}

QStringList PeriodSheet::rowCells(int row) const {
    const PeriodLine& line = m_view.lines.at(static_cast<size_t>(row));
    QStringList cells = periodLineCells(line);
    if (line.periodDepreciationComputed && !cells.value(kPeriodDepreciationColumn).isEmpty())
        cells[kPeriodDepreciationColumn] += QStringLiteral(" *");
    cells << stockMethodChoices().value(static_cast<int>(line.stockMethod)) << FormatDate(line.disposalDate)
          << optionalAmount(line.remainingShare, QStringLiteral("0.0000"));
    QStringList notes = line.notes;
    if (line.periodDepreciationComputed)
        notes.prepend(QStringLiteral("* hesaplanan (kontrol ediniz)"));
    cells << notes.join(QStringLiteral("; "));
    return cells;
}

QString PeriodSheet::columnControl(int column) const {
    if (column == kBookColumn)
        return c::KalemDefterDegeriEdit;
    if (column == kPeriodDepreciationColumn)
        return c::KalemDonemAmortEdit;
    const int input = column - static_cast<int>(periodLineHeaders().size());
    if (input >= 0 && input < static_cast<int>(inputColumns().size()))
        return inputColumns()[static_cast<size_t>(input)].control;
    return {};
}

bool PeriodSheet::isCellEditable(int row, int column) const {
    const QString control = columnControl(column);
    if (control.isEmpty() || row < 0 || row >= rowCount() || isClosed() || isHeld(control))
        return false;
    const PeriodLine& line = m_view.lines.at(static_cast<size_t>(row));
    if (control == c::KalemDefterDegeriEdit)
        return isNewLine(line) || (isStockLine(line) && line.stockMethod == PeriodStockMethod::SimpleAverage);
    if (control == c::KalemStokYontemiCombo)
        return isStockLine(line);
    return true;
}

void PeriodSheet::setCell(int row, int column, const QString& cellText) {
    if (!isCellEditable(row, column))
        throw ShownError(QStringLiteral("Bu hücre değiştirilemez."));
    selectLine(row);
    QString value = cellText;
    if (column == kPeriodDepreciationColumn)
        value.remove(QStringLiteral(" *"));
    userSet(columnControl(column), value.trimmed());
    commitEditor();
}

void PeriodSheet::selectLine(int row) {
    commitEditor();
    if (row < 0 || row >= rowCount())
        return;
    m_editingNew = false;
    m_selected = row;
    showLine(m_view.lines[static_cast<size_t>(row)], false);
}

int PeriodSheet::rowOfLine(qint64 id) const {
    for (int row = 0; row < rowCount(); ++row)
        if (m_view.lines[static_cast<size_t>(row)].id == id)
            return row;
    return -1;
}

void PeriodSheet::YeniKalemButClick() {
    commitEditor();
    m_newLine = PeriodLine{};
    m_newLine.periodId = m_view.period.id;
    m_newLine.status = LineStatus::New;
    m_editingNew = true;
    showLine(m_newLine, true);
    m_dirty = true;
}

void PeriodSheet::KalemEkleButClick() {
    if (!m_editingNew)
        throw ShownError(QStringLiteral("Önce \"Yeni Kalem\" ile bir kalem açınız."));
    m_dirty = true;
    commitEditor();
    if (m_newLine.account.isEmpty() || m_newLine.name.isEmpty())
        throw ShownError(QStringLiteral("Yeni kalemin ana hesabını ve adını giriniz."));
    if (!m_newLine.entryDate.isValid())
        throw ShownError(QStringLiteral("Yeni kalemin giriş tarihini giriniz."));
    const PeriodLine added = m_work->addLine(m_view.period.end, m_newLine);
    m_view.lines.push_back(added);
    m_editingNew = false;
    m_selected = rowCount() - 1;
    showLine(added, false);
    Q_EMIT linesChanged();
}

void PeriodSheet::HesaplaButClick() {
    commitEditor();
    m_view = m_work->calculate(m_view.period.end, m_view.lines);
    const int selected = m_selected;
    showPeriod();
    if (selected >= 0 && selected < rowCount())
        selectLine(selected);
    else if (rowCount() > 0)
        selectLine(0);
    else
        updateEnabled();
}

void PeriodSheet::KaydetButClick() {
    commitEditor();
    m_view = m_work->calculate(m_view.period.end, m_view.lines);
    m_work->save(m_view);
    m_view = m_work->load(m_view.period.end);
    const int selected = m_selected;
    showPeriod();
    if (selected >= 0 && selected < rowCount())
        selectLine(selected);
}

void PeriodSheet::DonemKapatButClick() {
    commitEditor();
    const QDate end = m_view.period.end;
    // What the screen shows is what gets closed.
    m_work->save(m_work->calculate(end, m_view.lines));
    const QStringList points = m_work->closingPoints(end);
    QString question;
    if (!points.isEmpty()) {
        question = QStringLiteral("Kontrol edilecek noktalar:\n- ") + points.join(QStringLiteral("\n- ")) +
                   QStringLiteral("\n\n");
    }
    question += QStringLiteral("%1 dönemi kapatılsın mı? Değerler sonraki dönemin devir değerleri olarak "
                               "dondurulacak.")
                    .arg(FormatDate(end));
    if (m_context.prompt().ask(question, {}, PromptIcon::Question, Yes | No) != Yes)
        return;
    m_work->close(end);
    openPeriod(end);
}

void PeriodSheet::DonemAcButClick() {
    const QDate end = m_view.period.end;
    if (m_context.prompt().ask(
            QStringLiteral("%1 dönemi açılsın mı? Dönemin kapanış kayıtları silinecek.").arg(FormatDate(end)),
            {}, PromptIcon::Question, Yes | No) != Yes)
        return;
    m_work->reopen(end);
    openPeriod(end);
}

PeriodTable PeriodSheet::chosenReport() const {
    switch (std::max(0, itemIndex(c::RaporCombo))) {
    case 1:
        return balanceSummary(m_view);
    case 2:
        return coefficientTable(m_view.period, [this](int key) { return m_index.LookupIndex(key); });
    case 3:
        return depreciationTable(m_view);
    default:
        return periodReport(m_view, closingEntries(m_view.period, m_view.totals));
    }
}

std::vector<PeriodEntry> PeriodSheet::entries() const {
    return periodEntries(m_view.period, m_view.lines, m_view.totals);
}

QStringList PeriodSheet::journalLines() const {
    QStringList lines;
    if (m_view.period.kind == PeriodKind::Informational)
        lines << kInformationalHeading;
    lines << periodJournalLines(m_view.period, entries(), QStringLiteral("Hepsi"));
    return lines;
}

void PeriodSheet::setPrinting(PrintService* service, std::function<CompanyHeading()> company) {
    m_printService = service;
    m_company = std::move(company);
}

CompanyHeading PeriodSheet::heading() const {
    return m_company ? m_company() : CompanyHeading{};
}

void PeriodSheet::RaporYazButClick() {
    commitEditor();
    const QStringList lines = printedLines(chosenReport(), m_view.period);
    setLines(c::DonemRich, lines);
    if (!m_printService)
        throw ShownError(QStringLiteral("Yazdırma hizmeti bulunamadı."));
    printTitledTextBox(*m_printService, heading(), periodReportTitle(m_view.period.end), lines);
}

QString PeriodSheet::RaporExcelButClick() {
    commitEditor();
    const PeriodTable table = chosenReport();
    XlsxWorkbook book;
    writePeriodWorkbook(book, heading().name, table);
    WorkbookHandOverRequest request;
    const QString prefix = heading().code.isEmpty() ? QString() : heading().code + QLatin1Char('_');
    QString name = table.title;
    name.replace(QLatin1Char('.'), QLatin1Char('_')).replace(QLatin1Char(' '), QLatin1Char('_'));
    request.proposedPath = QDir::home().filePath(prefix + name + QStringLiteral(".xlsx"));
    return handOverWorkbook(book, m_context.prompt(), request, m_opener);
}

void PeriodSheet::DonemYevmiyeButClick() {
    commitEditor();
    setLines(c::DonemRich, journalLines());
}

void PeriodSheet::DonemYevmiyeYazButClick() {
    DonemYevmiyeButClick();
    if (!m_printService)
        throw ShownError(QStringLiteral("Yazdırma hizmeti bulunamadı."));
    printTitledTextBox(*m_printService, heading(), periodReportTitle(m_view.period.end), lines(c::DonemRich));
}

VoucherSave PeriodSheet::FisAktarButClick() {
    commitEditor();
    TransferOptions options;
    if (m_transferOptions)
        options = readTransferOptions(*m_transferOptions);
    options = periodTransferOptions(options, m_view.period.end);
    const std::vector<PeriodEntry> journal = entries();
    const QString suffix =
        QLatin1Char(' ') + FormatDate(m_view.period.end).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString home = m_context.home();
    switch (std::max(0, itemIndex(c::FisCombo))) {
    case 0:
        return saveCsvVoucher(
            m_context.prompt(), home, QStringLiteral("FIS_AKTARIM_SABLON LUCA") + suffix, [&] {
                return lucaVoucherText(periodVoucherLines(journal, options, VoucherTarget::Luca), options);
            });
    case 1:
        return saveCsvVoucher(
            m_context.prompt(), home, QStringLiteral("FIS_AKTARIM_SABLON MIKRO") + suffix, [&] {
                return mikroVoucherText(periodVoucherLines(journal, options, VoucherTarget::Mikro), options);
            });
    case 3:
        return saveLogoVoucher(
            m_context.prompt(), home,
            logoVoucherText(periodVoucherLines(journal, options, VoucherTarget::Logo), options));
    default:
        break;
    }
    const bool netsis = itemIndex(c::FisCombo) == 2;
    const std::vector<VoucherLine> lines =
        periodVoucherLines(journal, options, netsis ? VoucherTarget::Netsis : VoucherTarget::Zirve);
    XlsxWorkbook book;
    if (netsis)
        writeNetsisVoucher(book, lines, options);
    else
        writeFourColumnVoucher(book, lines);
    WorkbookHandOverRequest request;
    request.title = QStringLiteral("Excel Fişi Kaydet");
    request.proposedPath =
        home +
        (netsis ? QStringLiteral("FIS_AKTARIM_SABLON NETSIS") : QStringLiteral("FIS_AKTARIM_SABLON SENTEZ")) +
        suffix;
    return {handOverWorkbook(book, m_context.prompt(), request, m_opener), 0};
}

} // namespace velkor
