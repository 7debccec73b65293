#pragma once

#include "reports/HeadedReport.h"

#include <QStringList>

namespace velkor {

/// The text report ("Yevmiye Yazdır" and the "Yazdır" of the item sheets): the company
/// heading, the report title at the top of every page and the text object `Rich1`,
/// which continues over as many pages as its lines need.
class RichReport : public HeadedReport {
public:
    RichReport(const CompanyHeading& company, const QDateTime& printedAt);

    QString name() const override { return QStringLiteral("RichReport"); }

    /// The text object `Rich1`: the font and size its lines are drawn in (those of the
    /// box the text comes from) and the lines themselves.
    void setTextFont(const PrintFont& font) { m_font = font; }
    void setLines(const QStringList& lines) { m_lines = lines; }
    const PrintFont& textFont() const { return m_font; }
    const QStringList& lines() const { return m_lines; }
    /// The title at the top of every page; the 31.12.2023 report's title unless set (a
    /// later period prints its own date).
    void setTitle(const QString& title) { m_title = title; }

protected:
    HeadingGeometry headingGeometry() const override;
    PrintBand pageHeaderBand() const override;
    int rowCount() const override;
    PrintBand masterBand(int row) const override;
    PrintBand summaryBand() const override;
    PrintBand pageFooterBand(int page, int pages) const override;
    double pageFooterHeight() const override { return 28; }

private:
    PrintFont m_font{QStringLiteral("Courier New"), 8, false};
    QStringList m_lines;
    QString m_title = kReportTitle;
};

class PrintService;

/// The font of the explanation and journal boxes (Courier New 8), which their fixed
/// columns are laid out for.
PrintFont textBoxFont();

/// Gives `RichReport` the lines of a text box in the box's font and presents it, headed
/// with the company and printed now.
void printTextBox(PrintService& service, const CompanyHeading& company, const QStringList& lines,
                  const PrintFont& font = textBoxFont());
/// The same under a title of its own at the top of every page.
void printTitledTextBox(PrintService& service, const CompanyHeading& company, const QString& title,
                        const QStringList& lines);

} // namespace velkor
