#include "base/AmountKeyRules.h"

#include <gtest/gtest.h>

namespace velkor::test {
namespace {

QString typed(const QString& keys, QString text = {}) {
    for (QChar key : keys) {
        const KeyOutcome out = amountKey(text, static_cast<int>(text.size()), key);
        if (out.accepted)
            text = out.text;
    }
    return text;
}

TEST(AmountKeyRulesTest, DigitsAreGroupedAsTheyAreTyped) {
    EXPECT_EQ(typed(QStringLiteral("1234567")), QStringLiteral("1.234.567"));
    EXPECT_EQ(typed(QStringLiteral("1234567,89")), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(typed(QStringLiteral("1000,5")), QStringLiteral("1.000,5"));
}

TEST(AmountKeyRulesTest, BackspaceRegroups) {
    EXPECT_EQ(typed(QStringLiteral("\b"), QStringLiteral("1.234")), QStringLiteral("123"));
    EXPECT_EQ(typed(QStringLiteral("\b"), QStringLiteral("12.345")), QStringLiteral("1.234"));
    EXPECT_EQ(typed(QStringLiteral("\b\b"), QStringLiteral("1.234,56")), QStringLiteral("1.234,"));
}

TEST(AmountKeyRulesTest, RefusedKeys) {
    EXPECT_EQ(typed(QStringLiteral("12a-3")), QStringLiteral("123"));
    EXPECT_EQ(typed(QStringLiteral("12,3,4")), QStringLiteral("12,34"));
    EXPECT_EQ(typed(QStringLiteral("5"), QStringLiteral("1,25")), QStringLiteral("1,25"));
    const KeyOutcome enter = amountKey(QStringLiteral("1,25"), 4, kEnterKey);
    EXPECT_TRUE(enter.accepted);
    EXPECT_EQ(enter.text, QStringLiteral("1,25"));
}

TEST(AmountKeyRulesTest, TheCaretKeepsItsDistanceFromTheEnd) {
    const KeyOutcome out = amountKey(QStringLiteral("1234"), 2, QChar(u'9'));
    EXPECT_EQ(out.text, QStringLiteral("12.934"));
    EXPECT_EQ(out.caret, 4);
}

TEST(AmountKeyRulesTest, DigitFieldsTakeOnlyDigits) {
    EXPECT_FALSE(digitsKey(QStringLiteral("12"), 2, QChar(u',')).accepted);
    EXPECT_EQ(digitsKey(QStringLiteral("12"), 2, QChar(u'3')).text, QStringLiteral("123"));
}

TEST(AmountKeyRulesTest, LeavingAndEnteringAField) {
    EXPECT_EQ(amountTextOnLeave(QStringLiteral("1234,5")), QStringLiteral("1.234,50"));
    EXPECT_EQ(amountTextOnLeave(QStringLiteral("0")), QString());
    EXPECT_EQ(amountTextOnLeave(QStringLiteral("-5")), QString());
    EXPECT_EQ(amountTextOnEnter(QStringLiteral("1.234,50")), QStringLiteral("1234,5"));
    EXPECT_EQ(amountTextOnEnter(QStringLiteral("1.234,00")), QStringLiteral("1234"));
    // A pasted text that is no number stays for the user to mend; entering the field again
    // must not raise the error that leaving it already showed.
    EXPECT_EQ(amountTextOnEnter(QStringLiteral("1,2,3")), QStringLiteral("1,2,3"));
}

} // namespace
} // namespace velkor::test
