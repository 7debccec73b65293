#include "referencedata/ReferenceDataForm.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "referencedata/ReferenceDataFormControls.h"
#include "storage/DatasetSearch.h"
#include "storage/ReferenceData.h"

namespace velkor {

namespace {

std::vector<GridColumn> yearAndMonths(const QStringList& columns, const QStringList& labels,
                                      const QString& format) {
    std::vector<GridColumn> result{{QStringLiteral("Yil"), QStringLiteral("YIL")}};
    for (int i = 0; i < columns.size(); ++i)
        result.push_back({columns.at(i), labels.at(i), format});
    return result;
}

const QStringList kMonthLabels{"Ocak",   "Şubat",   "Mart",  "Nisan", "Mayıs", "Haziran",
                               "Temmuz", "Ağustos", "Eylül", "Ekim",  "Kasım", "Aralık"};

// The month columns of YI_UFE and Ortalama_Faiz in calendar order. YI_UFE stores August
// between May and June; the grids are read by column name, so they show the calendar.
const QStringList kMonthColumns{"Ocak",   "Subat",   "Mart",  "Nisan", "Mayis", "Haziran",
                                "Temmuz", "Agustos", "Eylul", "Ekim",  "Kasim", "Aralik"};

} // namespace

ReferenceDataForm::ReferenceDataForm(Connection& rates, WindowManager& windows, Prompt& prompt)
    : m_rates(rates), m_windows(windows), m_form(windows::kReferenceData), m_yiUfe(rates), m_tefe(rates),
      m_faiz(rates), m_amortisman(rates), m_yiUfeYeni(rates), m_figures(rates, prompt) {
    m_form.setCaption(QStringLiteral("Velkor Enflasyon Düzeltmesi Programı - Veriler"));
    m_form.addButton(ctl::referencedata::KapatBut, QStringLiteral("KAPAT"));
    m_form.addRadioGroup(ctl::referencedata::PageControl1,
                         {QStringLiteral("Yİ-ÜFE"), QStringLiteral("TEFE"), QStringLiteral("Ortalama Faiz"),
                          QStringLiteral("Amortisman Oranları"), QStringLiteral("Yİ-ÜFE Yeni"),
                          QStringLiteral("Veri Ekle"), QStringLiteral("Değişiklikler")},
                         0);
    m_form.addButton(ctl::referencedata::DuzeltmeVeritabanAktarBut, QStringLiteral("Veritabanı Aktar"));
    m_form.setVisible(ctl::referencedata::DuzeltmeVeritabanAktarBut, false);
    m_form.addEdit(ctl::referencedata::AraEdit);
    m_form.addButton(ctl::referencedata::AramaYap, QStringLiteral("Ara"));
    m_form.addLabel(ctl::referencedata::TumKoduText);
    m_form.addLabel(ctl::referencedata::TebligText);
    m_form.addLabel(ctl::referencedata::OmurYilText);
    m_form.addLabel(ctl::referencedata::Oran2Text);
    m_form.addRich(ctl::referencedata::AciklamaMemo);

    m_yiUfe.setSql(
        {QStringLiteral("Select *"), QStringLiteral("From YI_UFE"), QStringLiteral("Order By Yil ASC;")});
    m_tefe.setSql(
        {QStringLiteral("Select *"), QStringLiteral("From TEFE"), QStringLiteral("Order By Yil ASC;")});
    m_faiz.setSql({QStringLiteral("Select *"), QStringLiteral("From Ortalama_Faiz"),
                   QStringLiteral("Order By Yil ASC;")});
    m_amortisman.setSql({QStringLiteral("Select *"), QStringLiteral("From Amortisman_Oranlari"),
                         QStringLiteral("Order By Kimlik;")});
    m_yiUfeYeni.setSql({QStringLiteral("Select *"), QStringLiteral("From YI_UFE_Yeni"),
                        QStringLiteral("Order By Kimlik ASC;")});

    m_form.onClick(ctl::referencedata::KapatBut, [this] { m_windows.hide(windows::kReferenceData); });
    m_form.onClick(ctl::referencedata::AramaYap, [this] { AramaYapClick(); });
    m_form.onClick(ctl::referencedata::DuzeltmeVeritabanAktarBut,
                   [this] { DuzeltmeVeritabanAktarButClick(); });
    // The engine's lookups read the tables through their own datasets: reopening the
    // connection closes them all, and each reads the new rows on its next use.
    m_figures.setChanged([this] {
        m_rates.close();
        openDatasets();
    });
    QObject::connect(&m_amortisman, &Dataset::currentChanged, &m_form, [this] { showCurrentRate(); });
    QObject::connect(&m_amortisman, &Dataset::rowsReset, &m_form, [this] { showCurrentRate(); });
}

const std::vector<GridColumn>& ReferenceDataForm::yiUfeColumns() {
    static const std::vector<GridColumn> kColumns =
        yearAndMonths(kMonthColumns, kMonthLabels, patterns::kAmount);
    return kColumns;
}

const std::vector<GridColumn>& ReferenceDataForm::tefeColumns() {
    static const std::vector<GridColumn> kColumns = [] {
        std::vector<GridColumn> columns{{QStringLiteral("Yil"), QStringLiteral("Yil")}};
        for (int month = 1; month <= 12; ++month)
            columns.push_back(
                {QStringLiteral("ay%1").arg(month), kMonthLabels.at(month - 1), patterns::kCoefficient});
        return columns;
    }();
    return kColumns;
}

const std::vector<GridColumn>& ReferenceDataForm::faizColumns() {
    static const std::vector<GridColumn> kColumns =
        yearAndMonths(kMonthColumns, kMonthLabels, patterns::kAmount);
    return kColumns;
}

QString ReferenceDataForm::oran2Text(const QVariant& oran) {
    if (oran.isNull() || oran.toDouble() <= 0)
        return {};
    return FormatFloat(QStringLiteral("0.00 %"), oran.toDouble() * 100);
}

const std::vector<GridColumn>& ReferenceDataForm::amortismanColumns() {
    static const std::vector<GridColumn> kColumns{
        {QStringLiteral("ana_kodu"), QStringLiteral("Ana Kodu")},
        {QStringLiteral("alt1_kodu"), QStringLiteral("Alt Kodu 1")},
        {QStringLiteral("alt2_kodu"), QStringLiteral("Alt Kodu 2")},
        {QStringLiteral("alt3_kodu"), QStringLiteral("Alt Kodu 3")},
        {QStringLiteral("tum_kodu"), QStringLiteral("Tam Kodu")},
        {QStringLiteral("aciklama"), QStringLiteral("Açıklama")},
        {QStringLiteral("omur_yil"), QStringLiteral("Ömür Yıl")},
        {QStringLiteral("oran"), QStringLiteral("Oran"), {}, &ReferenceDataForm::oran2Text},
        {QStringLiteral("ilave_bilgi_notu"), QStringLiteral("Bilgi Notu")},
        {QStringLiteral("teblig"), QStringLiteral("Tebliğ")},
    };
    return kColumns;
}

const std::vector<GridColumn>& ReferenceDataForm::yiUfeYeniColumns() {
    static const std::vector<GridColumn> kColumns{
        {QStringLiteral("Kimlik"), QStringLiteral("Kimlik")},
        {QStringLiteral("YilAy"), QStringLiteral("Yıl-Ay")},
        {QStringLiteral("Yi_UFE"), QStringLiteral("Yi_UFE"), patterns::kAmount},
    };
    return kColumns;
}

void ReferenceDataForm::FormCreate() {
    m_form.setItemIndex(ctl::referencedata::PageControl1, YiUfeTab);
}

void ReferenceDataForm::openDatasets() {
    m_rates.ensureOpen();
    for (Query* query : {&m_yiUfe, &m_tefe, &m_faiz, &m_amortisman, &m_yiUfeYeni})
        query->ensureOpen();
}

void ReferenceDataForm::open() {
    openDatasets();
    m_figures.refresh();
    m_windows.showMaximizedIfMinimized(windows::kReferenceData);
}

void ReferenceDataForm::AramaYapClick() {
    if (TurkishLower(m_form.text(ctl::referencedata::AraEdit)) == QLatin1String("yazar kasa"))
        m_form.setText(ctl::referencedata::AraEdit, QStringLiteral("Ödeme kaydedici cihazlar"));
    const QString text = m_form.text(ctl::referencedata::AraEdit);
    if (text.isEmpty())
        return;
    m_rates.ensureOpen();
    m_amortisman.ensureOpen();
    FindNextContaining(m_amortisman, QStringLiteral("aciklama"), text);
}

void ReferenceDataForm::DuzeltmeVeritabanAktarButClick() {
    m_rates.ensureOpen();
    DuzeltmeVeritabanAktar(m_rates.database());
    if (m_yiUfeYeni.isOpen())
        m_yiUfeYeni.refresh();
}

void ReferenceDataForm::showCurrentRate() {
    // The rows are announced before the query counts as open: their presence decides.
    const bool hasRow = !m_amortisman.isEmpty();
    auto column = [&](const char* name) {
        return hasRow ? m_amortisman.text(QLatin1String(name)) : QString();
    };
    m_form.setText(ctl::referencedata::TumKoduText, column("tum_kodu"));
    m_form.setText(ctl::referencedata::TebligText, column("teblig"));
    m_form.setText(ctl::referencedata::OmurYilText, column("omur_yil"));
    m_form.setText(ctl::referencedata::Oran2Text,
                   hasRow ? oran2Text(m_amortisman.value(QStringLiteral("oran"))) : QString());
    m_form.setText(ctl::referencedata::AciklamaMemo, column("aciklama"));
}

} // namespace velkor
