#include "PeriodStorageFixture.h"
#include "periods/PeriodFixture.h"
#include "periods/PeriodWork.h"

#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// Under "Düzeltilmiş değerden yeniden" a quarter books depreciation outside its adjusted AD,
// and the next quarter of the year carries it from the stored line: the stored path through
// the quarters must end where the same path in memory ends.
TEST(PeriodCarryStorageTest, StoredQuartersCarryWhatTheYearBookedOutsideTheAD) {
    EarlierCompanyHome home;
    PeriodWork work(home.context());
    work.setClock([] { return QDateTime(QDate(2025, 2, 10), QTime(9, 30)); });
    Database& general = home.context().general().database();
    general.execute(QStringLiteral("INSERT INTO firmalar (kodu, firmaadi) VALUES (?, ?)"),
                    {QStringLiteral("ESK"), QStringLiteral("Eski Dosya A.Ş.")});
    general.execute(QStringLiteral("UPDATE firmalar SET brut_satis_2023 = ? WHERE kodu = ?"),
                    {60'000'000.0, QStringLiteral("ESK")});
    const PeriodSettings settings = settingsWith(PeriodDepreciation::FromAdjustedValue);
    ASSERT_TRUE(work.add(kJune, settings, home.prompt()));
    ASSERT_TRUE(work.add(kSeptember, home.prompt()));
    ASSERT_TRUE(work.add(kYearEnd, home.prompt()));

    std::vector<PeriodLine> memory = work.calculate(kJune).lines;
    computePeriod(contextOf(kJune, kBase, settings), memory);
    memory = carriedFrom(memory);
    computePeriod(contextOf(kSeptember, kJune, settings), memory);
    memory = carriedFrom(memory);
    computePeriod(contextOf(kYearEnd, kSeptember, settings), memory);

    work.close(kJune);
    work.close(kSeptember);
    const PeriodView stored = work.calculate(kYearEnd);
    int depreciated = 0;
    for (const PeriodLine& line : memory) {
        const auto same =
            std::find_if(stored.lines.begin(), stored.lines.end(), [&](const PeriodLine& other) {
                return other.baseItemId == line.baseItemId && other.account == line.account &&
                       other.subAccount == line.subAccount;
            });
        ASSERT_NE(same, stored.lines.end()) << line.account.toStdString();
        EXPECT_DOUBLE_EQ(same->adjustedValue, line.adjustedValue) << line.account.toStdString();
        EXPECT_DOUBLE_EQ(same->catchUp, line.catchUp) << line.account.toStdString();
        EXPECT_DOUBLE_EQ(same->closingAccumulated, line.closingAccumulated) << line.account.toStdString();
        if (line.catchUp != 0.0)
            ++depreciated;
    }
    EXPECT_GT(depreciated, 0);
}

} // namespace
