#include "storage/ServerPassword.h"
#include "storage/OfficeConnection.h"
#include "support/PostgresServer.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace velkor::test {
namespace {

/// A login whose password is in none of the places libpq looks: the program has to ask.
class ServerPasswordTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server = found;
        qunsetenv("PGPASSWORD");
        database = server->createDatabase(QStringLiteral("parola"));
        role = database + QStringLiteral("_ayse");
        server->superuserExec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'dogru'").arg(role));
        conninfo = QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 sslmode=disable passfile=/yok/pgpass")
                       .arg(server->host())
                       .arg(server->port())
                       .arg(database, role);
    }

    /// A source answering from the queue (nothing once it is empty: the user cancels) and
    /// recording each request.
    PasswordSource answering(QStringList answers) {
        return [this, answers = std::move(answers)](const PasswordRequest& request) mutable {
            requests.push_back(request);
            if (answers.isEmpty())
                return std::optional<QString>();
            return std::optional<QString>(answers.takeFirst());
        };
    }

    PostgresServer* server = nullptr;
    QString database;
    QString role;
    QString conninfo;
    std::vector<PasswordRequest> requests;
};

TEST_F(ServerPasswordTest, TheAnsweredPasswordConnectsAndServesTheProgramsLaterConnections) {
    PasswordSourceScope scope(answering({QStringLiteral("dogru")}));
    const std::unique_ptr<PgConnection> first = connectToOffice(conninfo);
    EXPECT_EQ(first->user(), role);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].attempt, 1);
    EXPECT_TRUE(requests[0].refusal.isEmpty());
    EXPECT_TRUE(requests[0].login.startsWith(role)) << requests[0].login.toStdString();
    EXPECT_TRUE(requests[0].login.contains(database)) << requests[0].login.toStdString();
    // Kept in memory for the run: the next connections do not ask again.
    const std::unique_ptr<PgConnection> second = connectToOffice(conninfo);
    EXPECT_EQ(second->user(), role);
    EXPECT_EQ(requests.size(), 1u);
}

TEST_F(ServerPasswordTest, ARefusedPasswordIsAskedAgainWithTheReasonAtMostThreeTimes) {
    {
        PasswordSourceScope scope(answering({QStringLiteral("yanlis"), QStringLiteral("dogru")}));
        EXPECT_EQ(connectToOffice(conninfo)->user(), role);
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_EQ(requests[1].attempt, 2);
        EXPECT_TRUE(requests[1].refusal.startsWith(QStringLiteral("Sunucu parolayı kabul etmedi")))
            << requests[1].refusal.toStdString();
    }
    requests.clear();
    PasswordSourceScope scope(
        answering({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("dogru")}));
    try {
        connectToOffice(conninfo);
        FAIL() << "connected";
    } catch (const PgError& e) {
        EXPECT_TRUE(e.message().startsWith(
            QStringLiteral("Parola 3 kez kabul edilmediği için büro sunucusuna bağlanılmadı.")))
            << e.what();
    }
    EXPECT_EQ(requests.size(), size_t(kPasswordAttempts));
    // Given up for the run: the program's other connections are not asked again.
    EXPECT_THROW(connectToOffice(conninfo), PgError);
    EXPECT_EQ(requests.size(), size_t(kPasswordAttempts));
}

TEST_F(ServerPasswordTest, ACancelledQuestionSaysSoOnceAndIsNotAskedAgain) {
    PasswordSourceScope scope(answering({}));
    for (int i = 0; i < 2; ++i) {
        try {
            connectToOffice(conninfo);
            FAIL() << "connected";
        } catch (const PgError& e) {
            EXPECT_TRUE(e.message().startsWith(
                QStringLiteral("Parola girilmediği için büro sunucusuna bağlanılmadı")))
                << e.what();
        }
    }
    EXPECT_EQ(requests.size(), 1u);
}

TEST_F(ServerPasswordTest, WithoutASourceOrWithAPasswordFileNothingIsAsked) {
    // A program that cannot ask (a script) is told where to put the password.
    try {
        connectToOffice(conninfo);
        FAIL() << "connected";
    } catch (const PgError& e) {
        EXPECT_EQ(e.password(), PgError::Password::Missing);
        EXPECT_TRUE(e.message().contains(QStringLiteral("~/.pgpass"))) << e.what();
    }
    // A password the user keeps in the service's string or file and the server refuses is
    // theirs to correct there; asking would hide where the wrong one lives.
    PasswordSourceScope scope(answering({QStringLiteral("dogru")}));
    try {
        connectToOffice(conninfo + QStringLiteral(" password=eski"));
        FAIL() << "connected";
    } catch (const PgError& e) {
        EXPECT_EQ(e.password(), PgError::Password::Refused);
    }
    EXPECT_TRUE(requests.empty());
}

} // namespace
} // namespace velkor::test
