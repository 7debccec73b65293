#include "reports/RichReport.h"

#include "reports/PrintService.h"
#include "reports/ReportBands.h"

namespace velkor {

namespace {

constexpr double kTextX = 40;
constexpr double kTextWidth = 676;

} // namespace

RichReport::RichReport(const CompanyHeading& company, const QDateTime& printedAt)
    : HeadedReport(QPageLayout::Portrait, company, printedAt) {}

HeadingGeometry RichReport::headingGeometry() const {
    HeadingGeometry g;
    g.bandHeight = 100;
    g.nameWidth = 540;
    g.addressWidth = 448;
    g.addressHeight = 72;
    g.dateX = 624;
    g.dateY = 25;
    g.titleWidth = 0;
    return g;
}

PrintBand RichReport::pageHeaderBand() const {
    PrintBand band;
    band.height = 40;
    band.add(36, 3, 680, 34, m_title, reportFont(12, true), Qt::AlignHCenter | Qt::AlignVCenter);
    return band;
}

// The text object is drawn line by line, so that it breaks between lines onto the next
// page; row 0 is the rule along its top and the gap above it.
int RichReport::rowCount() const {
    return int(m_lines.size()) + 1;
}

PrintBand RichReport::masterBand(int row) const {
    PrintBand band;
    if (row == 0) {
        band.height = 16;
        PrintCell& rule = band.add(kTextX, 14, kTextWidth, 2, QString(), m_font, Qt::AlignLeft);
        rule.rules = PrintCell::TopRule;
        return band;
    }
    band.height = 0;
    PrintCell& line =
        band.add(kTextX, 0, kTextWidth, 0, m_lines.at(row - 1), m_font, Qt::AlignLeft | Qt::AlignTop);
    line.wordWrap = true;
    line.grows = true;
    return band;
}

PrintBand RichReport::summaryBand() const {
    return PrintBand{};
}

PrintBand RichReport::pageFooterBand(int page, int pages) const {
    PrintBand band = pageFooter(28, 680, QStringLiteral("Sayfa %1/%2").arg(page).arg(pages));
    band.cells.front().y = 2;
    band.cells.front().height = 24;
    return band;
}

PrintFont textBoxFont() {
    return PrintFont{QStringLiteral("Courier New"), 8, false};
}

void printTextBox(PrintService& service, const CompanyHeading& company, const QStringList& lines,
                  const PrintFont& font) {
    RichReport report(company, QDateTime::currentDateTime());
    report.setTextFont(font);
    report.setLines(lines);
    service.present(report);
}

void printTitledTextBox(PrintService& service, const CompanyHeading& company, const QString& title,
                        const QStringList& lines) {
    RichReport report(company, QDateTime::currentDateTime());
    report.setTitle(title);
    report.setLines(lines);
    service.present(report);
}

} // namespace velkor
