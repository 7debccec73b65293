#include "engine/FixedAssetBaseMonth.h"

#include "engine/MonthKey.h"

namespace velkor {

QDate revaluationDateOf(const QString& comboText) {
    if (comboText.size() < 10)
        return {};
    return QDate(comboText.right(4).toInt(), comboText.mid(3, 2).toInt(), comboText.left(2).toInt());
}

QString revaluationSentence(const QString& comboText) {
    return QStringLiteral("Varlık daha önce ") + comboText +
           QStringLiteral(" tarihinde MDVD yapılmıştır. Düzeltmede bu tarih esas alınmıştır.");
}

FixedAssetBaseMonth baseMonthOf(const QDate& entry, bool revalued, const QString& revaluationText) {
    FixedAssetBaseMonth base;
    if (entry.year() <= 2004) {
        base.key = 200412;
        base.shownDate = QDate(2004, 12, 31);
    }
    if (revalued) {
        base.revaluationSentence = revaluationSentence(revaluationText);
        const QDate revaluation = revaluationDateOf(revaluationText);
        if (revaluation.year() < entry.year() ||
            (revaluation.year() == entry.year() && entry.month() > revaluation.month())) {
            base.key = MonthKey(entry);
            base.shownDate = entry;
        } else {
            base.key = MonthKey(revaluation.year(), revaluation.month());
            base.shownDate = revaluation;
        }
    } else if (entry.year() >= 2005) {
        base.key = MonthKey(entry);
        base.shownDate = entry;
    }
    return base;
}

} // namespace velkor
