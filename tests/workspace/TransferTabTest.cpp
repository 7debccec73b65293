#include "support/TestSupport.h"
#include "vouchers/TransferSheet.h"
#include "vouchers/TransferSheetControls.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

TEST(TransferTabTest, WorkspaceButtonWritesTheVoucherAndKeepsOptions) {
    TempHome home;
    home.addCompany(QStringLiteral("TR"), QStringLiteral("Aktarım A.Ş."));
    Workspace workspace(home.context());
    workspace.open();
    TransferSheet& tab = workspace.transfer();
    tab.userSet(ctl::transfer::AyiracEdit, QStringLiteral("-"));
    home.prompt().addFile(home.home() + QStringLiteral("bos"));
    tab.click(ctl::transfer::MikroTransferFisiBut);
    // An empty company gives an empty Mikro file; the options stay as set.
    EXPECT_TRUE(QFile::exists(home.home() + QStringLiteral("bos.csv")));
    EXPECT_EQ(QFile(home.home() + QStringLiteral("bos.csv")).size(), 0);
    EXPECT_EQ(home.prompt().texts(), QStringList{QStringLiteral("Fiş dosyası kaydedildi:\n") + home.home() +
                                                 QStringLiteral("bos.csv")});
    home.prompt().clearShown();
    workspace.open();
    EXPECT_EQ(tab.text(ctl::transfer::AyiracEdit), QStringLiteral("-"));

    // An error inside a button reaches the general error display instead of escaping.
    tab.userSet(ctl::transfer::EvrakilkSayiEdit, QStringLiteral("1,2,3"));
    home.prompt().addFile(home.home() + QStringLiteral("hata.csv"));
    tab.click(ctl::transfer::LogoXMLBut);
    tab.click(ctl::transfer::LucaTransferFisiBut);
    EXPECT_FALSE(home.prompt().shown().empty());
}

} // namespace
} // namespace velkor::test
