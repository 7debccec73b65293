#include "referencedata/PublishedFiguresForm.h"

#include "base/WindowNames.h"
#include "referencedata/PublishedFigures.h"
#include "referencedata/PublishedFiguresFormControls.h"
#include "referencedata/ReferenceCoverage.h"
#include "storage/ReferenceHistory.h"

#include <QFileInfo>

namespace velkor {

namespace {

FigureKind kindAt(int index) {
    switch (index) {
    case 1:
        return FigureKind::Interest;
    case 2:
        return FigureKind::Depreciation;
    default:
        return FigureKind::Index;
    }
}

bool onlyHeaders(const QString& text) {
    const QString trimmed = text.trimmed();
    for (FigureKind kind : {FigureKind::Index, FigureKind::Interest, FigureKind::Depreciation})
        if (trimmed == figureHeader(kind))
            return true;
    return trimmed.isEmpty();
}

} // namespace

PublishedFiguresForm::PublishedFiguresForm(Connection& rates, Prompt& prompt)
    : m_rates(rates), m_prompt(prompt), m_form(windows::kReferenceData), m_history(rates) {
    using namespace ctl::figures;
    m_form.addRadioGroup(VeriTuruRadio,
                         {figureKindCaption(FigureKind::Index), figureKindCaption(FigureKind::Interest),
                          figureKindCaption(FigureKind::Depreciation)},
                         0, QStringLiteral("Tablo"));
    m_form.addEdit(KaynakEdit, {}, QStringLiteral("Kaynak"));
    m_form.addRich(SatirlarMemo);
    m_form.setText(SatirlarMemo, figureHeader(FigureKind::Index) + QLatin1Char('\n'));
    m_form.addButton(DosyadanOkuBut, QStringLiteral("Dosyadan Oku"));
    m_form.addButton(EkleBut, QStringLiteral("Kontrol Et ve Ekle"));
    for (const QString& name : {YiUfeKapsamText, TefeKapsamText, FaizKapsamText, AmortismanKapsamText})
        m_form.addLabel(name);
    m_history.setSql({QStringLiteral("Select Tarih, Tablo, Anahtar, Eski, Yeni, Kaynak"),
                      QStringLiteral("From Veri_Degisiklikleri"), QStringLiteral("Order By Kimlik DESC;")});

    m_form.onClick(DosyadanOkuBut, [this] { DosyadanOkuButClick(); });
    m_form.onClick(EkleBut, [this] { EkleButClick(); });
    m_form.onChange(VeriTuruRadio, [this] { VeriTuruRadioChange(); });
}

const std::vector<GridColumn>& PublishedFiguresForm::historyColumns() {
    static const std::vector<GridColumn> kColumns{
        {QStringLiteral("Tarih"), QStringLiteral("Tarih")},
        {QStringLiteral("Tablo"), QStringLiteral("Tablo"), {}, &PublishedFiguresForm::tableCaption},
        {QStringLiteral("Anahtar"), QStringLiteral("Ay / Kod")},
        {QStringLiteral("Eski"), QStringLiteral("Eski Değer")},
        {QStringLiteral("Yeni"), QStringLiteral("Yeni Değer")},
        {QStringLiteral("Kaynak"), QStringLiteral("Kaynak")},
    };
    return kColumns;
}

QString PublishedFiguresForm::tableCaption(const QVariant& table) {
    const QString name = table.toString();
    if (name == referencetable::kIndex)
        return figureKindCaption(FigureKind::Index);
    if (name == referencetable::kInterest)
        return figureKindCaption(FigureKind::Interest);
    if (name == referencetable::kDepreciation)
        return figureKindCaption(FigureKind::Depreciation);
    if (name == referencetable::kVersion)
        return QStringLiteral("Veri sürümü");
    return name;
}

void PublishedFiguresForm::refresh() {
    using namespace ctl::figures;
    m_rates.ensureOpen();
    Database& db = m_rates.database();
    ensureReferenceHistoryTables(db);
    m_form.setText(YiUfeKapsamText, coverageText(db, CoveredTable::Index));
    m_form.setText(TefeKapsamText, coverageText(db, CoveredTable::Tefe));
    m_form.setText(FaizKapsamText, coverageText(db, CoveredTable::Interest));
    m_form.setText(AmortismanKapsamText, coverageText(db, CoveredTable::Depreciation));
    if (m_history.isOpen())
        m_history.refresh();
    else
        m_history.open();
}

void PublishedFiguresForm::VeriTuruRadioChange() {
    using namespace ctl::figures;
    if (onlyHeaders(m_form.text(SatirlarMemo)))
        m_form.setText(SatirlarMemo,
                       figureHeader(kindAt(m_form.itemIndex(VeriTuruRadio))) + QLatin1Char('\n'));
}

void PublishedFiguresForm::DosyadanOkuButClick() {
    using namespace ctl::figures;
    const QString path =
        m_prompt.chooseOpenFile(QStringLiteral("Yayımlanan verilerin dosyası"), {},
                                QStringLiteral("CSV dosyaları (*.csv *.txt);;Tüm dosyalar (*)"));
    if (path.isEmpty())
        return;
    m_form.setText(SatirlarMemo, readFiguresFile(path));
    m_form.setText(KaynakEdit, QStringLiteral("Dosya: ") + QFileInfo(path).fileName());
}

void PublishedFiguresForm::EkleButClick() {
    using namespace ctl::figures;
    m_rates.ensureOpen();
    const FigureKind kind = kindAt(m_form.itemIndex(VeriTuruRadio));
    QString source = m_form.text(KaynakEdit);
    if (source.trimmed().isEmpty())
        source = QStringLiteral("Elle girildi");
    if (addPublishedFigures(m_rates.database(), kind, m_form.text(SatirlarMemo), source, m_prompt) == 0)
        return;
    m_form.setText(SatirlarMemo, figureHeader(kind) + QLatin1Char('\n'));
    if (m_changed)
        m_changed();
    refresh();
}

} // namespace velkor
