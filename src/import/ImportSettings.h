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

/// Sets every edit to its key's value (empty when missing) and ticks a box only for "1";
/// without a file yet, proposes the usual mapping instead.
void load(FormModel& form, const QString& path);
/// The mapping of the usual list, as accounting programs export it: the full account code
/// (main account in its first three characters), name, entry date, debit, credit, useful
/// life, method, accumulated depreciation and its account, in columns 1 to 9.
void proposeUsualMapping(FormModel& form);
/// Writes the edits, then the boxes.
void save(const FormModel& form, const QString& path);

} // namespace importsettings

} // namespace velkor
