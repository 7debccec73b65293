#include "engine/ItemKeyRules.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"

#include <gtest/gtest.h>

namespace velkor::test {
namespace {

TEST(ItemKeyRulesTest, SheetControlsTakeTheirRule) {
    EXPECT_EQ(keyRuleOf(ctl::fixedasset::AmortSureEdit), KeyRule::Digits);
    EXPECT_EQ(keyRuleOf(ctl::stock::DonemiciSMMEdit), KeyRule::Amount);
    EXPECT_EQ(keyRuleOf(ctl::fixedasset::AdiEdit), KeyRule::Free);
}

} // namespace
} // namespace velkor::test
