#pragma once

#include "engine/ExplanationText.h"
#include "engine/StockSheet.h"

#include <QStringList>
#include <optional>

namespace velkor {

/// What the explanation text of a stock item is made of.
struct StockText : ItemPosting {
    /// The sentences between the postings and the closing separator, in order.
    QStringList sentences;
};

/// The explanation text `DigerRich`: separator, the two postings (698 first and the item
/// credited for liability accounts, main account 300 and above), the sentences, separator.
QStringList stockExplanation(const StockText& text);

/// The method sentence of a computation: "Hesaplama Yöntemi olarak \"Gerçek Yöntem\" kullanılmıştır." ...
QString computedMethodSentence(StockMethod method);
/// The method sentence rebuilt from a stored `Hesaplama_Yontemi` key ("Gercek", "Basit",
/// "Devir"; any other key names no method).
QString storedMethodSentence(const QString& key);

/// The stored key of a method: "Gercek", "Basit" or "Devir".
QString stockMethodKey(StockMethod method);
/// The method of a stored key; nothing for an unknown key.
std::optional<StockMethod> stockMethodOfKey(const QString& key);

/// The numeric value of a main-account text (0 when it does not read as a number).
double mainAccountValue(const QString& mainAccount);

} // namespace velkor
