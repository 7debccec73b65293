#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace velkor {

/// The base month of a fixed asset: its index key, the date `YiUfeGirisDate` shows and
/// the revaluation sentence (empty with "MDVD Yok").
struct FixedAssetBaseMonth {
    int key = 0;
    QDate shownDate;
    QString revaluationSentence;
};

/// The revaluation date of a `MDVDCombo` text split as day.month.year (characters 1-2,
/// 4-5 and the last four); invalid when the text is not such a date.
QDate revaluationDateOf(const QString& comboText);
/// "Varlık daha önce " + combo text + " tarihinde MDVD yapılmıştır. Düzeltmede bu tarih esas alınmıştır."
QString revaluationSentence(const QString& comboText);
/// The base month: entries of 2004 and earlier take December 2004 (31.12.2004); with a
/// revaluation ("MDVD Var") the later of the entry and the revaluation month; otherwise
/// the entry month.
FixedAssetBaseMonth baseMonthOf(const QDate& entry, bool revalued, const QString& revaluationText);

} // namespace velkor
