#pragma once

#include <QDate>

namespace velkor {

/// The key of a month: the year's digits followed by the month number without a leading
/// zero, read as an integer (202312 for December 2023, 20184 for April 2018).
int MonthKey(int year, int month);
int MonthKey(const QDate& date);

/// A month key as "mm.yyyy" for messages (20241 → "01.2024").
QString MonthKeyText(int key);

} // namespace velkor
