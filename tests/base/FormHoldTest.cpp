#include "base/FormModel.h"

#include <gtest/gtest.h>

namespace velkor {
namespace {

// The names of a test form, not of any window.
const QString kSave = QStringLiteral("SaklaBut");
const QString kName = QStringLiteral("AdEdit");
const QString kTick = QStringLiteral("SecimCheck");
const QString kWhen = QStringLiteral("TarihDate");
const QString kAccount = QStringLiteral("HesapCombo");

class FormHoldTest : public ::testing::Test {
protected:
    FormHoldTest() {
        form.addButton(kSave, QStringLiteral("Sakla"));
        form.addEdit(kName, QStringLiteral("Demirbaş"));
        form.addCheck(kTick, false);
        form.addDate(kWhen, QDate(2023, 12, 31));
        form.addCombo(kAccount, {QStringLiteral("253"), QStringLiteral("255")}, QStringLiteral("253"));
        form.onClick(kSave, [this] { ++saves; });
        for (const QString& name : {kSave, kName, kTick, kWhen, kAccount})
            form.hold(name);
    }

    FormModel form{QStringLiteral("TDenemeF")};
    int saves = 0;
};

TEST_F(FormHoldTest, HeldControlsStayClosedWhateverTheFormSetsLater) {
    // The form's own switching, as after loading a row, does not open them again.
    for (const QString& name : {kSave, kName, kTick, kWhen, kAccount}) {
        form.setEnabled(name, true);
        form.setReadOnly(name, false);
        EXPECT_FALSE(form.isUserEditable(name)) << name.toStdString();
        EXPECT_TRUE(form.isHeld(name));
    }
    // Fields that show text stay readable and copyable; the others are disabled.
    EXPECT_TRUE(form.isReadOnly(kName));
    EXPECT_TRUE(form.isEnabled(kName));
    EXPECT_TRUE(form.isReadOnly(kWhen));
    EXPECT_FALSE(form.isEnabled(kSave));
    EXPECT_FALSE(form.isEnabled(kTick));
    EXPECT_FALSE(form.isEnabled(kAccount));
    // The program still shows values in them.
    form.setText(kName, QStringLiteral("Bina"));
    EXPECT_EQ(form.text(kName), QStringLiteral("Bina"));
}

TEST_F(FormHoldTest, EveryFrontEndIsRefusedAHeldControl) {
    EXPECT_EQ(form.userActRefusal(kSave),
              QStringLiteral("SaklaBut alanı şu anda kullanılamaz (devre dışı)."));
    EXPECT_EQ(form.userSetRefusal(kName, QStringLiteral("x")),
              QStringLiteral("AdEdit alanı salt okunur; değiştirilemez."));
    EXPECT_FALSE(form.userSetRefusal(kTick, QStringLiteral("1")).isEmpty());
    EXPECT_FALSE(form.userSetRefusal(kAccount, QStringLiteral("255")).isEmpty());
    EXPECT_EQ(saves, 0);
}

TEST(FormHold, HoldingTellsTheWindowOnceAndLeavesOtherControlsAlone) {
    FormModel form(QStringLiteral("TDenemeF"));
    form.addButton(kSave, QStringLiteral("Sakla"));
    form.addEdit(kName);
    int changes = 0;
    QObject::connect(&form, &FormModel::fieldChanged, [&changes] { ++changes; });
    form.hold(kSave);
    form.hold(kSave);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(form.isHeld(kName));
    EXPECT_TRUE(form.isUserEditable(kName));
}

} // namespace
} // namespace velkor
