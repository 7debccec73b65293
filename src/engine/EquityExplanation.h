#pragma once

#include "engine/EquitySheet.h"
#include "engine/ExplanationText.h"

#include <QStringList>
#include <optional>

namespace velkor {

/// What the explanation text of an equity item is made of.
struct EquityText : ItemPosting {
    /// Whether the item is a capital increase from 522/523/524 (radio, or stored key "522").
    bool fromRevaluationFunds = false;
    /// The "Varlık Net Değeri" sentence; empty when the text is rebuilt from a stored row.
    QString netValueSentence;
    /// The capital-kind sentence; empty when none was prepared.
    QString capitalSentence;
};

/// The explanation text `OzkaynakRich`: separator, the postings (698 debited and the item
/// credited, except for capital increases from 522/523/524 where the item is debited),
/// the sentences, separator.
QStringList equityExplanation(const EquityText& text);
/// The item label: "502." + sub-account for capital "500" ("503." for increases from
/// 522/523/524), else main account + "." + sub-account; the first 10 characters.
QString equityItemLabel(const QString& mainAccount, const QString& subAccount, bool fromRevaluationFunds);

/// The stored key of a capital kind: "Nakti", "Ayni", "525", "NormalBirlesme", "Bolunme", "549", "522".
QString capitalKindKey(CapitalKind kind);
/// The capital kind of a stored key; nothing for any other text.
std::optional<CapitalKind> capitalKindOfKey(const QString& key);
/// The explanation sentence of a capital kind.
QString capitalKindSentence(CapitalKind kind);

} // namespace velkor
