#include "BackupFixture.h"

#include "engine/FixedAssetSheetControls.h"
#include "storage/FileCompanyLocks.h"
#include "support/ControlArgs.h"

#include <QProcess>
#include <QThread>
#include <atomic>
#include <cstring>
#include <future>
#include <thread>

namespace velkor::test {
namespace {

using namespace std::chrono_literals;

qint64 itemCount(const QString& path) {
    Database db(path, kDatabasePassword);
    return db.scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toLongLong();
}

/// Another program on the same installation: a context of its own with locks of its own,
/// as a second process has.
struct OtherProgram {
    OtherProgram(const QString& home, FileCompanyLocks::Waits waits) : context(home, prompt) {
        context.setCompanyLocks(std::make_unique<FileCompanyLocks>(home, waits));
    }
    /// Opens the company as a save does and writes one item into it.
    void save(const QString& code, const QString& name) {
        context.PointCompanyConnection(code);
        context.company().database().execute(
            QStringLiteral(
                "INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi) VALUES ('253', '01', ?)"),
            {name});
    }
    ScriptedPrompt prompt;
    AppContext context;
};

/// Runs the compaction of `code` in a thread that stops after the compacted copy is written
/// (before it replaces the file) until `during` has started in this thread and `hold` has
/// passed, then lets it go.
void whileCompactionHolds(Backups& backups, const QString& code, const std::function<void()>& during,
                          std::chrono::milliseconds hold = 3ms) {
    std::promise<void> paused;
    std::atomic<bool> started{false};
    std::thread compaction([&] {
        backups.compactCompany(code, [&](const char* step) {
            if (std::strcmp(step, "compacted") != 0)
                return;
            paused.set_value();
            while (!started)
                std::this_thread::yield();
            // The other program is now at the company's door.
            std::this_thread::sleep_for(hold);
        });
    });
    paused.get_future().wait();
    started = true;
    std::exception_ptr failure;
    try {
        during();
    } catch (...) {
        failure = std::current_exception();
    }
    compaction.join();
    if (failure)
        std::rethrow_exception(failure);
}

// A save that came while the compaction had copied the file and was about to put the copy in
// its place landed in the old file and was lost with it. Now it waits and lands in the new one.
TEST_F(BackupTest, ASaveDuringCompactionWaitsAndLandsInTheCompactedFile) {
    const QString code = QStringLiteral("AAA");
    const qint64 before = itemCount(data(code));
    constexpr int kRuns = 100;
    for (int run = 0; run < kRuns; ++run) {
        OtherProgram other(home.home(), {10000ms, 50ms});
        whileCompactionHolds(backups, code, [&] { other.save(code, QStringLiteral("Kayıt %1").arg(run)); });
    }
    EXPECT_EQ(itemCount(data(code)), before + kRuns);
    EXPECT_FALSE(QFileInfo::exists(data(code) + QStringLiteral(".bakim")));
}

TEST_F(BackupTest, ASaveThatCannotWaitIsRefusedNamingTheOperationAndNothingIsLost) {
    const QString code = QStringLiteral("AAA");
    const qint64 before = itemCount(data(code));
    QString refusal;
    whileCompactionHolds(
        backups, code,
        [&] {
            OtherProgram other(home.home(), {30ms, 30ms});
            try {
                other.save(code, QStringLiteral("Reddedilen"));
            } catch (const CompanyBusyError& e) {
                refusal = e.message();
            }
        },
        300ms);
    EXPECT_EQ(refusal,
              QStringLiteral("AAA şirketinde şu anda \"Sıkıştırma\" işlemi sürüyor; işlem bitince tekrar "
                             "deneyiniz."));
    EXPECT_EQ(itemCount(data(code)), before);
}

// A program that has the company open keeps it: its file is neither compacted nor restored
// under it, and the other one says why.
TEST_F(BackupTest, CompactionAndRestoreWaitForAnotherProgramThatHasTheCompanyOpen) {
    const QString code = QStringLiteral("AAA");
    const QString archive = backups.backupCompany(code, QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)));
    home.context().setCompanyLocks(
        std::make_unique<FileCompanyLocks>(home.home(), FileCompanyLocks::Waits{30ms, 30ms}));
    OtherProgram other(home.home(), {30ms, 30ms});
    other.save(code, QStringLiteral("Açık"));
    const QMap<QString, QByteArray> before = files();
    const QString open =
        QStringLiteral("AAA şirketi şu anda başka bir pencerede ya da programda açık; \"%1\" "
                       "işlemi için şirketi orada kapatıp tekrar deneyiniz.");
    try {
        backups.compactCompany(code);
        ADD_FAILURE() << "compacted under another program";
    } catch (const CompanyBusyError& e) {
        EXPECT_EQ(e.message(), open.arg(QStringLiteral("Sıkıştırma")));
    }
    try {
        backups.restoreCompany(archive, QDateTime::currentDateTime());
        ADD_FAILURE() << "restored under another program";
    } catch (const CompanyBusyError& e) {
        EXPECT_EQ(e.message(), open.arg(QStringLiteral("Geri Yükleme")));
    }
    EXPECT_EQ(files(), before);
    other.context.PointCompanyConnection(QStringLiteral("BBB"));
    EXPECT_NO_THROW(backups.compactCompany(code));
    EXPECT_NO_THROW(backups.restoreCompany(archive, QDateTime::currentDateTime()));
}

