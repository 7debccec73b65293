#pragma once

#include <QProxyStyle>

namespace velkor {

/// The platform's style with room round the captions of push buttons: the plain styles
/// size a button to its text with hardly a margin, and Turkish captions in capitals
/// ("YENİ FİRMA EKLE") then touch the button's edges.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT

public:
    /// Free space left and right of a button's caption, in pixels.
    static constexpr int kButtonPadding = 12;

    ProgramStyle();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

    /// Gives the application this style (once; later calls do nothing).
    static void install();
};

} // namespace velkor
