#pragma once

#include "storage/Database.h"

namespace velkor {

/// Fills the tables of a new reference-rate database from the shipped data: YI_UFE
/// (a row a year), YI_UFE_Yeni (a row a month keyed by MonthKey), TEFE, Ortalama_Faiz
/// with its yearly average, Amortisman_Oranlari in the list's order; records the data version.
void fillReferenceData(Database& rates);

/// Rebuilds YI_UFE_Yeni from YI_UFE: every month of every year is updated in place or
/// appended; rows of other keys stay; a month without a value gives 0.
void DuzeltmeVeritabanAktar(Database& rates);

} // namespace velkor
