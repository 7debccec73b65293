#include "legislation/LegislationForm.h"
#include "base/ScriptedPrompt.h"
#include "legislation/LegislationFormControls.h"
#include "storage/ProgramLayout.h"
#include "storage/ZipArchive.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;
namespace c = velkor::ctl::legislation;

namespace {

class LegislationFormTest : public ::testing::Test {
protected:
    LegislationFormTest() : home(dir.path() + QLatin1Char('/')), form(home, prompt) { form.FormCreate(); }

    QTemporaryDir dir;
    QString home;
    ScriptedPrompt prompt;
    LegislationForm form;
};

TEST_F(LegislationFormTest, OpeningShowsThePageAndTheFirstDocumentOfEveryLibrary) {
    form.open(1);
    EXPECT_EQ(form.itemIndex(c::PageControl1), 1);
    EXPECT_EQ(form.text(c::KullanimEdit), QStringLiteral("01 Başlarken"));
    EXPECT_TRUE(form.text(c::KullanimRich).contains(QStringLiteral("Firmaya giriş")));
    EXPECT_EQ(form.text(c::MevzuatEdit), QStringLiteral("Mevzuat kitaplığı hakkında"));
    EXPECT_EQ(form.text(c::GenelBilgiEdit), QStringLiteral("Notlar"));
    EXPECT_TRUE(prompt.shown().empty());
    // The shipped archives are encrypted: without the password nothing can be read.
    ZipArchive archive(home + QStringLiteral("kullanim.enf"), ZipArchive::Mode::Read, "yanlis");
    EXPECT_THROW(archive.read(0), ZipError);
}

TEST_F(LegislationFormTest, SavingUnderANewNameAddsAnEntryTheGuideListsOnlyAfterReloading) {
    form.open(1);
    form.setText(c::KullanimEdit, QStringLiteral("99 Yeni"));
    form.setText(c::KullanimRich, QStringLiteral("<p>yeni</p>"));
    form.click(c::JvNavPanelHeader3);
    EXPECT_EQ(form.caption(), QStringLiteral("99 Yeni - Velkor Enflasyon Düzeltmesi Programı"));
    EXPECT_FALSE(form.items(c::KullanimList).contains(QStringLiteral("99 Yeni")));
    form.click(c::JvNavPanelHeader2);
    EXPECT_TRUE(form.items(c::KullanimList).contains(QStringLiteral("99 Yeni")));

    // An edited general note replaces its entry and keeps one line for it; it survives a restart.
    form.userSet(c::GenelBilgiList, QStringLiteral("Notlar"));
    form.setText(c::GenelBilgiRich, QStringLiteral("düz metin notu"));
    form.click(c::JvNavPanelHeader6);
    EXPECT_EQ(form.items(c::GenelBilgiList), QStringList{QStringLiteral("Notlar")});
    LegislationForm restarted(home, prompt);
    restarted.FormCreate();
    restarted.open(2);
    EXPECT_EQ(restarted.text(c::GenelBilgiRich), QStringLiteral("düz metin notu"));
    EXPECT_EQ(restarted.text(c::KullanimEdit), QStringLiteral("01 Başlarken"));
    EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(LegislationFormTest, DeletingAndFailuresSayWhatHappened) {
    form.open(1);
    const QString shown = form.text(c::KullanimRich);
    form.userSet(c::KullanimList, QStringLiteral("02 Ana Menü"));
    form.click(c::MenuItem1);
    EXPECT_EQ(prompt.texts().last(), QStringLiteral("Dosya silindi!"));
    EXPECT_FALSE(form.items(c::KullanimList).contains(QStringLiteral("02 Ana Menü")));
    EXPECT_NE(form.text(c::KullanimRich), shown);

    form.click(c::MenuItem1);
    EXPECT_EQ(prompt.texts().last(), QStringLiteral("Silinecek belgeyi listeden seçiniz."));

    form.setText(c::KullanimEdit, QStringLiteral("../dışarı"));
    form.click(c::JvNavPanelHeader3);
    EXPECT_TRUE(prompt.texts().last().startsWith(QStringLiteral("Belge adı boş olamaz")));
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/../dışarı")));

    // A damaged library gives its message and is left as it was.
    QFile damaged(home + QStringLiteral("GenelBilgi.enf"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("bozuk");
    damaged.close();
    form.click(c::JvNavPanelHeader4);
    EXPECT_EQ(prompt.texts().last(), QStringLiteral("Dosya açılamadı \"GenelBilgi.enf\"!"));
    EXPECT_TRUE(form.items(c::GenelBilgiList).isEmpty());
    form.setText(c::GenelBilgiEdit, QStringLiteral("Notlar"));
    form.click(c::JvNavPanelHeader6);
    QFile check(home + QStringLiteral("GenelBilgi.enf"));
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("bozuk"));
}

TEST_F(LegislationFormTest, PicturesLiveBesideTheDocumentsButAreNoDocuments) {
    const DocumentLibrary guide = form.library(LegislationForm::Guide);
    const QStringList before = guide.names();
    guide.savePicture(QStringLiteral("pencere.png"), QByteArray("\x89PNG resim"));
    EXPECT_EQ(guide.names(), before);
    EXPECT_EQ(form.picture(LegislationForm::Guide, QStringLiteral("resimler/pencere.png")),
              QByteArray("\x89PNG resim"));
    // Only the picture folder's own entries are given out, and only by the library that holds them.
    for (const char* source : {"pencere.png", "resimler/yok.png", "resimler/../01 Başlarken",
                               "resimler/alt/pencere.png", "/resimler/pencere.png", "01 Başlarken"})
        EXPECT_TRUE(form.picture(LegislationForm::Guide, QString::fromUtf8(source)).isEmpty()) << source;
    EXPECT_TRUE(
        form.picture(LegislationForm::GeneralInformation, QStringLiteral("resimler/pencere.png")).isEmpty());
    EXPECT_THROW(guide.savePicture(QStringLiteral("../pencere.png"), "x"), ZipError);

    // A library that cannot be read shows its documents without pictures rather than failing.
    QFile damaged(home + QStringLiteral("kullanim.enf"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("bozuk");
    damaged.close();
    EXPECT_TRUE(form.picture(LegislationForm::Guide, QStringLiteral("resimler/pencere.png")).isEmpty());
    EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(LegislationFormTest, ANewerProgramBringsItsContentAndKeepsTheUsersOwn) {
    const DocumentLibrary guide = form.library(LegislationForm::Guide);
    const DocumentLibrary legislation = form.library(LegislationForm::Legislation);
    const DocumentLibrary notes = form.library(LegislationForm::GeneralInformation);
    const QString edited = QStringLiteral("<p>Benim notum</p>");
    const QString firstGuideEntry = QStringLiteral("01 Başlarken");
    const QString lastGuideEntry = guide.names().constLast();
    const QString legislationNote = legislation.names().constFirst();
    const QString shippedLegislation = legislation.read(legislationNote);

    // Libraries written by an older program: the guide with an entry the user edited, one
    // left as that program shipped it and one missing; the legislation with no version entry.
    const QString unedited = QStringLiteral("02 Ana Menü");
    const QString shippedUnedited = guide.read(unedited);
    const QByteArray olderText("<p>Eski sürümün metni</p>");
    guide.save(firstGuideEntry, edited);
    guide.save(unedited, QString::fromUtf8(olderText));
    guide.remove(lastGuideEntry);
    {
        ZipArchive archive(guide.path(), ZipArchive::Mode::Update, guide.password());
        archive.write(QStringLiteral("surum/gonderilen"),
                      QCryptographicHash::hash(olderText, QCryptographicHash::Sha256).toHex() + ' ' +
                          unedited.toUtf8() + '\n');
        archive.commit();
    }
    legislation.save(legislationNote, edited);
    {
        ZipArchive archive(legislation.path(), ZipArchive::Mode::Update, legislation.password());
        archive.remove(archive.find(QStringLiteral("surum/gonderilen")));
        archive.commit();
    }
    notes.save(QStringLiteral("Notlar"), edited);
    form.FormCreate();
    EXPECT_EQ(guide.read(firstGuideEntry), edited);
    EXPECT_EQ(guide.read(unedited), shippedUnedited);
    EXPECT_TRUE(guide.names().contains(lastGuideEntry));
    EXPECT_EQ(legislation.read(legislationNote), shippedLegislation);
    EXPECT_EQ(notes.read(QStringLiteral("Notlar")), edited);

    // The same program again changes nothing: an entry the user deleted stays deleted.
    guide.remove(lastGuideEntry);
    form.FormCreate();
    EXPECT_FALSE(guide.names().contains(lastGuideEntry));
    EXPECT_TRUE(prompt.shown().empty());
}

} // namespace

namespace {

// An installed program takes what its libraries ship from the archives in the package's
// folder: a program whose package carries a text the build's documents lack brings it in.
TEST(InstalledLegislationTest, LibrariesTakeTheirShippedContentFromThePackagesArchives) {
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    const QString build = dir.path() + QStringLiteral("/derleme/");
    QDir().mkpath(build);
    LegislationForm built(build, prompt);
    built.FormCreate();
    built.library(LegislationForm::Legislation)
        .save(QStringLiteral("Paketle gelen tebliğ"), QStringLiteral("<p>paketten</p>"));
    const QString shipped = dir.path() + QStringLiteral("/usr/share/velkor/");
    QDir().mkpath(shipped);
    QDir().mkpath(dir.path() + QStringLiteral("/usr/bin"));
    QFile marker(shipped + kShippedMarker);
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    for (const char* archive : {"teblig.enf", "kullanim.enf", "GenelBilgi.enf"})
        ASSERT_TRUE(QFile::copy(build + QLatin1String(archive), shipped + QLatin1String(archive)));
    setProgramLayout(ProgramLayout::forProgramFolder(dir.path() + QStringLiteral("/usr/bin")));

    const QString home = dir.path() + QStringLiteral("/veri/");
    QDir().mkpath(home);
    LegislationForm installed(home, prompt);
    installed.FormCreate();
    const QStringList names = installed.library(LegislationForm::Legislation).names();
    EXPECT_TRUE(names.contains(QStringLiteral("Paketle gelen tebliğ")))
        << names.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(installed.library(LegislationForm::Legislation).read(QStringLiteral("Paketle gelen tebliğ")),
              QStringLiteral("<p>paketten</p>"));
    EXPECT_TRUE(installed.library(LegislationForm::Guide).names().contains(QStringLiteral("01 Başlarken")));
    // The package's own archives stay as they were shipped.
    EXPECT_EQ(QFile(shipped + QStringLiteral("teblig.enf")).size(),
              QFile(build + QStringLiteral("teblig.enf")).size());
    setProgramLayout({});
}

} // namespace
