#pragma once

#include "engine/ExplanationText.h"

#include <QString>
#include <QStringList>

namespace velkor {

/// The results of adjusting one fixed asset.
struct FixedAssetResult {
    double adjusted = 0.0;               ///< T
    double difference = 0.0;             ///< T − K
    double increaseRate = 0.0;           ///< r = (T − K) / K, not rounded
    double adjustedDepreciation = 0.0;   ///< DA
    double depreciationDifference = 0.0; ///< DA − A
};

/// T = RoundDecimals(C × N, 2) + D, r = (T − K) / K, DA = RoundDecimals((r + 1) × A, 2).
/// A book value of 0 gives all results 0 (the rate would be undefined).
FixedAssetResult adjustFixedAsset(double bookValue, double netValue, double coefficient, double adjustedReal,
                                  double accumulated);

/// The texts an explanation of a fixed asset is made of, as the fields show them.
struct FixedAssetExplanation {
    QString mainAccount;
    QString subAccount;
    QString name;
    QString difference;          ///< the adjustment difference (re-formatted as an amount)
    double netValue = 0.0;       ///< N
    QString coefficient;         ///< the coefficient text
    bool financingLines = false; ///< the two ROFM sentences
    FinancingMethod method = FinancingMethod::Debt;
    QString realInterest;
    QString realCoefficient;
    QString financingAmount;
    QString revaluationSentence;    ///< empty with "MDVD Yok"
    QString unamortised;            ///< text of `ROFM_Ayrilmamis_AmortEdit`; its line when above 0
    QString depreciationDifference; ///< the depreciation block appears when above 0
    QString accumulated;            ///< text of `BirikmisAmortEdit`
    double increaseRate = 0.0;      ///< r
};

/// The explanation text `SBKRich`: the asset against 698, the net-value sentence, the
/// financing, revaluation and unamortised-financing sentences, and when the depreciation
/// grew the 698 / 257 block with its sentence; separators around each block.
QStringList fixedAssetExplanation(const FixedAssetExplanation& e);

} // namespace velkor
