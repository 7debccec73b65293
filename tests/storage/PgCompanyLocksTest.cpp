#include "storage/PgCompanyLocks.h"
#include "base/ScriptedPrompt.h"
#include "storage/AppContext.h"
#include "storage/IniFile.h"
#include "storage/OfficeConnection.h"
#include "support/PostgresServer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace velkor::test {
namespace {

using namespace std::chrono_literals;

QString refusal(const std::function<void()>& attempt) {
    try {
        attempt();
    } catch (const CompanyBusyError& e) {
        return e.message();
    }
    return {};
}

/// Two programs on one office: each with its own lock session.
class PgCompanyLocksTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server = found;
        database = server->createDatabase(QStringLiteral("kilit"));
        conninfo = server->conninfo(database);
        first = std::make_unique<PgCompanyLocks>(conninfo, shortWaits);
        second = std::make_unique<PgCompanyLocks>(conninfo, shortWaits);
    }

    PostgresServer* server = nullptr;
    QString database;
    QString conninfo;
    PgCompanyLocks::Waits shortWaits{100ms, 100ms};
    std::unique_ptr<PgCompanyLocks> first;
    std::unique_ptr<PgCompanyLocks> second;
    const QString code = QStringLiteral("ABC");
};

TEST_F(PgCompanyLocksTest, AnInstallationOnTheOfficeServerLocksItsCompaniesThere) {
    QTemporaryDir home;
    const auto write = [&](const QString& name, const QString& text) {
        QFile file(home.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    };
    write(QStringLiteral("pg_service.conf"),
          QStringLiteral("[buro]\nhost=%1\nport=%2\ndbname=%3\nuser=%4\nsslmode=disable\n")
              .arg(server->host())
              .arg(server->port())
              .arg(database, PostgresServer::superuser()));
    write(QStringLiteral("pgpass"), QStringLiteral("%1:%2:*:%3:%4\n")
                                        .arg(server->host())
                                        .arg(server->port())
                                        .arg(PostgresServer::superuser(), PostgresServer::password()));
    IniFile(home.filePath(QStringLiteral("Ayarlar.ini")))
        .setValue(kServerSection, kServerServiceKey, QStringLiteral("buro"));
    qputenv("PGSERVICEFILE", home.filePath(QStringLiteral("pg_service.conf")).toLocal8Bit());
    qputenv("PGPASSFILE", home.filePath(QStringLiteral("pgpass")).toLocal8Bit());
    ScriptedPrompt prompt;
    AppContext context(home.path(), prompt);
    auto hold = context.companyLocks().exclusive(code, operations::kCompaction);
    qunsetenv("PGSERVICEFILE");
    qunsetenv("PGPASSFILE");
    // Another program on the office sees the operation.
    EXPECT_EQ(refusal([&] { second->shared(code); }),
              QStringLiteral("ABC şirketinde şu anda \"Sıkıştırma\" işlemi sürüyor; işlem bitince tekrar "
                             "deneyiniz."));
}

TEST_F(PgCompanyLocksTest, SavesShareACompanyAndAnOperationWaitsForThemOrSaysWhy) {
    auto a = first->shared(code);
    auto b = second->shared(code);
    EXPECT_EQ(refusal([&] { second->exclusive(code, operations::kCompaction); }),
              QStringLiteral("ABC şirketi şu anda başka bir pencerede ya da programda açık; \"Sıkıştırma\" "
                             "işlemi için şirketi orada kapatıp tekrar deneyiniz."));
    a.reset();
    // The program that still holds the company shared may run its operation on it.
    auto own = second->exclusive(code, operations::kCompaction);
    EXPECT_EQ(refusal([&] { first->shared(code); }),
              QStringLiteral("ABC şirketinde şu anda \"Sıkıştırma\" işlemi sürüyor; işlem bitince tekrar "
                             "deneyiniz."));
    // The same company under another spelling is the same lock.
    EXPECT_FALSE(refusal([&] { first->shared(QStringLiteral("abc")); }).isEmpty());
    own.reset();
    EXPECT_NO_THROW(first->shared(code));
    b.reset();
    EXPECT_NO_THROW(first->exclusive(code, operations::kRestore));
}

TEST_F(PgCompanyLocksTest, OperationsExcludeEachOtherAndNameTheOneRunningButNotOtherCompanies) {
    auto reset = first->exclusive(code, operations::kReset);
    // An operation ended on another company leaves the name of the one still running.
    first->exclusive(QStringLiteral("XYZ"), operations::kCompaction).reset();
    EXPECT_EQ(refusal([&] { second->exclusive(code, operations::kGroupDeletion); }),
              QStringLiteral("ABC şirketinde şu anda \"Enflasyon Düzeltme Silme\" işlemi sürüyor; işlem "
                             "bitince tekrar deneyiniz."));
    EXPECT_NO_THROW(second->exclusive(QStringLiteral("DEF"), operations::kGroupDeletion));
    EXPECT_NO_THROW(second->shared(QStringLiteral("DEF")));
    reset.reset();
    EXPECT_NO_THROW(second->exclusive(code, operations::kGroupDeletion));
}

TEST_F(PgCompanyLocksTest, ASaveWaitsForAnOperationThatEndsInTime) {
    PgCompanyLocks patient(conninfo, {5000ms, 100ms});
    auto held = first->exclusive(code, operations::kCompaction);
    std::thread ending([&] {
        std::this_thread::sleep_for(200ms);
        held.reset();
    });
    EXPECT_NO_THROW(patient.shared(code));
    ending.join();
}

TEST_F(PgCompanyLocksTest, AnotherProcessIsToldTheOperationAndAKilledOnesLockIsGone) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        PgCompanyLocks child(conninfo, shortWaits);
        auto hold = child.exclusive(code, operations::kRestore);
        const char done = 1;
        if (write(ready[1], &done, 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char done = 0;
    ASSERT_EQ(read(ready[0], &done, 1), 1);
    close(ready[0]);
    EXPECT_EQ(refusal([&] { first->shared(code); }),
              QStringLiteral("ABC şirketinde şu anda \"Geri Yükleme\" işlemi sürüyor; işlem bitince tekrar "
                             "deneyiniz."));
    EXPECT_NO_THROW(first->exclusive(QStringLiteral("DEF"), operations::kCompaction));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    // The server notices the dead session at once; a save that waits a little gets in.
    PgCompanyLocks patient(conninfo, {5000ms, 5000ms});
    EXPECT_NO_THROW(patient.exclusive(code, operations::kCompaction));
}

} // namespace
} // namespace velkor::test
