#pragma once

#include <QString>

namespace velkor::ctl::updateprogress {

inline const QString Gauge1 = QStringLiteral("Gauge1");

} // namespace velkor::ctl::updateprogress
