#include "registry/CompanyRegistry.h"
#include "registry/RegistrationFormControls.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

class CompanyRegistryTest : public ::testing::Test {
protected:
    void fill(const QString& code, const QString& name) {
        registry.yeniFirma();
        registry.form().userSet(ctl::registration::KoduEdit, code);
        registry.form().userSet(ctl::registration::FirmaAdiEdit, name);
    }
    QString dataFile(const QString& code) const {
        return home.home() + QStringLiteral("Data/") + code + ".mdb";
    }
    int registryRows() {
        return home.context()
            .general()
            .database()
            .scalar(QStringLiteral("SELECT count(*) FROM firmalar"))
            .toInt();
    }

    test::TempHome home;
    CompanyRegistry registry{home.context()};
};

TEST_F(CompanyRegistryTest, CreatesCompanyDatabaseRowAndCaptions) {
    QStringList entered;
    registry.setCompanyEntered([&](const QString& code, const QString& name) { entered << code << name; });
    fill(QStringLiteral("ABC"), QStringLiteral("Deneme A.Ş."));
    registry.form().userSet(ctl::registration::SehirEdit, QStringLiteral("İzmir"));
    registry.form().click(ctl::registration::kaydetBut);

    EXPECT_TRUE(home.prompt().shown().empty());
    EXPECT_TRUE(QFileInfo::exists(dataFile(QStringLiteral("ABC"))));
    EXPECT_EQ(registry.form().text(ctl::registration::Sira_No_Edit), QStringLiteral("1"));
    EXPECT_TRUE(registry.form().isReadOnly(ctl::registration::KoduEdit));
    EXPECT_EQ(
        home.context().general().database().scalar(QStringLiteral("SELECT il FROM firmalar")).toString(),
        QStringLiteral("İzmir"));
    EXPECT_EQ(home.context().company().filePath(), dataFile(QStringLiteral("ABC")));
    EXPECT_EQ(entered, (QStringList{QStringLiteral("ABC"), QStringLiteral("Deneme A.Ş.")}));
}

TEST_F(CompanyRegistryTest, RefusesEmptyFieldsExistingFilesAndUnsafeCodes) {
    fill(QString(), QStringLiteral("Ad"));
    registry.kaydetButClick();
    fill(QStringLiteral("X"), QString());
    registry.kaydetButClick();
    EXPECT_FALSE(registry.form().isReadOnly(ctl::registration::KoduEdit));
    for (const QString& bad :
         {QStringLiteral("../dis"), QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("a:b"),
          QStringLiteral("   "), QStringLiteral("con"), QString(31, QLatin1Char('k'))}) {
        fill(bad, QStringLiteral("Ad"));
        registry.kaydetButClick();
    }
    EXPECT_EQ(registryRows(), 0);
    const QStringList texts = home.prompt().texts();
    ASSERT_EQ(texts.size(), 9);
    EXPECT_EQ(texts[0], QStringLiteral("Firma kodunu boş geçemezsiniz."));
    EXPECT_EQ(home.prompt().shown()[0].title, QStringLiteral("Velkor Enflasyon Düzeltmesi Programı"));
    EXPECT_EQ(home.prompt().shown()[0].icon, PromptIcon::Question);
    EXPECT_EQ(texts[1], QStringLiteral("Firma adını boş geçemezsiniz."));
    EXPECT_EQ(texts[6], QStringLiteral("Firma kodunu boş geçemezsiniz."));
    EXPECT_FALSE(QFileInfo::exists(home.home() + QStringLiteral("dis.mdb")));

    // A file of that name in Data/ refuses the code even without a registry row.
    QFile::copy(home.home() + QStringLiteral("SBK.mdb"), dataFile(QStringLiteral("VAR")));
    home.prompt().clearShown();
    fill(QStringLiteral("VAR"), QStringLiteral("Ad"));
    // A refusal that ends in read-only mode created nothing for the window to confirm.
    EXPECT_EQ(registry.kaydetButClick(), CompanyRegistry::SaveResult::Nothing);
    EXPECT_EQ(
        home.prompt().texts(),
        QStringList{QStringLiteral("Bu isimde kayıtlı firma mevcut!\n\rBu isimde firma oluşturmak için önce "
                                   "kayıtlı\n\rFirmayı silin")});
    EXPECT_TRUE(registry.form().isReadOnly(ctl::registration::KoduEdit));
    EXPECT_EQ(registryRows(), 0);
}

