#include "BackupFixture.h"

#include "backup/BackupNames.h"
#include "backup/BackupWork.h"
#include "backup/Compaction.h"
#include "backup/Leftovers.h"
#include "storage/Installation.h"
#include "support/ZipPatch.h"

#include <QStorageInfo>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velkor::test {
namespace {

/// Runs `work` in a child process that kills itself with SIGKILL when `work` reaches the
/// step named `stopAt`; returns whether the child was killed there.
bool killedAt(const char* stopAt, const std::function<void(const std::function<void(const char*)>&)>& work) {
    const pid_t pid = fork();
    if (pid == 0) {
        try {
            work([stopAt](const char* step) {
                if (std::strcmp(step, stopAt) == 0)
                    std::raise(SIGKILL);
            });
        } catch (...) {
            _exit(3);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST_F(BackupTest, RestoreKilledHalfWayLeavesTheOldOrTheNewDatabases) {
    const QString archive = home.home() + QStringLiteral("Yedek/all.zip");
    backups.backupAll(archive);
    const QMap<QString, QStringList> oldState = everything();
    addItem(QStringLiteral("AAA"), QStringLiteral("255"), QStringLiteral("Demirbaş"));
    addItem(QStringLiteral("BBB"), QStringLiteral("501"), QStringLiteral("Ödenmemiş"));
    home.context().general().database().exec(QStringLiteral("DELETE FROM firmalar"));
    const QMap<QString, QStringList> current = everything();
    backups.backupAll(home.home() + QStringLiteral("Yedek/current.zip"));

    const std::vector<std::pair<const char*, bool>> steps{
        {"extracted", false}, {"kept", false}, {"journal", true}, {"renamed", true}};
    for (const auto& [stopAt, restored] : steps) {
        closeConnections();
        ASSERT_TRUE(killedAt(stopAt, [&](const auto& hook) {
            backups.restoreAll(archive, QDateTime::currentDateTime(), hook);
        })) << stopAt;
        // The next start completes or forgets the interrupted restore.
        ArchiveRestore::recover(home.home());
        EXPECT_FALSE(QFileInfo::exists(ArchiveRestore::stagingFolder(home.home())));
        EXPECT_EQ(everything(), restored ? oldState : current) << stopAt;
        if (restored)
            backups.restoreAll(home.home() + QStringLiteral("Yedek/current.zip"),
                               QDateTime::currentDateTime());
        ASSERT_EQ(everything(), current);
    }
    home.context().OpenSharedConnections();
}

TEST_F(BackupTest, CompactionKilledHalfWayLeavesAValidDatabaseAndCompactsTwice) {
    closeConnections();
    const QString path = data(QStringLiteral("AAA"));
    const QStringList before = dump(path);
    for (const char* stopAt : {"compacted", "verified", "replaced"}) {
        ASSERT_TRUE(killedAt(stopAt, [&](const auto& hook) { CompactCompanyDatabase(path, hook); }))
            << stopAt;
        EXPECT_EQ(dump(path), before) << stopAt;
    }
    CompactCompanyDatabase(path);
    CompactCompanyDatabase(path);
    EXPECT_EQ(dump(path), before);
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bakim")));
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral("x")));

    // A file that is no database stays as it is, and the failure says why.
    QFile broken(data(QStringLiteral("BBB")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(8192, 'z'));
    broken.close();
    const QByteArray hash = fileHash(broken.fileName());
    try {
        CompactCompanyDatabase(broken.fileName());
        ADD_FAILURE() << "compacted a broken file";
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Firma veritabanı bakım işlemi yapılamadı!")));
    }
    EXPECT_EQ(fileHash(broken.fileName()), hash);
}

/// An installation on a small file system of its own; only root can mount one.
class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root to mount a small tmpfs";
        mountPoint = dir.path() + QStringLiteral("/disk");
        QDir().mkpath(mountPoint);
        if (mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=3m") != 0)
            GTEST_SKIP() << "tmpfs could not be mounted";
        mounted = true;
    }
    void TearDown() override {
        if (mounted)
            umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH);
    }

    /// Fills the file system up to `leave` bytes.
    void fill(qint64 leave) {
        QFile filler(mountPoint + QStringLiteral("/dolgu"));
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(4096, 'f');
        while (QStorageInfo(mountPoint).bytesAvailable() > leave && filler.write(block) == block.size())
            filler.flush();
    }

    QTemporaryDir dir;
    QString mountPoint;
    bool mounted = false;
};

TEST_F(FullDiskTest, BackupAndRestoreOnAFullDiskFailAndChangeNothing) {
    const QString folder = mountPoint + QStringLiteral("/kurulum/");
    ensureInstallation(folder);
    ScriptedPrompt prompt;
    setInstallationFolder(folder);
    {
        AppContext context(folder, prompt);
        context.OpenSharedConnections();
        Backups backups(context);
        for (const QString& code : {QStringLiteral("A"), QStringLiteral("B")})
            ASSERT_TRUE(QFile::copy(folder + QStringLiteral("SBK.mdb"), folder + "Data/" + code + ".mdb"));
        const QString outside = dir.path() + QStringLiteral("/all.zip");
        backups.backupAll(outside);

        fill(16 * 1024);
        const auto hashes = [&] {
            QMap<QString, QByteArray> all;
            for (const QFileInfo& info : QDir(folder + "Data").entryInfoList(QDir::Files))
                all[info.fileName()] = sha256(info.absoluteFilePath());
            all["Genel.mdb"] = sha256(folder + "AnaData/Genel.mdb");
            return all;
        };
        const auto before = hashes();
        EXPECT_THROW(backups.backupAll(folder + QStringLiteral("Yedek/full.zip")), ShownError);
        EXPECT_TRUE(QDir(folder + "Yedek")
                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                        .isEmpty());
        EXPECT_THROW(backups.restoreAll(outside, QDateTime::currentDateTime()), ShownError);
        EXPECT_EQ(hashes(), before);
        EXPECT_FALSE(QFileInfo::exists(ArchiveRestore::stagingFolder(folder)));
        EXPECT_TRUE(context.company().isOpen());
    }
    setInstallationFolder({});
    QDir::setCurrent(QDir::tempPath());
}

// Entries that declare more than the disk holds are refused before the first byte is
// extracted, not when the disk is full.
TEST_F(FullDiskTest, ARestoreThatCannotFitIsRefusedBeforeAnythingIsExtracted) {
    const QString folder = mountPoint + QStringLiteral("/kurulum/");
    ensureInstallation(folder);
    ScriptedPrompt prompt;
    setInstallationFolder(folder);
    {
        AppContext context(folder, prompt);
        context.OpenSharedConnections();
        Backups backups(context);
        ASSERT_TRUE(QFile::copy(folder + QStringLiteral("SBK.mdb"), folder + QStringLiteral("Data/A.mdb")));
        const QString archive = dir.path() + QStringLiteral("/A_2024_3_5_9_7_3.zip");
        backups.writeDatabaseArchive(archive, {folder + QStringLiteral("Data/A.mdb")});
        ASSERT_EQ(declareEntrySize(archive, 20u << 20), 2);
        int steps = 0;
        try {
            backups.restoreCompany(archive, QDateTime::currentDateTime(), [&steps](const char*) { ++steps; });
            ADD_FAILURE() << "restored more than the disk holds";
        } catch (const ShownError& e) {
            EXPECT_TRUE(
                e.message().startsWith(QStringLiteral("Diskte geri yükleme için yeterli boş yer yok: 37 MB "
                                                      "gerekiyor, ")))
                << e.what();
        }
        EXPECT_EQ(steps, 0);
        EXPECT_FALSE(QFileInfo::exists(ArchiveRestore::stagingFolder(folder)));
    }
    setInstallationFolder({});
    QDir::setCurrent(QDir::tempPath());
}

} // namespace
} // namespace velkor::test

