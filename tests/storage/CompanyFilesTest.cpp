#include "storage/CompanyFiles.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/Installation.h"
#include "storage/Schema.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace velkor;

namespace {

TEST(CompanyCodeTest, InvisibleAndControlCharactersAreRefused) {
    for (const QString& code : {QStringLiteral("ABC"), QStringLiteral("Çağ İnşaat"), QStringLiteral("A-1_2"),
                                QStringLiteral("Ş.Ö")})
        EXPECT_TRUE(companyCodeProblem(code).isEmpty()) << code.toStdString();
    for (const char16_t c : {u'\x7f', u'\x85', u'\x9f', u'\x01', u'\u200b', u'\u200e', u'\u2060', u'\ufeff',
                             u'\u00a0', u'\u3000', u'\u2028', u'\ue000'}) {
        const QString code = QStringLiteral("AB") + QChar(c) + QStringLiteral("C");
        EXPECT_FALSE(companyCodeProblem(code).isEmpty()) << int(c);
    }
    for (const QString& code : {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
                                QStringLiteral(".."), QStringLiteral(" A"), QStringLiteral("A."), QString()})
        EXPECT_FALSE(companyCodeProblem(code).isEmpty()) << code.toStdString();
}

TEST(CompanyCodeTest, EveryPathFromACodeIsChecked) {
    EXPECT_EQ(companyDatabasePath(QStringLiteral("/kurulum/"), QStringLiteral("ABC")),
              QStringLiteral("/kurulum/Data/ABC.mdb"));
    EXPECT_THROW(companyDatabasePath(QStringLiteral("/kurulum/"), QStringLiteral("../AnaData/Genel")),
                 ShownError);
    EXPECT_THROW(companyTemporaryPath(QStringLiteral("/kurulum/"), QStringLiteral("A\u200bB")), ShownError);
}

class StorageHardening : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.path() + QLatin1Char('/') + QString::fromUtf8(name); }
    QTemporaryDir dir;
};

TEST_F(StorageHardening, AnEmptyDatabaseFileIsNamedWhenRefused) {
    QFile empty(path("bos.mdb"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    try {
        Database db(empty.fileName(), kDatabasePassword);
        ADD_FAILURE();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(empty.fileName())) << e.message().toStdString();
    }
    EXPECT_EQ(QFile(empty.fileName()).size(), 0);
    EXPECT_TRUE(companyDatabaseProblem(empty.fileName()).contains(empty.fileName()));
}

TEST_F(StorageHardening, ACompanyFileMustHoldTheWholeItemTable) {
    createDatabaseFile(path("tam.mdb"), createCompanySchema);
    EXPECT_EQ(companyDatabaseProblem(path("tam.mdb")), QString());
    createDatabaseFile(path("eksik.mdb"), [](Database& db) {
        db.exec(QStringLiteral("CREATE TABLE sabit_kiymet (id INTEGER PRIMARY KEY, anahesapkodu TEXT)"));
    });
    EXPECT_TRUE(companyDatabaseProblem(path("eksik.mdb")).contains(QStringLiteral("alanı yok")));
    createDatabaseFile(path("tablosuz.mdb"), [](Database&) {});
    EXPECT_TRUE(companyDatabaseProblem(path("tablosuz.mdb")).contains(QStringLiteral("sabit_kiymet")));
}

TEST_F(StorageHardening, ALockHeldByAnotherProgramSaysSo) {
    createDatabaseFile(path("kilitli.mdb"), createCompanySchema);
    Database holder(path("kilitli.mdb"), kDatabasePassword);
    holder.exec(QStringLiteral("BEGIN EXCLUSIVE; INSERT INTO sabit_kiymet (anahesapkodu) VALUES ('250');"));
    try {
        Database other(path("kilitli.mdb"), kDatabasePassword);
        ADD_FAILURE();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("başka bir program tarafından kullanılıyor")))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(path("kilitli.mdb")));
    }
    holder.exec(QStringLiteral("ROLLBACK"));
}

TEST_F(StorageHardening, NoNonFiniteNumberReachesAColumn) {
    createDatabaseFile(path("firma.mdb"), createCompanySchema);
    Database db(path("firma.mdb"), kDatabasePassword);
    for (const double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(db.execute(QStringLiteral("INSERT INTO sabit_kiymet (VUK_Son_Degeri) VALUES (?)"), {v}),
                     DatabaseError);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM sabit_kiymet")).toInt(), 0);
}

TEST_F(StorageHardening, OnlyInitCreatesTheSharedDatabases) {
    EXPECT_TRUE(isNewInstallation(dir.path()));
    EXPECT_THROW(requireInstallation(dir.path()), ShownError);
    ensureInstallation(dir.path());
    EXPECT_FALSE(isNewInstallation(dir.path()));
    requireInstallation(dir.path());
    ASSERT_TRUE(QFile::remove(path("AnaData/Genel.mdb")));
    EXPECT_FALSE(isNewInstallation(dir.path()));
    try {
        requireInstallation(dir.path());
        ADD_FAILURE();
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().contains(path("AnaData/Genel.mdb"))) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("AnaData/Genel.mdb")));
}

} // namespace
