#pragma once

#include <QString>

namespace velkor::test {

/// The argument of a command-line step that gives a control a text, as in `--set KoduEdit=01`;
/// built from the control's constant so that a mistyped name fails to compile.
inline QString stepArg(const QString& control, const QString& text) {
    return control + QLatin1Char('=') + text;
}

} // namespace velkor::test