TEST_F(CompanyRegistryTest, TooLongNameLeavesNoFileBehind) {
    fill(QStringLiteral("UZUN"), QString(121, QLatin1Char('a')));
    EXPECT_THROW(registry.kaydetButClick(), DatabaseError);
    EXPECT_FALSE(QFileInfo::exists(dataFile(QStringLiteral("UZUN"))));
    EXPECT_EQ(registryRows(), 0);
}

TEST_F(CompanyRegistryTest, UpdateKeepsTheDatabaseFileName) {
    fill(QStringLiteral("ABC"), QStringLiteral("Eski Ad"));
    EXPECT_EQ(registry.kaydetButClick(), CompanyRegistry::SaveResult::Created);
    registry.form().userSet(ctl::registration::FirmaAdiEdit, QStringLiteral("Yeni Ad"));
    EXPECT_EQ(registry.kaydetButClick(), CompanyRegistry::SaveResult::Updated);
    EXPECT_EQ(registryRows(), 1);
    EXPECT_EQ(home.context()
                  .general()
                  .database()
                  .scalar(QStringLiteral("SELECT firmaadi FROM firmalar"))
                  .toString(),
              QStringLiteral("Yeni Ad"));
    EXPECT_TRUE(QFileInfo::exists(dataFile(QStringLiteral("ABC"))));
}

TEST_F(CompanyRegistryTest, DeletionAsksThreeTimesAndCanBeAborted) {
    fill(QStringLiteral("ABC"), QStringLiteral("Firma"));
    registry.kaydetButClick();
    registry.reloadList();
    ASSERT_EQ(registry.listQuery().recordCount(), 1);

    home.prompt().addAnswer(PromptButton::No);
    EXPECT_FALSE(registry.FirmaSilButClick());
    home.prompt().addAnswer(PromptButton::Yes);
    home.prompt().addAnswer(PromptButton::Yes); // "İşlemi kesmek istermisiniz?" — yes aborts
    EXPECT_FALSE(registry.FirmaSilButClick());
    home.prompt().addAnswer(PromptButton::Yes);
    home.prompt().addAnswer(PromptButton::No);
    home.prompt().addAnswer(PromptButton::No);
    EXPECT_FALSE(registry.FirmaSilButClick());
    EXPECT_TRUE(QFileInfo::exists(dataFile(QStringLiteral("ABC"))));
    EXPECT_EQ(registryRows(), 1);

    // The company connection is open on the file; deleting closes it first.
    home.context().PointCompanyConnection(QStringLiteral("ABC"));
    home.prompt().addAnswer(PromptButton::Yes);
    home.prompt().addAnswer(PromptButton::No);
    home.prompt().addAnswer(PromptButton::Yes);
    EXPECT_TRUE(registry.FirmaSilButClick());
    EXPECT_FALSE(QFileInfo::exists(dataFile(QStringLiteral("ABC"))));
    EXPECT_FALSE(home.context().company().isOpen());
    EXPECT_EQ(registryRows(), 0);
    EXPECT_EQ(registry.listQuery().recordCount(), 0);
}

TEST_F(CompanyRegistryTest, RowWithoutFileIsDeletedAfterTheFirstQuestion) {
    fill(QStringLiteral("ABC"), QStringLiteral("Firma"));
    registry.kaydetButClick();
    home.context().company().close();
    QFile::remove(dataFile(QStringLiteral("ABC")));
    registry.reloadList();
    home.prompt().addAnswer(PromptButton::Yes);
    EXPECT_TRUE(registry.FirmaSilButClick());
    EXPECT_EQ(home.prompt().shown().size(), 1u);
    EXPECT_EQ(registryRows(), 0);
}

} // namespace

