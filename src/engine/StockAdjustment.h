#pragma once

#include "base/Prompt.h"
#include "engine/StockSheet.h"

#include <QDate>

namespace velkor {

class IndexLookup;

namespace stock {
inline const QString kTurnoverOnlyWithMethod =
    QStringLiteral("Devir hızı sadece Hesaplama Yöntemi Devir Hızı yöntemi seçildiğinde yapılabilir.");
inline const QString kNoOpeningOrClosingStock =
    QStringLiteral("Dönem başı ve dönem sonu toplamı 0 (SIFIR) olamaz!");
inline const QString kNoCostOfSales = QStringLiteral("Satılan malin maliyeti 0 (SIFIR) olamaz!");
inline const QString kTurnoverNotPositive = QStringLiteral("Devir hızı negatif sayı çıkamaz!");
inline const QString kNotAdjusted = QStringLiteral(
    "Düzeltme tamamlanamadığı için kayıt yapılmadı. Eksik veriyi tamamlayıp yeniden Düzelt'e basın.");
} // namespace stock

/// The base date of "Basit Ortalama": the last day of the month three months before the
/// adjustment month (30.09.2023 for 31.12.2023).
QDate simpleAverageBaseDate(const QDate& adjustmentDate);

/// The turnover of the sheet's period stocks and cost of sales: the rate in
/// `DevirHiziEdit`, the days in stock in `StoktaKalmaSureEdit`, and the adjustment date
/// less those days in `GirisTarihiDateS` and `YiUfeGirisDateS`. False when it stopped with
/// a message.
bool computeTurnover(StockSheet& sheet, const QDate& adjustmentDate, Prompt& prompt);

/// The stock adjustment of the sheet (`StokKatsayiBul`): base date by the method, the two
/// index values, coefficient (the simple average divides by the mean of both values),
/// adjusted amount with the adjusted real interest added, difference and explanation
/// text. A missing index value empties the results and the text and gives false.
bool computeStockAdjustment(StockSheet& sheet, const QDate& adjustmentDate, IndexLookup& index,
                            Prompt& prompt);

} // namespace velkor
