#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QStringList>
#include <vector>

namespace velkor::test {

/// Makes sure a GUI application (offscreen) exists, as drawing text with fonts needs.
void ensureGuiApplication();

/// One text drawn: its page (from 1), its baseline position in units and the text.
struct DrawnText {
    int page;
    double x;
    double y;
    QString text;
};

/// One filled rectangle: its page, the rectangle in units and its colour.
struct FilledRect {
    int page;
    QRectF rect;
    QColor colour;
};

/// A paint device that records what is drawn on it instead of drawing: the texts and
/// the filled rectangles, page by page, in layout units (A4 at 300 dpi).
class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice();
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    /// Starts the next page (what the renderer's newPage does).
    bool newPage();

    int pages() const { return m_page; }
    const std::vector<DrawnText>& texts() const { return m_texts; }
    const std::vector<FilledRect>& fills() const { return m_fills; }
    /// The texts of one page in drawing order.
    QStringList textsOf(int page) const;
    /// How many times a text was drawn over the whole document.
    int count(const QString& text) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class RecordingEngine;
    class RecordingEngine* m_engine;
    int m_page = 1;
    std::vector<DrawnText> m_texts;
    std::vector<FilledRect> m_fills;
};

} // namespace velkor::test
