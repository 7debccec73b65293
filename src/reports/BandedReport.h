#pragma once

#include "reports/PrintBand.h"
#include "reports/PrintedReport.h"

#include <QRectF>
#include <functional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace velkor {

/// The layout unit of the printed reports: the portrait A4 page is 752 units wide.
inline constexpr double kMillimetresPerUnit = 210.0 / 752.0;
/// The page margins of every layout, in units.
inline constexpr double kLeftMargin = 36;
inline constexpr double kTopMargin = 54;
inline constexpr double kBottomMargin = 54;

/// A banded layout: the report title once at the start, the page header at the top of
/// every page, one master-data band per row, the report summary once at the end and the
/// page footer at the bottom of every page. Bands with growing cells take the height of
/// their wrapped content; a band that does not fit above the footer moves to the next
/// page. The first pass places the bands and so gives the page count that the footer
/// shows in the second, drawing pass.
class BandedReport : public PrintedReport {
public:
    QPageLayout pageLayout() const override;
    int print(QPagedPaintDevice& device) override;
    /// The first pass alone: the number of pages the layout takes on the device.
    int pageCount(QPaintDevice& device) const;
    /// Both passes on any paint device whose origin is the page's top left corner;
    /// `newPage` starts the next page (false stops with an error).
    int render(QPaintDevice& device, const std::function<bool()>& newPage) const;

    /// The page size in units for the orientation.
    double pageWidth() const;
    double pageHeight() const;

protected:
    explicit BandedReport(QPageLayout::Orientation orientation);

    virtual PrintBand titleBand() const = 0;
    virtual PrintBand pageHeaderBand() const = 0;
    virtual int rowCount() const = 0;
    /// The master-data band of a row (0-based; its line number is row + 1).
    virtual PrintBand masterBand(int row) const = 0;
    virtual PrintBand summaryBand() const = 0;
    /// The footer of a page (from 1) of a document of `pages` pages.
    virtual PrintBand pageFooterBand(int page, int pages) const = 0;
    /// The footer's height, known before its texts are.
    virtual double pageFooterHeight() const = 0;

private:
    enum class BandKind { Title, Header, Master, Summary };
    struct Placement {
        BandKind kind;
        int row;
        double y;
        double height;
    };
    using Page = std::vector<Placement>;

    std::vector<Page> layOut(QPaintDevice& device) const;
    PrintBand band(BandKind kind, int row) const;

    QPageLayout::Orientation m_orientation;
};

/// The height a band takes on a device: its own height, or more when a growing cell's
/// wrapped text needs more.
double bandHeight(const PrintBand& band, QPaintDevice& device);
/// Draws a band with its top at `y` units and the given (grown) height.
void drawBand(QPainter& painter, QPaintDevice& device, const PrintBand& band, double y, double height);

} // namespace velkor
