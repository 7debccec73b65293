#include "engine/ItemKeyRules.h"

#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheetControls.h"

#include <QStringList>

namespace velkor {

KeyRule keyRuleOf(const QString& control) {
    static const QStringList amounts{ctl::fixedasset::KayitliTutariEdit, ctl::fixedasset::BirikmisAmortEdit,
                                     ctl::fixedasset::ROFMAnaparaEdit,   ctl::fixedasset::ROFMFaizEdit,
                                     ctl::stock::KayitliTutariEditS,     ctl::stock::ROFMAnaparaEditS,
                                     ctl::stock::ROFMFaizEditS,          ctl::stock::DBasiStokEdit,
                                     ctl::stock::DSonuStokEdit,          ctl::stock::DonemiciSMMEdit,
                                     ctl::equity::KayitliTutariEditO};
    static const QStringList digits{ctl::fixedasset::Kayit_No_Edit, ctl::stock::Kayit_No_EditS,
                                    ctl::equity::Kayit_No_EditO, ctl::fixedasset::AmortSureEdit};
    if (amounts.contains(control))
        return KeyRule::Amount;
    if (digits.contains(control))
        return KeyRule::Digits;
    return KeyRule::Free;
}

void applyItemKeyRules(FormModel& sheet) {
    for (const QString& name : sheet.fieldNames())
        sheet.setKeyRule(name, keyRuleOf(name));
}

} // namespace velkor