namespace {

// The window's own save refuses what the command line's steps refuse: a line break in any
// field, and a code another company has in other letter case (Turkish i/İ, ı/I included).
TEST_F(CompanyRegistryTest, SaveRefusesControlCharactersAndCaseTwins) {
    fill(QStringLiteral("ABC"), QStringLiteral("Deneme"));
    registry.form().setText(ctl::registration::ilceEdit, QStringLiteral("Kadıköy\r\nÜsküdar"));
    EXPECT_EQ(registry.kaydetButClick(), CompanyRegistry::SaveResult::Nothing);
    ASSERT_FALSE(home.prompt().texts().isEmpty());
    EXPECT_TRUE(home.prompt().texts().last().startsWith(QStringLiteral("İlçe alanına satır sonu")));
    EXPECT_FALSE(QFileInfo::exists(dataFile(QStringLiteral("ABC"))));
    EXPECT_EQ(registryRows(), 0);

    registry.form().setText(ctl::registration::ilceEdit, QStringLiteral("Kadıköy"));
    ASSERT_EQ(registry.kaydetButClick(), CompanyRegistry::SaveResult::Created);
    registry.form().setText(ctl::registration::FirmaAdiEdit, QStringLiteral("Deneme\x1b[2J"));
    EXPECT_EQ(registry.kaydetButClick(), CompanyRegistry::SaveResult::Nothing);
    EXPECT_EQ(home.context()
                  .general()
                  .database()
                  .scalar(QStringLiteral("SELECT firmaadi FROM firmalar"))
                  .toString(),
              QStringLiteral("Deneme"));

    fill(QStringLiteral("KILIÇ"), QStringLiteral("Kılıç"));
    ASSERT_EQ(registry.kaydetButClick(), CompanyRegistry::SaveResult::Created);
    for (const QString& twin : {QStringLiteral("abc"), QStringLiteral("kılıç"), QStringLiteral("Kılıç")}) {
        fill(twin, QStringLiteral("İkiz"));
        EXPECT_EQ(registry.kaydetButClick(), CompanyRegistry::SaveResult::Nothing) << twin.toStdString();
        EXPECT_FALSE(QFileInfo::exists(dataFile(twin))) << twin.toStdString();
        EXPECT_FALSE(registry.form().isReadOnly(ctl::registration::KoduEdit));
    }
    EXPECT_EQ(registryRows(), 2);
    // The restore takes plain lower case ("KILIÇ" as "kiliç"), so that is one code too; "KİLİÇ"
    // and "KILIC" are other words.
    EXPECT_EQ(registry.caseTwinOf(QStringLiteral("kiliç")), QStringLiteral("KILIÇ"));
    EXPECT_EQ(registry.caseTwinOf(QStringLiteral("KİLİÇ")), QString());
    EXPECT_EQ(registry.caseTwinOf(QStringLiteral("KILIC")), QString());
    EXPECT_TRUE(registry.caseTwins().empty());
}

} // namespace

#include "base/ShownError.h"
#include "registry/CompanyThreshold.h"

namespace {

TEST_F(CompanyRegistryTest, TheThresholdFieldsOfTheLaterPeriodsAreStoredAndShownAgain) {
    fill(QStringLiteral("ESI"), QStringLiteral("Eşik A.Ş."));
    registry.form().userSet(ctl::registration::BrutSatis2023Edit, QStringLiteral("62.500.000,50"));
    registry.form().setChecked(ctl::registration::KiymetliMadenCheck, true);
    registry.form().click(ctl::registration::kaydetBut);
    CompanyThreshold threshold = readCompanyThreshold(home.context().general(), QStringLiteral("ESI"));
    EXPECT_EQ(threshold.grossSales2023, 62500000.50);
    EXPECT_TRUE(threshold.preciousMetalDealer);

    registry.yeniFirma();
    EXPECT_TRUE(registry.form().text(ctl::registration::BrutSatis2023Edit).isEmpty());
    EXPECT_FALSE(registry.form().isChecked(ctl::registration::KiymetliMadenCheck));
    registry.registrationTable().ensureOpen();
    ASSERT_TRUE(registry.registrationTable().locate(QStringLiteral("kodu"), QStringLiteral("ESI")));
    registry.fillForEditing();
    EXPECT_EQ(registry.form().text(ctl::registration::BrutSatis2023Edit), QStringLiteral("62.500.000,50"));
    EXPECT_TRUE(registry.form().isChecked(ctl::registration::KiymetliMadenCheck));

    // Emptied, the sales are unknown again: not 0, which would put the company below the threshold.
    registry.form().userSet(ctl::registration::BrutSatis2023Edit, QString());
    registry.form().setChecked(ctl::registration::KiymetliMadenCheck, false);
    registry.form().click(ctl::registration::kaydetBut);
    threshold = readCompanyThreshold(home.context().general(), QStringLiteral("ESI"));
    EXPECT_FALSE(threshold.grossSales2023);
    EXPECT_FALSE(threshold.preciousMetalDealer);
}

TEST_F(CompanyRegistryTest, GrossSalesThatAreNoAmountAreRefused) {
    fill(QStringLiteral("ESI"), QStringLiteral("Eşik A.Ş."));
    registry.form().click(ctl::registration::kaydetBut);
    registry.registrationTable().ensureOpen();
    ASSERT_TRUE(registry.registrationTable().locate(QStringLiteral("kodu"), QStringLiteral("ESI")));
    registry.fillForEditing();
    registry.form().setText(ctl::registration::BrutSatis2023Edit, QStringLiteral("-5"));
    EXPECT_THROW(registry.kaydetButClick(), ShownError);
    EXPECT_FALSE(readCompanyThreshold(home.context().general(), QStringLiteral("ESI")).grossSales2023);
}

} // namespace
