#pragma once

#include "periods/PeriodTypes.h"

namespace velkor {

// The coefficients of a later period. Each is the ratio of two Yİ-ÜFE values rounded to 5
// decimals; a period never chains the rounded coefficients of earlier periods.

/// "Yİ-ÜFE değeri bulunamadı: AA.YYYY. Endeks tablosunu güncelleyiniz." (The 31.12.2023
/// sheets keep their own shorter text.)
QString periodIndexMissingMessage(int monthKey);
/// The index value of the month of `date` (day ignored); throws ShownError with
/// `periodIndexMissingMessage` when the table lacks it or holds 0.
double periodIndex(const IndexValues& index, const QDate& date);

/// The carry coefficient TK = index(P's month) / index(Q's month), rounded to 5 decimals;
/// nothing when an index value is missing (`periodIndexMissingMessage` names the month).
std::optional<double> carryCoefficient(const IndexValues& index, const QDate& periodEnd,
                                       const QDate& previousEnd);
/// index(P's month) / index(`from`'s month): the entry coefficient of an item that came in
/// after Q, and the coefficient of an item adjusted again after a break. Throws like
/// `periodIndex`.
double periodCoefficient(const IndexValues& index, const QDate& periodEnd, const QDate& from);
/// The month the simple average takes as its beginning: Q's end ("Son düzeltme yapılan
/// dönem"), or the end of the provisional period three months before P's end.
QDate averageBaseMonth(AverageBase base, const QDate& periodEnd, const QDate& previousEnd);
/// index(P) / ((index(P) + index(B)) / 2) rounded to 5 decimals. Throws like `periodIndex`.
double simpleAverageCoefficient(const IndexValues& index, const QDate& periodEnd, const QDate& baseMonth);

} // namespace velkor
