#pragma once

#include "periods/PeriodJournal.h"

#include <map>

namespace velkor::test {

/// The published Yİ-ÜFE values from December 2023 to December 2024 (as the reference table
/// holds them), looked up by month key.
inline IndexValues indexOf2024() {
    static const std::map<int, double> values{
        {202312, 2915.02}, {20241, 3035.59},  {20242, 3149.03},  {20243, 3252.79}, {20244, 3369.98},
        {20245, 3435.96},  {20246, 3483.25},  {20247, 3550.88},  {20248, 3610.51}, {20249, 3659.84},
        {202410, 3707.10}, {202411, 3731.43}, {202412, 3746.52}, {20251, 3861.33}, {20256, 4334.94}};
    return [](int key) -> std::optional<double> {
        const auto it = values.find(key);
        if (it == values.end())
            return std::nullopt;
        return it->second;
    };
}

inline const QDate kBase(2023, 12, 31);
inline const QDate kJune(2024, 6, 30);
inline const QDate kSeptember(2024, 9, 30);
inline const QDate kYearEnd(2024, 12, 31);

/// The context of period `end` after `previous` with the settings.
inline PeriodContext contextOf(const QDate& end, const QDate& previous, PeriodSettings settings = {}) {
    PeriodContext context;
    context.period.end = end;
    context.period.previousEnd = previous;
    context.period.settings = settings;
    context.previousEnd = previous;
    context.index = indexOf2024();
    return context;
}

inline PeriodSettings settingsWith(PeriodDepreciation depreciation) {
    PeriodSettings settings;
    settings.depreciation = depreciation;
    return settings;
}

/// A 31.12.2023 row as the carry rule reads it, adjusted to December 2023.
inline BaseRow baseRow(qint64 id, const QString& account, const QString& sub, double adjusted,
                       std::optional<double> adjustedDepreciation = std::nullopt, int life = 0) {
    BaseRow row;
    row.id = id;
    row.mainAccount = account;
    row.subAccount = sub;
    row.name = QStringLiteral("KALEM ") + sub;
    row.entryDate = QDate(2021, 3, 15);
    row.adjustedValue = adjusted;
    row.adjustedDepreciation = adjustedDepreciation;
    row.bookValue = adjusted / 2;
    row.adjustmentDate = kBase;
    row.usefulLife = life;
    row.depreciationMethod = QStringLiteral("Normal");
    return row;
}

/// The machine of the published example: 138.470,00 with an adjusted AD of 27.694,00, a
/// life of five years (rate 0,20), carried from 31.12.2023.
inline PeriodLine machine() {
    return *carryFromBase(baseRow(1, QStringLiteral("253"), QStringLiteral("001"), 138470.00, 27694.00, 5))
                .line;
}

/// A new item of `cost` that came in on `entry`.
inline PeriodLine newItem(const QString& account, const QString& sub, double cost, const QDate& entry,
                          int life = 0) {
    PeriodLine line;
    line.account = account;
    line.subAccount = sub;
    line.name = QStringLiteral("YENİ ") + sub;
    line.status = LineStatus::New;
    line.entryDate = entry;
    line.bookValue = cost;
    line.usefulLife = life;
    line.depreciationMethod = QStringLiteral("Normal");
    return line;
}

/// The lines of a computed period as the next period takes them.
inline std::vector<PeriodLine> carriedFrom(const std::vector<PeriodLine>& linesOfQ) {
    std::vector<PeriodLine> lines;
    qint64 id = 100;
    for (PeriodLine lineOfQ : linesOfQ) {
        lineOfQ.id = ++id;
        if (auto line = carryFromPrevious(lineOfQ))
            lines.push_back(*line);
    }
    return lines;
}

} // namespace velkor::test