/// The same race between two command-line runs: `compact` held after its copy by the test's
/// pause, a sheet save started meanwhile.
TEST(CompactionAcrossProgramsTest, ASaveOfAnotherRunDuringCompactLandsInTheCompactedFile) {
    QTemporaryDir dir;
    const auto cli = [&](QStringList args) {
        args.prepend(dir.path());
        args.prepend(QStringLiteral("--home"));
        return args;
    };
    ASSERT_EQ(runCli(cli({"init"})), 0);
    ASSERT_EQ(runCli(cli({"company", "add", "ABC", "Birinci"})), 0);
    namespace fa = ctl::fixedasset;
    constexpr int kRuns = 3;
    for (int run = 0; run < kRuns; ++run) {
        const QString pause = dir.path() + QStringLiteral("/duraklat");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELKOR_TEST_DURAKLAT"), QStringLiteral("compacted:") + pause);
        QProcess compact;
        compact.setProcessEnvironment(env);
        compact.start(QStringLiteral(VELKOR_CLI_PATH), cli({"compact", "--company", "ABC"}));
        for (int i = 0; i < 2000 && !QFileInfo::exists(pause); ++i)
            QThread::msleep(5);
        ASSERT_TRUE(QFileInfo::exists(pause));
        QProcess save;
        save.start(
            QStringLiteral(VELKOR_CLI_PATH),
            cli({"sheet", "fixed", "--company", "ABC", "--set", stepArg(fa::DuzeltmeAnaHesapCombo, "253"),
                 "--set", stepArg(fa::KoduEdit, QStringLiteral("0%1").arg(run + 1)), "--set",
                 stepArg(fa::AdiEdit, "TEZGAH"), "--set", stepArg(fa::GirisTarihiDate, "15.03.2020"), "--set",
                 stepArg(fa::KayitliTutariEdit, "100.000,00"), "--click", fa::DuzeltBut, "--click",
                 fa::KaydetButton}));
        ASSERT_TRUE(save.waitForStarted());
        QThread::msleep(300);
        QFile::remove(pause);
        ASSERT_TRUE(compact.waitForFinished(60000));
        ASSERT_TRUE(save.waitForFinished(60000));
        EXPECT_EQ(compact.exitCode(), 0) << compact.readAllStandardError().toStdString();
        EXPECT_EQ(save.exitCode(), 0) << save.readAllStandardError().toStdString();
    }
    EXPECT_EQ(itemCount(dir.path() + QStringLiteral("/Data/ABC.mdb")), kRuns);
}

} // namespace
} // namespace velkor::test
