#include "engine/EquitySheet.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "periods/PeriodSheet.h"
#include "periods/PeriodSheetControls.h"
#include "periods/PeriodStorageFixture.h"
#include "periods/PeriodWork.h"
#include "support/HeldControls.h"
#include "vouchers/TransferSheet.h"
#include "workspace/RecordDeletion.h"
#include "workspace/RecordDeletionControls.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

namespace velkor::test {
namespace {

QStringList heldButtons(const FormModel& form) {
    QStringList held;
    for (const QString& name : heldControls(form)) {
        if (form.kind(name) == FieldKind::Button)
            held << name;
    }
    return held;
}

// The later period's tab of an earlier release's company with an informational period of
// 31.03.2024 added, as the workspace of a login that may only read or may write shows it.
class ReadingLoginWorkspaceTest : public ::testing::Test {
protected:
    ReadingLoginWorkspaceTest() {
        home.context().general().database().execute(
            QStringLiteral("INSERT INTO firmalar (kodu, firmaadi) VALUES (?, ?)"),
            {QStringLiteral("ESK"), QStringLiteral("Eski Dosya A.Ş.")});
        home.prompt().addAnswer(Yes);
        PeriodWork(home.context()).add(kMarch, home.prompt());
        home.prompt().clearShown();
    }

    std::unique_ptr<Workspace> workspace(bool readingOnly) {
        home.context().setReadingLogin(readingOnly);
        auto made = std::make_unique<Workspace>(home.context());
        made->open();
        made->choosePeriod(QStringLiteral("31.03.2024"));
        return made;
    }

    const QDate kMarch{2024, 3, 31};
    EarlierCompanyHome home;
};

TEST_F(ReadingLoginWorkspaceTest, TheItemSheetsKeepTheirInputsAndOnlySaveAndNewHeld) {
    const auto ws = workspace(true);
    const std::vector<std::pair<FormModel*, QStringList>> sheets{
        {&ws->fixedAssets(), {ctl::fixedasset::KaydetButton, ctl::fixedasset::YeniBut}},
        {&ws->stocks(), {ctl::stock::KaydetButtonS, ctl::stock::YeniButS}},
        {&ws->equity(), {ctl::equity::KaydetButtonO, ctl::equity::YeniButO}},
    };
    for (const auto& [sheet, buttons] : sheets) {
        EXPECT_EQ(heldButtons(*sheet), buttons);
        for (const QString& name : sheet->fieldNames()) {
            const FieldKind kind = sheet->kind(name);
            if (kind != FieldKind::Label && kind != FieldKind::Button) {
                EXPECT_FALSE(sheet->isUserEditable(name)) << name.toStdString();
            }
        }
    }
    // Computing on the screen and printing stay.
    for (const QString& name : {ctl::fixedasset::DuzeltBut, ctl::fixedasset::AmortHesaplaBut,
                                ctl::fixedasset::ROFMHesapla, ctl::fixedasset::YazSBKBut})
        EXPECT_TRUE(ws->fixedAssets().isEnabled(name)) << name.toStdString();
    EXPECT_TRUE(ws->stocks().isEnabled(ctl::stock::DuzeltButS));
    EXPECT_TRUE(ws->equity().isEnabled(ctl::equity::DuzeltButO));
    // The list, the reports, the journal and the vouchers are reading.
    EXPECT_EQ(heldControls(ws->state()), QStringList());
    EXPECT_EQ(heldControls(ws->transfer()), QStringList());
    EXPECT_EQ(heldControls(ws->deletion()),
              (QStringList{ctl::deletion::SabitSilCheck, ctl::deletion::StokSilCheck,
                           ctl::deletion::OzkaynakSilCheck, ctl::deletion::TumunuSilCheck,
                           ctl::deletion::KayitSilBut}));
}

TEST_F(ReadingLoginWorkspaceTest, AnOpenPeriodShowsItsReportsButNothingThatChangesIt) {
    const auto ws = workspace(true);
    PeriodSheet& period = ws->period();
    ASSERT_GT(period.rowCount(), 0);
    namespace c = ctl::period;
    EXPECT_EQ(heldButtons(period),
              (QStringList{c::YeniKalemBut, c::KalemEkleBut, c::KaydetBut, c::DonemKapatBut, c::DonemAcBut}));
    // Opening a line switches the editor's states; the held ones stay closed.
    period.selectLine(0);
    for (const QString& name :
         {c::KaydetBut, c::YeniKalemBut, c::KalemDonemAmortEdit, c::DonemAmortismaniCombo, c::BeyanCheck})
        EXPECT_FALSE(period.isUserEditable(name) ||
                     (period.kind(name) == FieldKind::Button && period.isEnabled(name)))
            << name.toStdString();
    for (int column = 0; column < period.gridHeaders().size(); ++column)
        EXPECT_FALSE(period.isCellEditable(0, column)) << column;
    for (const QString& name :
         {c::HesaplaBut, c::RaporYazBut, c::RaporExcelBut, c::DonemYevmiyeBut, c::FisAktarBut})
        EXPECT_TRUE(period.isEnabled(name)) << name.toStdString();
    EXPECT_TRUE(home.prompt().texts().isEmpty())
        << home.prompt().texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(ReadingLoginWorkspaceTest, ANewPeriodIsNotAddedForALoginThatMayOnlyRead) {
    const auto ws = workspace(true);
    ws->choosePeriod(QStringLiteral("30.06.2024"));
    ASSERT_FALSE(home.prompt().texts().isEmpty());
    EXPECT_EQ(
        home.prompt().texts().back(),
        QStringLiteral("Yalnızca okuma yetkiniz var: 30.06.2024 dönemi eklenmemiş; yeni dönem eklenemez."));
    EXPECT_EQ(ws->period().work().periods().size(), 1u);
    EXPECT_EQ(ws->state().text(ctl::workspace::DuzeltmeDonemiCombo), QStringLiteral("31.03.2024"));
}

TEST_F(ReadingLoginWorkspaceTest, ALoginThatMayWriteHasNothingHeld) {
    const auto ws = workspace(false);
    for (const FormModel* form : std::initializer_list<const FormModel*>{
             &ws->fixedAssets(), &ws->stocks(), &ws->equity(), &ws->deletion(), &ws->period(), &ws->state()})
        EXPECT_EQ(heldControls(*form), QStringList()) << form->name().toStdString();
    EXPECT_TRUE(ws->period().isEnabled(ctl::period::KaydetBut));
    bool anyCell = false;
    for (int column = 0; column < ws->period().gridHeaders().size(); ++column)
        anyCell = anyCell || ws->period().isCellEditable(0, column);
    EXPECT_TRUE(anyCell);
}

} // namespace
} // namespace velkor::test
