#include "support/TestSupport.h"

#include "app/DataFolderChoice.h"
#include "app/EntryWindow.h"
#include "app/EntryWindowControls.h"
#include "app/Program.h"
#include "base/ScriptedPrompt.h"
#include "storage/DataFolder.h"
#include "storage/ProgramLayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

/// The user's folders in a temporary home for the length of a test.
class UserFolders : public ::testing::Test {
protected:
    UserFolders() : m_savedData(qgetenv("XDG_DATA_HOME")), m_savedConfig(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/.local/share")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/.config")).toUtf8());
        QDir().mkpath(defaultDataFolder());
    }
    ~UserFolders() override {
        qputenv("XDG_DATA_HOME", m_savedData);
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        setProgramLayout({});
    }

    QString lastMessage() const { return prompt.texts().isEmpty() ? QString() : prompt.texts().last(); }

    QTemporaryDir dir;
    ScriptedPrompt prompt;

private:
    QByteArray m_savedData;
    QByteArray m_savedConfig;
};

TEST_F(UserFolders, TheOfficesFolderIsRememberedForTheNextStart) {
    const QString office = dir.path() + QStringLiteral("/buro");
    QDir().mkpath(office);
    DataFolderChoice choice(prompt, defaultDataFolder() + QLatin1Char('/'));
    prompt.addFile(office);
    EXPECT_TRUE(choice.VeriKlasoruButClick());
    EXPECT_EQ(chosenDataFolder(), office);
    EXPECT_EQ(userDataFolder(), office);
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("program yeniden başlatıldığında geçerli olur")))
        << lastMessage().toStdString();

    // Choosing the usual folder again is no choice at all: it follows the user's data folder.
    prompt.addFile(defaultDataFolder());
    EXPECT_TRUE(choice.VeriKlasoruButClick());
    EXPECT_TRUE(chosenDataFolder().isEmpty());
    EXPECT_EQ(userDataFolder(), defaultDataFolder());
}

TEST_F(UserFolders, ACancelledOrUnusableChoiceChangesNothing) {
    DataFolderChoice choice(prompt, defaultDataFolder() + QLatin1Char('/'));
    prompt.addFile(QString());
    EXPECT_FALSE(choice.VeriKlasoruButClick());
    EXPECT_TRUE(prompt.texts().isEmpty());

    prompt.addFile(dir.path() + QStringLiteral("/olmayan"));
    EXPECT_FALSE(choice.VeriKlasoruButClick());
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Seçilen klasöre yazılamıyor: ")))
        << lastMessage().toStdString();

    prompt.addFile(defaultDataFolder());
    EXPECT_FALSE(choice.VeriKlasoruButClick());
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Veri klasörü zaten ")))
        << lastMessage().toStdString();
    EXPECT_TRUE(chosenDataFolder().isEmpty());
    EXPECT_FALSE(QFile::exists(userSettingsFile()));
}

TEST_F(UserFolders, OnlyAnInstalledProgramOffersTheChoice) {
    test::TempHome home;
    {
        Program program(home.context());
        EXPECT_FALSE(program.entry().form().isVisible(ctl::entry::VeriKlasoruBut));
    }
    QDir().mkpath(dir.path() + QStringLiteral("/usr/bin"));
    QDir().mkpath(dir.path() + QStringLiteral("/usr/share/velkor"));
    QFile marker(dir.path() + QStringLiteral("/usr/share/velkor/") + kShippedMarker);
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    setProgramLayout(ProgramLayout::forProgramFolder(dir.path() + QStringLiteral("/usr/bin")));
    Program program(home.context());
    EXPECT_TRUE(program.entry().form().isVisible(ctl::entry::VeriKlasoruBut));
}

} // namespace
