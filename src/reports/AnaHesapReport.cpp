#include "reports/AnaHesapReport.h"

namespace velkor {

namespace {

/// The amount columns: their x, heading, and the column of both selections they show
/// (the per-account sums and the grand totals carry the same names).
struct AmountColumn {
    double x;
    const char* heading;
    const char* column;
};

const AmountColumn kAmountColumns[] = {
    {110, "KAYITLI DEĞERİ", "VUK_Son_DegeriT"},
    {211, "DÜZELTİLMİŞ \nDEĞERİ", "Duzeltilmis_TutarT"},
    {312, "ENFLASYON FARKI", "Enflasyon_FarkiT"},
    {413, "BİRİKMİŞ AMORTİSMAN", "vuk_birikmis_amortismanT"},
    {514, "DÜZELTİLMİŞ AMORTİSMAN", "Duzeltilmis_AmortismanT"},
    {615, "AMORTİSMAN FARKI", "Amortisman_FarkiT"},
};
constexpr int kAmountCount = 6;
constexpr double kAmountWidth = 100;

QStringList amountColumns() {
    QStringList columns;
    for (const AmountColumn& c : kAmountColumns)
        columns << QString::fromLatin1(c.column);
    return columns;
}

QStringList accountColumns() {
    return QStringList{QStringLiteral("anahesapkodu")} + amountColumns();
}

} // namespace

AnaHesapReport::AnaHesapReport(const CompanyHeading& company, const Dataset& accountTotals,
                               const Dataset& totals, const QDateTime& printedAt)
    : HeadedReport(QPageLayout::Portrait, company, printedAt), m_accounts(accountTotals, accountColumns()),
      m_totals(totals, amountColumns()) {}

HeadingGeometry AnaHesapReport::headingGeometry() const {
    HeadingGeometry g;
    g.bandHeight = 112;
    g.nameWidth = 452;
    g.addressWidth = 452;
    g.addressHeight = 48;
    g.dateX = 628;
    g.dateY = 1;
    g.titleY = 73;
    g.titleWidth = 680;
    return g;
}

PrintBand AnaHesapReport::pageHeaderBand() const {
    PrintBand band;
    band.height = 36;
    addHeading(band, 36, 32, QStringLiteral("SN"), Qt::AlignLeft | Qt::AlignVCenter, false);
    addHeading(band, 68, 40, QStringLiteral("ANA"), Qt::AlignLeft | Qt::AlignVCenter);
    for (const AmountColumn& c : kAmountColumns)
        addHeading(band, c.x, kAmountWidth, QString::fromUtf8(c.heading));
    return band;
}

int AnaHesapReport::rowCount() const {
    return m_accounts.rowCount();
}

PrintBand AnaHesapReport::masterBand(int row) const {
    PrintBand band;
    band.height = 25;
    const int line = row + 1;
    addRowShading(band, line, 36, 716);
    addDataCell(band, 36, 28, QString::number(line), Qt::AlignRight);
    addDataCell(band, 68, 36, m_accounts.value(row, 0).toString(), Qt::AlignLeft);
    for (int i = 0; i < kAmountCount; ++i)
        addDataCell(band, kAmountColumns[i].x, kAmountWidth, amountText(m_accounts.value(row, i + 1)),
                    Qt::AlignRight);
    return band;
}

PrintBand AnaHesapReport::summaryBand() const {
    PrintBand band;
    band.height = 44;
    addSummaryCell(band, 36, 61, QStringLiteral("TOPLAM"), Qt::AlignLeft, true);
    const bool hasTotals = m_totals.rowCount() > 0;
    for (int i = 0; i < kAmountCount; ++i)
        addSummaryCell(band, kAmountColumns[i].x, kAmountWidth,
                       hasTotals ? amountText(m_totals.value(0, i)) : QString(), Qt::AlignRight);
    return band;
}

PrintBand AnaHesapReport::pageFooterBand(int page, int pages) const {
    return pageFooter(22, 680, QStringLiteral("Sayfa %1 / %2").arg(page).arg(pages));
}

} // namespace velkor
