#pragma once

#include "ItemTableFixture.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "workspace/Workspace.h"

namespace velkor::test {

/// The item-table company with the workspace on it; `sheet` is its fixed-asset sheet.
class FixedAssetTest : public ItemTableTest {
protected:
    FixedAssetTest() {
        addCompany(QStringLiteral("SK"), QStringLiteral("Sabit Kıymet A.Ş."));
        workspace = std::make_unique<Workspace>(home.context());
        workspace->open();
    }

    IndexLookup& indexLookup() override { return workspace->indexLookup(); }
    InterestLookup& interestLookup() override { return workspace->interestLookup(); }

    FixedAssetSheet& sheet() { return workspace->fixedAssets(); }
    WorkspaceState& state() { return workspace->state(); }

    /// Types the item's register fields as the user does.
    void enterItem(const QString& account, const QString& code, const QString& name, const QDate& entry,
                   const QString& bookValue) {
        sheet().userSet(ctl::fixedasset::DuzeltmeAnaHesapCombo, account);
        sheet().userSet(ctl::fixedasset::KoduEdit, code);
        sheet().userSet(ctl::fixedasset::AdiEdit, name);
        sheet().setDate(ctl::fixedasset::GirisTarihiDate, entry);
        sheet().userSet(ctl::fixedasset::KayitliTutariEdit, bookValue);
    }

    QString field(const QString& name) { return sheet().text(name); }
    QStringList text() { return sheet().lines(ctl::fixedasset::SBKRich); }

    std::unique_ptr<Workspace> workspace;
};

} // namespace velkor::test
