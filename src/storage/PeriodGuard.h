#pragma once

#include "storage/Database.h"

#include <QString>
#include <vector>

namespace velkor {

// What the 31.12.2023 work has to know of the later periods, asked of the company database
// without knowing how periods are computed: whether one of them is closed (its values rest
// on the 31.12.2023 rows, which must then stay as they are) and whether open ones hold lines
// of a row that is being deleted.

/// The state word `donem.durum` holds for a closed period: "Kapandı".
extern const QString kClosedPeriodState;
/// "Bu kayıt kapanmış bir düzeltme döneminde kullanılıyor; önce dönemleri açınız."
extern const QString kClosedPeriodUseMessage;
/// "Bu kalem açık dönemlerde de silinecek. Devam edilsin mi?"
extern const QString kOpenPeriodDeletionQuestion;

/// Whether a later period of the company is closed ("Kapandı"). A file without the periods'
/// tables has none.
bool hasClosedPeriod(Database& db);
/// Whether the company has a later period that is not closed ("Açık" or "Yapılmadı").
bool hasOpenPeriod(Database& db);
/// Deletes the lines that open later periods hold of these 31.12.2023 rows; returns how many.
/// Runs inside the caller's transaction.
int removeOpenPeriodLines(Database& db, const std::vector<qint64>& itemIds);

} // namespace velkor
