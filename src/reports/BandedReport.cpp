#include "reports/BandedReport.h"

#include "base/ShownError.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace velkor {

namespace {

/// Text keeps this distance from the left and right edges of its cell.
constexpr double kTextInset = 1;

struct Scale {
    double x;
    double y;

    explicit Scale(const QPaintDevice& device)
        : x(device.logicalDpiX() / 25.4 * kMillimetresPerUnit),
          y(device.logicalDpiY() / 25.4 * kMillimetresPerUnit) {}
};

QFont deviceFont(const PrintFont& font) {
    QFont f(printFace(font.family));
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    return f;
}

int textFlags(const PrintCell& cell) {
    if (!cell.wordWrap)
        return int(cell.alignment);
    return int(cell.alignment) | int(cell.breakAnywhere ? Qt::TextWrapAnywhere : Qt::TextWordWrap);
}

/// The height of a growing cell's text in units.
double contentHeight(const PrintCell& cell, QPaintDevice& device, const Scale& scale) {
    const QFontMetricsF metrics(deviceFont(cell.font), &device);
    const QRectF box(0, 0, (cell.width - 2 * kTextInset) * scale.x, 1e9);
    // An empty text still takes one line.
    const QString text = cell.text.isEmpty() ? QStringLiteral(" ") : cell.text;
    return metrics.boundingRect(box, textFlags(cell), text).height() / scale.y;
}

} // namespace

namespace {

/// How far each cell grows beyond its height and how far an earlier cell pushes it down.
struct CellGrowth {
    double grown = 0;
    double shift = 0;
};

std::vector<CellGrowth> cellGrowths(const PrintBand& band, QPaintDevice& device) {
    const Scale scale(device);
    std::vector<CellGrowth> growths(band.cells.size());
    for (size_t i = 0; i < band.cells.size(); ++i) {
        const PrintCell& cell = band.cells[i];
        if (cell.below >= 0 && size_t(cell.below) < i)
            growths[i].shift = growths[cell.below].shift + growths[cell.below].grown;
        if (cell.grows)
            growths[i].grown = std::max(0.0, contentHeight(cell, device, scale) - cell.height);
    }
    return growths;
}

} // namespace

double bandHeight(const PrintBand& band, QPaintDevice& device) {
    const std::vector<CellGrowth> growths = cellGrowths(band, device);
    double height = band.height;
    for (const CellGrowth& growth : growths)
        height = std::max(height, band.height + growth.shift + growth.grown);
    return height;
}

void drawBand(QPainter& painter, QPaintDevice& device, const PrintBand& band, double y, double height) {
    const Scale scale(device);
    const std::vector<CellGrowth> growths = cellGrowths(band, device);
    const double extra = height - band.height;
    for (size_t i = 0; i < band.cells.size(); ++i) {
        const PrintCell& cell = band.cells[i];
        const double top = y + cell.y + growths[i].shift;
        const double cellHeight =
            cell.stretches ? cell.height + extra : cell.height + (cell.grows ? growths[i].grown : 0);
        const QRectF box(cell.x * scale.x, top * scale.y, cell.width * scale.x, cellHeight * scale.y);
        if (cell.fill.isValid())
            painter.fillRect(box, cell.fill);
        if (cell.rules != PrintCell::NoRule) {
            const double thickness = cell.ruleWidth * scale.y;
            if (cell.rules & PrintCell::TopRule)
                painter.fillRect(QRectF(box.left(), box.top(), box.width(), thickness), Qt::black);
            if (cell.rules & PrintCell::BottomRule)
                painter.fillRect(QRectF(box.left(), box.bottom() - thickness, box.width(), thickness),
                                 Qt::black);
        }
        if (cell.text.isEmpty())
            continue;
        painter.setFont(deviceFont(cell.font));
        painter.setPen(Qt::black);
        const QRectF textBox = box.adjusted(kTextInset * scale.x, 0, -kTextInset * scale.x, 0);
        painter.drawText(textBox, textFlags(cell), cell.text);
    }
}

BandedReport::BandedReport(QPageLayout::Orientation orientation) : m_orientation(orientation) {}

QPageLayout BandedReport::pageLayout() const {
    return QPageLayout(QPageSize(QPageSize::A4), m_orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

double BandedReport::pageWidth() const {
    const double mm = m_orientation == QPageLayout::Portrait ? 210 : 297;
    return mm / kMillimetresPerUnit;
}

double BandedReport::pageHeight() const {
    const double mm = m_orientation == QPageLayout::Portrait ? 297 : 210;
    return mm / kMillimetresPerUnit;
}

PrintBand BandedReport::band(BandKind kind, int row) const {
    switch (kind) {
    case BandKind::Title:
        return titleBand();
    case BandKind::Header:
        return pageHeaderBand();
    case BandKind::Master:
        return masterBand(row);
    case BandKind::Summary:
        return summaryBand();
    }
    return {};
}

std::vector<BandedReport::Page> BandedReport::layOut(QPaintDevice& device) const {
    const double limit = pageHeight() - kBottomMargin - pageFooterHeight();
    std::vector<Page> pages;
    Page page;
    double y = kTopMargin;
    bool pageHasContent = false;

    auto put = [&](BandKind kind, int row, double height) {
        page.push_back({kind, row, y, height});
        y += height;
    };
    auto place = [&](BandKind kind, int row) {
        const double height = bandHeight(band(kind, row), device);
        if (y + height > limit && pageHasContent) {
            pages.push_back(std::move(page));
            page.clear();
            y = kTopMargin;
            put(BandKind::Header, -1, bandHeight(pageHeaderBand(), device));
        }
        put(kind, row, height);
        pageHasContent = true;
    };

    put(BandKind::Title, -1, bandHeight(titleBand(), device));
    put(BandKind::Header, -1, bandHeight(pageHeaderBand(), device));
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row)
        place(BandKind::Master, row);
    place(BandKind::Summary, -1);
    pages.push_back(std::move(page));
    return pages;
}

int BandedReport::pageCount(QPaintDevice& device) const {
    return static_cast<int>(layOut(device).size());
}

int BandedReport::print(QPagedPaintDevice& device) {
    return render(device, [&device] { return device.newPage(); });
}

int BandedReport::render(QPaintDevice& device, const std::function<bool()>& newPage) const {
    const std::vector<Page> pages = layOut(device);
    QPainter painter;
    if (!painter.begin(&device))
        throw ShownError(QStringLiteral("Rapor hazırlanamadı: sayfalar çizilemiyor."));
    const int total = static_cast<int>(pages.size());
    const double footerY = pageHeight() - kBottomMargin - pageFooterHeight();
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !newPage())
            throw ShownError(QStringLiteral("Rapor hazırlanamadı: yeni sayfa açılamadı."));
        for (const Placement& placed : pages[i])
            drawBand(painter, device, band(placed.kind, placed.row), placed.y, placed.height);
        const PrintBand footer = pageFooterBand(i + 1, total);
        drawBand(painter, device, footer, footerY, footer.height);
    }
    painter.end();
    return total;
}

} // namespace velkor
