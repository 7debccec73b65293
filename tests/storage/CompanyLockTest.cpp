#include "storage/FileCompanyLocks.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace velkor::test {
namespace {

using namespace std::chrono_literals;

/// Two programs on one installation: each with its own locks, as two processes have.
class CompanyLockTest : public ::testing::Test {
protected:
    FileCompanyLocks::Waits shortWaits{50ms, 50ms};
    QTemporaryDir dir;
    FileCompanyLocks first{dir.path(), shortWaits};
    FileCompanyLocks second{dir.path(), shortWaits};
    const QString code = QStringLiteral("ABC");
};

QString refusal(const std::function<void()>& attempt) {
    try {
        attempt();
    } catch (const CompanyBusyError& e) {
        return e.message();
    }
    return {};
}

TEST_F(CompanyLockTest, SavesShareACompanyAndAnOperationWaitsForThemOrSaysWhy) {
    auto a = first.shared(code);
    auto b = second.shared(code);
    EXPECT_EQ(refusal([&] { second.exclusive(code, operations::kCompaction); }),
              QStringLiteral("ABC şirketi şu anda başka bir pencerede ya da programda açık; \"Sıkıştırma\" "
                             "işlemi için şirketi orada kapatıp tekrar deneyiniz."));
    // The refused operation leaves the save it had beside it in place.
    EXPECT_EQ(refusal([&] { first.exclusive(code, operations::kCompaction); }).isEmpty(), false);
    a.reset();
    // The program that still holds the company shared may run its operation on it.
    auto own = second.exclusive(code, operations::kCompaction);
    EXPECT_EQ(refusal([&] { first.shared(code); }),
              QStringLiteral("ABC şirketinde şu anda \"Sıkıştırma\" işlemi sürüyor; işlem bitince tekrar "
                             "deneyiniz."));
    own.reset();
    // Down to its save again: others save beside it, and no operation starts.
    EXPECT_NO_THROW(first.shared(code));
    EXPECT_FALSE(refusal([&] { first.exclusive(code, operations::kRestore); }).isEmpty());
    b.reset();
    EXPECT_NO_THROW(first.exclusive(code, operations::kRestore));
}

TEST_F(CompanyLockTest, OperationsExcludeEachOtherAndNameTheOneRunning) {
    auto reset = first.exclusive(code, operations::kReset);
    EXPECT_EQ(refusal([&] { second.exclusive(code, operations::kGroupDeletion); }),
              QStringLiteral("ABC şirketinde şu anda \"Enflasyon Düzeltme Silme\" işlemi sürüyor; işlem "
                             "bitince tekrar deneyiniz."));
    // Another company is free.
    EXPECT_NO_THROW(second.exclusive(QStringLiteral("DEF"), operations::kGroupDeletion));
    reset.reset();
    EXPECT_NO_THROW(second.exclusive(code, operations::kGroupDeletion));
}

TEST_F(CompanyLockTest, ASaveWaitsForAnOperationThatEndsInTime) {
    FileCompanyLocks patient(dir.path(), {2000ms, 50ms});
    auto held = first.exclusive(code, operations::kCompaction);
    std::thread ending([&] {
        std::this_thread::sleep_for(100ms);
        held.reset();
    });
    EXPECT_NO_THROW(patient.shared(code));
    ending.join();
}

TEST_F(CompanyLockTest, TheLockOfAKilledProgramIsGone) {
    const pid_t pid = fork();
    if (pid == 0) {
        FileCompanyLocks child(dir.path());
        auto held = child.exclusive(code, operations::kCompaction);
        std::raise(SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_NO_THROW(first.exclusive(code, operations::kCompaction));
}

TEST_F(CompanyLockTest, ACodeThatIsNoFileNameNamesNoLockFile) {
    EXPECT_THROW(first.shared(QStringLiteral("../ABC")), ShownError);
}

} // namespace
} // namespace velkor::test
