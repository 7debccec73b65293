#include "RecordingDevice.h"

#include "reports/BandedReport.h"

#include <QGuiApplication>
#include <QPaintEngineState>
#include <QTextItem>

namespace velkor::test {

namespace {

constexpr int kDpi = 300;
constexpr double kPixelsPerUnit = kDpi / 25.4 * kMillimetresPerUnit;

} // namespace

void ensureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_reports";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(RecordingDevice& device) : QPaintEngine(AllFeatures), m_device(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override {
        m_device.m_texts.push_back(
            {m_device.m_page, p.x() / kPixelsPerUnit, p.y() / kPixelsPerUnit, textItem.text()});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            const QRectF& r = rects[i];
            m_device.m_fills.push_back({m_device.m_page,
                                        QRectF(r.x() / kPixelsPerUnit, r.y() / kPixelsPerUnit,
                                               r.width() / kPixelsPerUnit, r.height() / kPixelsPerUnit),
                                        m_brush.color()});
        }
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            const QRectF r(rects[i]);
            drawRects(&r, 1);
        }
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

private:
    RecordingDevice& m_device;
    QBrush m_brush;
};

RecordingDevice::RecordingDevice() : m_engine(new RecordingEngine(*this)) {}

RecordingDevice::~RecordingDevice() {
    delete m_engine;
}

QPaintEngine* RecordingDevice::paintEngine() const {
    return m_engine;
}

bool RecordingDevice::newPage() {
    ++m_page;
    return true;
}

QStringList RecordingDevice::textsOf(int page) const {
    QStringList result;
    for (const DrawnText& t : m_texts)
        if (t.page == page)
            result << t.text;
    return result;
}

int RecordingDevice::count(const QString& text) const {
    int n = 0;
    for (const DrawnText& t : m_texts)
        n += t.text == text ? 1 : 0;
    return n;
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return 3600;
    case PdmWidthMM:
    case PdmHeightMM:
        return int(3600 * 25.4 / kDpi);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kDpi;
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace velkor::test
