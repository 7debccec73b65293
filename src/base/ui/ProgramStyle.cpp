#include "base/ui/ProgramStyle.h"

#include <QApplication>

namespace velkor {

ProgramStyle::ProgramStyle() : QProxyStyle() {}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                     const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_PushButton)
        result.rwidth() += 2 * kButtonPadding;
    return result;
}

void ProgramStyle::install() {
    if (qobject_cast<ProgramStyle*>(QApplication::style()))
        return;
    // The application owns the style from here on.
    QApplication::setStyle(new ProgramStyle);
}

} // namespace velkor
