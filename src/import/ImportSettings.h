#pragma once

#include "base/FormModel.h"

namespace velkor {

/// The column edits and the six boxes of the import window kept in "ExcelAktarAyar.ini",
/// section [ExcelAyar]: edits as their texts, boxes "1" ticked and "2" not.
namespace importsettings {

/// The file's name in the installation folder.
inline const QString kFileName = QStringLiteral("ExcelAktarAyar.ini");

/// The edit keys in the order written.
const QStringList& editKeys();
/// The box keys in the order written.
const QStringList& checkKeys();

/// Sets every edit to its key's value (empty when missing) and ticks a box only for "1".
void load(FormModel& form, const QString& path);
/// Writes the edits, then the boxes.
void save(const FormModel& form, const QString& path);

} // namespace importsettings

} // namespace velkor
