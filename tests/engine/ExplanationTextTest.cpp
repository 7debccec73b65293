#include "engine/ExplanationText.h"

#include <gtest/gtest.h>

namespace velkor::test {
namespace {

TEST(ExplanationTextTest, PostingLinesHaveFixedColumnsAndCutNothing) {
    const QString debit =
        debitLine(QStringLiteral("250.01"), QStringLiteral("Bina"), QStringLiteral("1.234,56"));
    EXPECT_EQ(debit.size(), 10 + 1 + 40 + 1 + 23);
    EXPECT_TRUE(debit.startsWith(QStringLiteral("250.01     Bina ")));
    EXPECT_TRUE(debit.endsWith(QStringLiteral(" 1.234,56")));
    EXPECT_EQ(creditLine(QStringLiteral("698"), QStringLiteral("X"), QStringLiteral("1")),
              QString(16, QLatin1Char(' ')) +
                  debitLine(QStringLiteral("698"), QStringLiteral("X"), QStringLiteral("1")));
    const QString longLabel = QStringLiteral("12345678901");
    EXPECT_TRUE(debitLine(longLabel, QString(), QString()).startsWith(longLabel + QLatin1Char(' ')));
}

TEST(ExplanationTextTest, LabelsSeparatorAndSentences) {
    EXPECT_EQ(itemLabel(QStringLiteral("253"), QStringLiteral("0001.0002")), QStringLiteral("253.0001.0"));
    EXPECT_EQ(itemDescription(QString(50, QLatin1Char('x')), 35).size(), 35);
    EXPECT_EQ(separatorLine(),
              QString(41, QLatin1Char('-')) + QStringLiteral("31/12/2023") + QString(41, QLatin1Char('-')));
    EXPECT_EQ(
        financingMethodSentence(FinancingMethod::TotalFinancing, QStringLiteral("1,00"), QStringLiteral("2")),
        QStringLiteral(
            "ROFM \"Toplam Finansman\" Yöntemi ile Reel Faiz (1,00) X (2) Katsayı ile Düzeltilmiştir."));
    EXPECT_EQ(reformattedAmount(QStringLiteral("1234,5")), QStringLiteral("1.234,50"));
    const QStringList credit =
        adjustmentPostings(QStringLiteral("340.1"), QStringLiteral("Avans"), QStringLiteral("5,00"), true);
    EXPECT_TRUE(credit.at(1).startsWith(QStringLiteral("698 ")));
    EXPECT_TRUE(credit.at(3).startsWith(QString(16, QLatin1Char(' ')) + QStringLiteral("340.1")));
}

} // namespace
} // namespace velkor::test