namespace velkor::test {
namespace {

QStringList litter(const QString& folder) {
    return QDir(folder).entryList(
        {QStringLiteral("*.yeni*"), QStringLiteral(".yedekleniyor-*"), QStringLiteral("*.bakim")},
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A pair killed half-way left its archive without its companion, or beside the companion of
// an earlier backup of the same name. The halves are named last, the companion after the
// archive, and the start settles what a killed run left: the pair is the old or the new one.
TEST_F(BackupTest, ABackupPairKilledHalfWayIsTheOldOrTheNewPairAfterTheNextStart) {
    const QString y = home.home() + QStringLiteral("Yedek/");
    const QString archive = y + QStringLiteral("B.zip");
    const std::vector<std::pair<const char*, bool>> steps{{"written", false}, {"named", true}};
    for (const auto& [stopAt, renewed] : steps) {
        backups.backupAll(archive);
        const QByteArray oldArchive = sha256(archive);
        const QByteArray oldCompanion = sha256(companionPath(archive));
        addItem(QStringLiteral("AAA"), QStringLiteral("255"), QString::fromUtf8(stopAt));
        home.context().general().database().exec(QStringLiteral("INSERT INTO mast VALUES ('x')"));
        ASSERT_TRUE(killedAt(stopAt, [&](const auto& hook) { backups.backupAll(archive, hook); })) << stopAt;
        EXPECT_FALSE(litter(y).isEmpty()) << stopAt;
        clearLeftovers(home.home());
        EXPECT_EQ(litter(y), QStringList()) << stopAt;
        EXPECT_EQ(sha256(archive) != oldArchive, renewed) << stopAt;
        EXPECT_EQ(sha256(companionPath(archive)) != oldCompanion, renewed) << stopAt;
    }
}

TEST_F(BackupTest, ABackupPairThatFailsHalfWayLeavesNeitherHalf) {
    const QString y = home.home() + QStringLiteral("Yedek/");
    home.context().general().close();
    ASSERT_TRUE(QFile::rename(general(), general() + QStringLiteral("x")));
    EXPECT_THROW(backups.backupAll(y + QStringLiteral("B.zip")), ShownError);
    ASSERT_TRUE(QFile::rename(general() + QStringLiteral("x"), general()));
    EXPECT_EQ(QDir(y).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    home.context().general().open();
}

TEST_F(BackupTest, TheStartRemovesWhatKilledRunsLeftButNotTheFilesOfARunningOne) {
    closeConnections();
    const QString path = data(QStringLiteral("AAA"));
    ASSERT_TRUE(killedAt("compacted", [&](const auto& hook) { CompactCompanyDatabase(path, hook); }));
    const QString y = home.home() + QStringLiteral("Yedek/");
    QDir().mkpath(y + QStringLiteral(".yedekleniyor-AbC123"));
    QFile::copy(path, y + QStringLiteral(".yedekleniyor-AbC123/AAA.mdb"));
    for (const char* name : {"OtoYedek2.zip.yeni", "C.zip.yeni.Xy12Z9"}) {
        QFile file(y + QString::fromUtf8(name));
        file.open(QIODevice::WriteOnly);
    }
    const QStringList left = litter(y) + litter(home.home() + QStringLiteral("Data"));
    ASSERT_EQ(left.size(), 4) << left.join(QLatin1Char(' ')).toStdString();
    {
        // A backup of another program is running: its files stay.
        const BackupWork running(home.home(), FileLock::Mode::Shared);
        clearLeftovers(home.home());
        EXPECT_EQ(litter(y) + litter(home.home() + QStringLiteral("Data")), left);
    }
    // Every command-line run starts with the clean-up.
    ASSERT_EQ(
        runCli({QStringLiteral("--home"), home.home(), QStringLiteral("company"), QStringLiteral("list")}),
        0);
    EXPECT_EQ(litter(y) + litter(home.home() + QStringLiteral("Data")), QStringList());
    home.context().OpenSharedConnections();
}

} // namespace
} // namespace velkor::test
