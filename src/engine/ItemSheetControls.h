#pragma once

#include "base/FormModel.h"
#include "engine/ItemRowFields.h"

namespace velkor {

/// The explanation text a sheet shows before its first computation: the date between
/// two runs of 35 "-", five empty lines, and the same line again.
QStringList blankExplanation();

/// Declares the register controls of the stock and equity sheets in screen order: record
/// number, account list, code, name, entry date (01.01.2005), the disabled base date
/// (31.12.2004), book value, both index values and the coefficient.
void addRegisterControls(FormModel& sheet, const ItemFields& fields, const QStringList& accounts,
                         const QString& firstAccount);
/// Declares the adjusted amount and the inflation difference.
void addResultControls(FormModel& sheet, const ItemFields& fields);
/// The names of an item sheet's buttons and explanation text.
struct ItemButtons {
    QString adjust; ///< "Düzelt"
    QString save;   ///< "Kaydet"
    QString fresh;  ///< "Yeni"
    QString print;  ///< "Yazdır"
    QString text;   ///< the explanation text
};
/// Declares "Düzelt", "Kaydet", "Yeni", the print button and the explanation text, which
/// starts as `blankExplanation()`.
void addItemButtons(FormModel& sheet, const ItemButtons& names);
/// Leaving any of the edits shows its text as an amount.
void reformatAmountsOnLeave(FormModel& sheet, const QStringList& edits);

} // namespace velkor
