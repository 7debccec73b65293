#include "engine/EquityStore.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/EquityExplanation.h"
#include "engine/EquitySheet.h"
#include "engine/EquitySheetControls.h"
#include "engine/ExplanationText.h"
#include "engine/ItemRowFields.h"
#include "engine/StockExplanation.h"
#include "engine/WorkspaceState.h"
#include "storage/Table.h"

namespace velkor {

namespace {

const ItemFields& kFields = kEquityFields;

} // namespace

qint64 saveEquitySheet(const EquitySheet& sheet, const QDate& adjustmentDate, Table& table) {
    return saveItemRow(
        table, sheet.text(kFields.record),
        [&] {
            writeRegisterColumns(table, sheet, kFields, adjustmentDate);
            writeResultColumns(table, sheet, kFields);
            table.setValue(QStringLiteral("Hesaplama_Yontemi"), capitalKindKey(sheet.capitalKind()));
            table.setValue(QStringLiteral("SBK_Diger"), QStringLiteral("Diger"));
        },
        &sheet.shownRow());
}

void loadEquitySheet(EquitySheet& sheet, WorkspaceState& state, const Dataset& row) {
    const QString mainAccount = row.text(QStringLiteral("anahesapkodu"));
    const bool capital = mainAccountValue(mainAccount) == 500;
    sheet.setVisible(ctl::equity::SermayeGroup, capital);
    sheet.setVisible(ctl::equity::SermayeAciklaGroup, capital);

    loadRegisterFields(sheet, kFields, state, row);

    const QString key = row.text(QStringLiteral("Hesaplama_Yontemi"));
    const std::optional<CapitalKind> kind = capitalKindOfKey(key);
    if (kind)
        sheet.selectCapitalKind(*kind);

    loadResultFields(sheet, kFields, row);

    EquityText text;
    readStoredPosting(text, row);
    text.fromRevaluationFunds = kind == CapitalKind::From522;
    if (kind)
        text.capitalSentence = capitalKindSentence(*kind);
    sheet.setLines(ctl::equity::OzkaynakRich, equityExplanation(text));
}

} // namespace velkor
