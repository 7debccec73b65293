#include "workspace/ReadingLogin.h"

#include "engine/EquitySheet.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "periods/PeriodReadingLogin.h"
#include "workspace/RecordDeletion.h"
#include "workspace/RecordDeletionControls.h"
#include "workspace/Workspace.h"

namespace velkor {

namespace {

// Every control of an item sheet that carries a value of the item is an input of what
// "Kaydet" stores; only its labels and buttons are not.
void holdItemSheet(FormModel& sheet, const QStringList& buttons) {
    for (const QString& name : sheet.fieldNames()) {
        const FieldKind kind = sheet.kind(name);
        if (kind != FieldKind::Label && kind != FieldKind::Button)
            sheet.hold(name);
    }
    sheet.hold(buttons);
}

} // namespace

void holdWritingControls(Workspace& workspace) {
    holdItemSheet(workspace.fixedAssets(), {ctl::fixedasset::KaydetButton, ctl::fixedasset::YeniBut});
    holdItemSheet(workspace.stocks(), {ctl::stock::KaydetButtonS, ctl::stock::YeniButS});
    holdItemSheet(workspace.equity(), {ctl::equity::KaydetButtonO, ctl::equity::YeniButO});
    workspace.deletion().hold(QStringList{ctl::deletion::SabitSilCheck, ctl::deletion::StokSilCheck,
                                          ctl::deletion::OzkaynakSilCheck, ctl::deletion::TumunuSilCheck,
                                          ctl::deletion::KayitSilBut});
    holdPeriodWriting(workspace.period());
}

} // namespace velkor
