#include "support/PostgresServer.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

// Without the server programs the tests that need a server are skipped and say why; CI
// installs them, so a skip there shows in the log.
TEST(PostgresServerTest, WithoutTheServerProgramsTheTestsAreSkippedAndSayWhy) {
    if (qEnvironmentVariableIsSet("VELKOR_PG_BIN"))
        GTEST_SKIP() << "runs only as the outer test";
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELKOR_PG_BIN"), QStringLiteral("/yok/postgresql/bin"));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral("/proc/self/exe"),
              {QStringLiteral("--gtest_filter=PgConnectionTest.ErrorsKeepTheServersStateAndText")});
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(run.readAllStandardOutput());
    EXPECT_EQ(run.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(
        out.contains(QStringLiteral("[  SKIPPED ] PgConnectionTest.ErrorsKeepTheServersStateAndText")))
        << out.toStdString();
    EXPECT_TRUE(
        out.contains(QStringLiteral("PostgreSQL 15 server programs not found in /yok/postgresql/bin")))
        << out.toStdString();
}

} // namespace
} // namespace velkor::test
