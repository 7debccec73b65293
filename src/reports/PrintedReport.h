#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

namespace velkor {

/// A document that draws its pages on a paged paint device, so that one drawing serves
/// the preview's printer and a PDF writer.
class PrintedReport {
public:
    virtual ~PrintedReport() = default;

    /// The layout's name (`DuzeltmeReport`, ...), for previews and file names.
    virtual QString name() const = 0;
    /// A4 in the layout's orientation without device margins: the layout keeps its own.
    virtual QPageLayout pageLayout() const = 0;
    /// Lays the pages out on the device (the first pass, which gives the page count) and
    /// draws them; the device must already have pageLayout(). Returns the page count.
    virtual int print(QPagedPaintDevice& device) = 0;
};

} // namespace velkor
