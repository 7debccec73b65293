#pragma once

#include "base/FormModel.h"

#include <QStringList>

namespace velkor::test {

/// The controls a form holds against change, in the form's order: what a login that may
/// only read finds closed.
inline QStringList heldControls(const FormModel& form) {
    QStringList held;
    for (const QString& name : form.fieldNames()) {
        if (form.isHeld(name))
            held << name;
    }
    return held;
}

} // namespace velkor::test
