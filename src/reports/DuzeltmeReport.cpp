#include "reports/DuzeltmeReport.h"

namespace velkor {

namespace {

enum ListColumn {
    MainAccount,
    SubAccount,
    Name,
    EntryDate,
    Registered,
    Adjusted,
    Difference,
    Depreciation,
    AdjustedDepreciation,
    DepreciationDifference
};

const QStringList kListColumns{
    QStringLiteral("anahesapkodu"),
    QStringLiteral("sbk_kodu"),
    QStringLiteral("sbk_adi"),
    QStringLiteral("fatura_tarihi"),
    QStringLiteral("VUK_Son_Degeri"),
    QStringLiteral("Duzeltilmis_Tutar"),
    QStringLiteral("Enflasyon_Farki"),
    QStringLiteral("vuk_birikmis_amortisman"),
    QStringLiteral("Duzeltilmis_Amortisman"),
    QStringLiteral("Amortisman_Farki"),
};

/// The grand totals in the order of the amount columns from `Registered` on.
const QStringList kTotalColumns{
    QStringLiteral("VUK_Son_DegeriT"),         QStringLiteral("Duzeltilmis_TutarT"),
    QStringLiteral("Enflasyon_FarkiT"),        QStringLiteral("vuk_birikmis_amortismanT"),
    QStringLiteral("Duzeltilmis_AmortismanT"), QStringLiteral("Amortisman_FarkiT"),
};

struct AmountColumn {
    double x;
    const char* heading;
};

const AmountColumn kAmountColumns[] = {
    {390, "KAYITLI DEĞERİ"},      {498, "DÜZELTİLMİŞ \nDEĞERİ"},   {607, "ENFLASYON FARKI"},
    {716, "BİRİKMİŞ AMORTİSMAN"}, {824, "DÜZELTİLMİŞ AMORTİSMAN"}, {933, "AMORTİSMAN FARKI"},
};
constexpr double kAmountWidth = 106;
// The account code column holds "698.ZARAR", the widest code the closing step writes,
// in the data font; longer codes of the user's own break onto further lines.
constexpr double kCodeX = 68;
constexpr double kCodeWidth = 72;
constexpr double kNameX = kCodeX + kCodeWidth + 1;
constexpr double kNameWidth = 321 - kNameX;

HeadingGeometry geometryOf(bool withDepreciation) {
    HeadingGeometry g;
    if (withDepreciation) {
        g.bandHeight = 112;
        g.nameWidth = 756;
        g.addressWidth = 756;
        g.addressHeight = 48;
        g.dateX = 932;
        g.dateY = 1;
        g.titleY = 73;
        g.titleWidth = 992;
    }
    return g;
}

} // namespace

DuzeltmeReport::DuzeltmeReport(const CompanyHeading& company, const Dataset& list, const Dataset& totals,
                               const QDateTime& printedAt)
    : DuzeltmeReport(company, list, totals, printedAt, false) {}

DuzeltmeReport::DuzeltmeReport(const CompanyHeading& company, const Dataset& list, const Dataset& totals,
                               const QDateTime& printedAt, bool withDepreciation)
    : HeadedReport(withDepreciation ? QPageLayout::Landscape : QPageLayout::Portrait, company, printedAt),
      m_withDepreciation(withDepreciation), m_list(list, kListColumns), m_totals(totals, kTotalColumns) {}

double DuzeltmeReport::shadingRight() const {
    return m_withDepreciation ? 1040 : 716;
}

double DuzeltmeReport::footerWidth() const {
    return m_withDepreciation ? 992 : 680;
}

HeadingGeometry DuzeltmeReport::headingGeometry() const {
    return geometryOf(m_withDepreciation);
}

PrintBand DuzeltmeReport::pageHeaderBand() const {
    PrintBand band;
    band.height = 36;
    addHeading(band, 36, 32, QStringLiteral("SN"), Qt::AlignLeft | Qt::AlignVCenter, false);
    addHeading(band, kCodeX, kCodeWidth, QStringLiteral("HESAP KODU"), Qt::AlignLeft | Qt::AlignVCenter);
    addHeading(band, kNameX, kNameWidth, QStringLiteral("HESAP ADI"), Qt::AlignLeft | Qt::AlignVCenter);
    addHeading(band, 322, 66, QStringLiteral("KAYIT TARİHİ"));
    const int amounts = m_withDepreciation ? 6 : 3;
    for (int i = 0; i < amounts; ++i)
        addHeading(band, kAmountColumns[i].x, kAmountWidth, QString::fromUtf8(kAmountColumns[i].heading));
    return band;
}

int DuzeltmeReport::rowCount() const {
    return m_list.rowCount();
}

PrintBand DuzeltmeReport::masterBand(int row) const {
    PrintBand band;
    band.height = 25;
    const int line = row + 1;
    addRowShading(band, line, 36, shadingRight());
    addDataCell(band, 36, 28, QString::number(line), Qt::AlignRight);
    PrintCell& code = addDataCell(band, kCodeX, kCodeWidth,
                                  m_list.value(row, MainAccount).toString() + QLatin1Char('.') +
                                      m_list.value(row, SubAccount).toString(),
                                  Qt::AlignLeft);
    code.wordWrap = true;
    code.breakAnywhere = true;
    code.grows = true;
    PrintCell& name =
        addDataCell(band, kNameX, kNameWidth, m_list.value(row, Name).toString(), Qt::AlignLeft);
    name.wordWrap = true;
    name.grows = true;
    addDataCell(band, 322, 66, dateText(m_list.value(row, EntryDate)), Qt::AlignRight);
    const int amounts = m_withDepreciation ? 6 : 3;
    for (int i = 0; i < amounts; ++i)
        addDataCell(band, kAmountColumns[i].x, kAmountWidth, amountText(m_list.value(row, Registered + i)),
                    Qt::AlignRight);
    return band;
}

PrintBand DuzeltmeReport::summaryBand() const {
    PrintBand band;
    band.height = 44;
    addSummaryCell(band, 36, 285, QStringLiteral("TOPLAM"), Qt::AlignLeft, true);
    addSummaryCell(band, 322, 66, QString(), Qt::AlignLeft);
    const bool hasTotals = m_totals.rowCount() > 0;
    const int amounts = m_withDepreciation ? 6 : 3;
    for (int i = 0; i < amounts; ++i)
        addSummaryCell(band, kAmountColumns[i].x, kAmountWidth,
                       hasTotals ? amountText(m_totals.value(0, i)) : QString(), Qt::AlignRight);
    return band;
}

PrintBand DuzeltmeReport::pageFooterBand(int page, int pages) const {
    return pageFooter(22, footerWidth(), QStringLiteral("Sayfa %1 / %2").arg(page).arg(pages));
}

DuzeltmeAmortReport::DuzeltmeAmortReport(const CompanyHeading& company, const Dataset& list,
                                         const Dataset& totals, const QDateTime& printedAt)
    : DuzeltmeReport(company, list, totals, printedAt, true) {}

} // namespace velkor
