#include "storage/ProgramLayout.h"
#include "storage/ConnectionStrings.h"
#include "storage/DataFolder.h"
#include "storage/Database.h"
#include "storage/Installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

/// A package's tree in a temporary folder: usr/bin beside usr/share/velkor with its marker
/// and the shipped reference tables; the user's data and settings folders point into it too.
class InstalledProgram : public ::testing::Test {
protected:
    InstalledProgram()
        : bin(dir.path() + QStringLiteral("/usr/bin")),
          shipped(dir.path() + QStringLiteral("/usr/share/velkor/")),
          dataHome(dir.path() + QStringLiteral("/ev/.local/share")),
          configHome(dir.path() + QStringLiteral("/ev/.config")) {
        QDir().mkpath(bin);
        writeFile(shipped + kShippedMarker, "[Paket]\nSurum=2.1.0-3\n");
        const QDir data(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/../resources/data"));
        QDir().mkpath(shipped + QStringLiteral("data"));
        for (const QString& csv : data.entryList({QStringLiteral("*.csv")}, QDir::Files))
            QFile::copy(data.filePath(csv), shipped + QStringLiteral("data/") + csv);
        m_savedData = qgetenv("XDG_DATA_HOME");
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", dataHome.toUtf8());
        qputenv("XDG_CONFIG_HOME", configHome.toUtf8());
        setProgramLayout(ProgramLayout::forProgramFolder(bin));
    }
    ~InstalledProgram() override {
        setProgramLayout({});
        setInstallationFolder({});
        qputenv("XDG_DATA_HOME", m_savedData);
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
    }

    QTemporaryDir dir;
    QString bin;
    QString shipped;
    QString dataHome;
    QString configHome;

private:
    QByteArray m_savedData;
    QByteArray m_savedConfig;
};

TEST_F(InstalledProgram, IsRecognisedByTheMarkerBesideItsBinFolderOnly) {
    const ProgramLayout layout = ProgramLayout::forProgramFolder(bin);
    EXPECT_TRUE(layout.installed());
    EXPECT_EQ(layout.shippedFolder, shipped);
    EXPECT_EQ(layout.packageVersion, QStringLiteral("2.1.0-3"));
    // A build tree, a bin/ without the package's folder, a folder of the same name elsewhere.
    EXPECT_FALSE(ProgramLayout::forProgramFolder(dir.path() + QStringLiteral("/build/src")).installed());
    EXPECT_FALSE(
        ProgramLayout::forProgramFolder(dir.path() + QStringLiteral("/usr/share/velkor")).installed());
    QDir().mkpath(dir.path() + QStringLiteral("/opt/bin"));
    QDir().mkpath(dir.path() + QStringLiteral("/opt/share/velkor"));
    EXPECT_FALSE(ProgramLayout::forProgramFolder(dir.path() + QStringLiteral("/opt/bin")).installed());
    EXPECT_FALSE(ProgramLayout::forProgramFolder({}).installed());
    EXPECT_EQ(shippedFile(QStringLiteral("publisher.pub")), shipped + QStringLiteral("publisher.pub"));
}

TEST_F(InstalledProgram, KeepsItsDataInTheUsersDataFolderOrWhereTheOfficeChose) {
    EXPECT_EQ(GetPathPath(), dataHome + QStringLiteral("/velkor/"));
    EXPECT_TRUE(chosenDataFolder().isEmpty());

    const QString office = dir.path() + QStringLiteral("/buro/veriler");
    setChosenDataFolder(office);
    EXPECT_TRUE(QFileInfo(configHome + QStringLiteral("/velkor/velkor.conf")).isFile());
    EXPECT_EQ(GetPathPath(), office + QLatin1Char('/'));
    // --home and the tests still name their own folder.
    setInstallationFolder(dir.path() + QStringLiteral("/baska"));
    EXPECT_EQ(GetPathPath(), dir.path() + QStringLiteral("/baska/"));
    setInstallationFolder({});

    setChosenDataFolder({});
    EXPECT_EQ(GetPathPath(), dataHome + QStringLiteral("/velkor/"));
}

TEST_F(InstalledProgram, ASettingThatCannotBeWrittenIsAnError) {
    writeFile(dir.path() + QStringLiteral("/dosya"), "x");
    qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/dosya")).toUtf8());
    EXPECT_THROW(setChosenDataFolder(dir.path() + QStringLiteral("/buro")), DatabaseError);
}

TEST_F(InstalledProgram, ReadsItsShippedFilesFromThePackageFolderAndWritesNothingThere) {
    // A shipped table that differs from the one built into the program shows where it was read.
    QFile index(shipped + QStringLiteral("data/yi_ufe.csv"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    QByteArray table = index.readAll();
    index.close();
    ASSERT_TRUE(table.contains("2023,12,2915.02"));
    table.replace("2023,12,2915.02", "2023,12,2999.99");
    writeFile(index.fileName(), table);
    const QString templateFile = shipped + QStringLiteral("SBK.mdb");
    writeFile(templateFile, "sablon");
    const QStringList before = QDir(shipped).entryList(QDir::Files);

    const QString home = GetPathPath();
    ASSERT_TRUE(isNewInstallation(home));
    ensureInstallation(home);
    for (const char* file : {"AnaData/SBK.mdb", "AnaData/Genel.mdb", "AnaData/Oranlar.mdb"})
        EXPECT_TRUE(QFileInfo(home + QLatin1String(file)).isFile()) << file;
    // New companies are copied from the package's template, not from one in the data folder.
    EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("SBK.mdb")));
    EXPECT_EQ(templateDatabase(home), templateFile);
    Database rates(home + QStringLiteral("AnaData/Oranlar.mdb"), kDatabasePassword);
    EXPECT_DOUBLE_EQ(
        rates.scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=202312")).toDouble(),
        2999.99);
    EXPECT_EQ(QDir(shipped).entryList(QDir::Files), before);
}

TEST(SourceBuildLayout, KeepsTheTemplateInTheInstallationFolder) {
    setProgramLayout({});
    QTemporaryDir dir;
    const QString home = dir.path() + QStringLiteral("/kurulum/");
    EXPECT_EQ(templateDatabase(home), home + QStringLiteral("SBK.mdb"));
    EXPECT_TRUE(shippedFile(QStringLiteral("publisher.pub")).isEmpty());
}

} // namespace
