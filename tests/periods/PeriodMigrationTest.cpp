#include "PeriodStorageFixture.h"

#include "periods/PeriodWork.h"
#include "reports/CompanyLookup.h"
#include "storage/ConnectionStrings.h"
#include "storage/PeriodGuard.h"
#include "storage/SchemaCheck.h"
#include "storage/SchemaUpgrade.h"
#include "storage/Statement.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// Every column of every item row as text: the 31.12.2023 work as a file holds it.
QStringList itemRows(Database& db) {
    QStringList rows;
    Statement all(db, QStringLiteral("SELECT * FROM sabit_kiymet ORDER BY id"));
    while (all.step()) {
        QStringList cells;
        for (int c = 0; c < all.columnCount(); ++c)
            cells << all.value(c).toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

TEST(PeriodMigration, AnEarlierCompanyFileIsReadWithoutBeingWritten) {
    EarlierCompanyHome home;
    const QByteArray before = fileHash(home.companyFile());
    Database& db = home.context().company().database();
    EXPECT_EQ(companySchemaVersion(db), 1);
    EXPECT_FALSE(hasClosedPeriod(db));
    EXPECT_FALSE(hasOpenPeriod(db));
    EXPECT_EQ(removeOpenPeriodLines(db, {1, 2}), 0);
    PeriodWork work(home.context());
    EXPECT_TRUE(work.periods().empty());
    home.context().company().close();
    EXPECT_EQ(fileHash(home.companyFile()), before);
}

TEST(PeriodMigration, TheUpgradeAddsThePeriodTablesAndKeepsEveryItemRow) {
    EarlierCompanyHome home;
    Database& db = home.context().company().database();
    const QStringList rows = itemRows(db);
    ASSERT_EQ(rows.size(), 8);

    upgradeCompanySchema(db);
    EXPECT_EQ(companySchemaVersion(db), kCompanySchemaVersion);
    for (const char* table : {"donem", "donem_kalem", "donem_kayit"})
        EXPECT_TRUE(db.hasTable(QString::fromLatin1(table))) << table;
    EXPECT_EQ(itemRows(db), rows);
    EXPECT_TRUE(schemaProblem(db, SchemaKind::Company).isEmpty());

    // At the version, the upgrade writes nothing.
    home.context().company().close();
    const QByteArray upgraded = fileHash(home.companyFile());
    home.context().company().open();
    upgradeCompanySchema(home.context().company().database());
    home.context().company().close();
    EXPECT_EQ(fileHash(home.companyFile()), upgraded);
}

TEST(PeriodMigration, AFileOfALaterVersionIsRefused) {
    EarlierCompanyHome home;
    Database& db = home.context().company().database();
    upgradeCompanySchema(db);
    db.execute(QStringLiteral("UPDATE sema_surumu SET surum = ?"), {kCompanySchemaVersion + 1});
    EXPECT_THROW(upgradeCompanySchema(db), ShownError);
}

TEST(PeriodMigration, AddingAPeriodLeavesThe2023WorkAsItWas) {
    EarlierCompanyHome home;
    Database& db = home.context().company().database();
    const QStringList rows = itemRows(db);
    PeriodWork work(home.context());
    ASSERT_TRUE(work.add(QDate(2024, 12, 31), home.prompt()));
    EXPECT_EQ(companySchemaVersion(db), kCompanySchemaVersion);
    // "Hesapla" runs the 31.12.2023 closing step on rows that are already current.
    const PeriodView view = work.calculate(QDate(2024, 12, 31));
    EXPECT_FALSE(view.lines.empty());
    EXPECT_EQ(itemRows(db), rows);
}

TEST(PeriodMigration, AnEarlierGeneralDatabaseGainsTheThresholdColumnsWhenOpened) {
    TempHome home;
    const QString general = home.home() + QStringLiteral("AnaData/Genel.mdb");
    home.context().general().close();
    QFile::remove(general);
    ASSERT_TRUE(QFile::copy(earlierReleaseData(QStringLiteral("Genel.mdb")), general));
    QFile::setPermissions(general, QFile::ReadOwner | QFile::WriteOwner);
    {
        Database old(general, kDatabasePassword);
        EXPECT_FALSE(hasColumn(old, QStringLiteral("firmalar"), QStringLiteral("brut_satis_2023")));
    }
    home.context().general().open();
    Database& db = home.context().general().database();
    EXPECT_TRUE(hasColumn(db, QStringLiteral("firmalar"), QStringLiteral("brut_satis_2023")));
    EXPECT_TRUE(hasColumn(db, QStringLiteral("firmalar"), QStringLiteral("kiymetli_maden")));
    EXPECT_EQ(registeredCompanyName(home.context().general(), QStringLiteral("ESK")),
              QStringLiteral("Eski Dosya A.Ş."));
    EXPECT_TRUE(schemaProblem(db, SchemaKind::General).isEmpty());
}

// The installation of the earlier release as a user has it, worked by today's command line:
// the 31.12.2023 report and journal come out as the earlier program printed them, before and
// after the company gained a period.
TEST(PeriodMigration, TheCommandLineShowsThe2023WorkOfAnEarlierInstallationUnchanged) {
    QTemporaryDir dir;
    const QString home = dir.path();
    ASSERT_EQ(runCli({QStringLiteral("--home"), home, QStringLiteral("init")}), 0);
    QFile::remove(home + QStringLiteral("/AnaData/Genel.mdb"));
    ASSERT_TRUE(QFile::copy(earlierReleaseData(QStringLiteral("Genel.mdb")),
                            home + QStringLiteral("/AnaData/Genel.mdb")));
    ASSERT_TRUE(
        QFile::copy(earlierReleaseData(QStringLiteral("ESK.mdb")), home + QStringLiteral("/Data/ESK.mdb")));
    for (const QString& file : {QStringLiteral("/AnaData/Genel.mdb"), QStringLiteral("/Data/ESK.mdb")})
        QFile::setPermissions(home + file, QFile::ReadOwner | QFile::WriteOwner);

    const auto run = [&](QStringList args) {
        QString out;
        QString err;
        const int code = runCli(QStringList{QStringLiteral("--home"), home} + args, &out, &err);
        EXPECT_EQ(code, 0) << args.join(QLatin1Char(' ')).toStdString() << ": " << err.toStdString();
        return out;
    };
    const QStringList company{QStringLiteral("--company"), QStringLiteral("ESK")};
    const QString report = readText(earlierReleaseData(QStringLiteral("ESK-rapor.txt")));
    const QString journal = readText(earlierReleaseData(QStringLiteral("ESK-yevmiye.txt")));
    EXPECT_EQ(run(QStringList{QStringLiteral("company"), QStringLiteral("list")}),
              readText(earlierReleaseData(QStringLiteral("firmalar.txt"))));
    EXPECT_EQ(run(QStringList{QStringLiteral("report")} + company), report);
    EXPECT_EQ(run(QStringList{QStringLiteral("journal")} + company), journal);

    run(QStringList{QStringLiteral("period"), QStringLiteral("add")} + company +
        QStringList{QStringLiteral("--end"), QStringLiteral("31.12.2024")});
    EXPECT_TRUE(run(QStringList{QStringLiteral("period"), QStringLiteral("list")} + company)
                    .contains(QStringLiteral("31.12.2024")));
    EXPECT_EQ(run(QStringList{QStringLiteral("report")} + company), report);
    EXPECT_EQ(run(QStringList{QStringLiteral("journal")} + company), journal);
}

// A company file whose periods the previous build saved and closed (30.06.2024 closed with a
// typed DP, 31.12.2024 open with a partial disposal and a new item): its stored periods read
// back and print exactly as that build printed them.
TEST(PeriodMigration, StoredPeriodsOfThePreviousBuildPrintAsItPrintedThem) {
    QTemporaryDir dir;
    const QString home = dir.path();
    ASSERT_EQ(runCli({QStringLiteral("--home"), home, QStringLiteral("init")}), 0);
    ASSERT_TRUE(QFile::copy(earlierReleaseData(QStringLiteral("ESK-donemler.mdb")),
                            home + QStringLiteral("/Data/ESK.mdb")));
    QFile::setPermissions(home + QStringLiteral("/Data/ESK.mdb"), QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(runCli({QStringLiteral("--home"), home, QStringLiteral("company"), QStringLiteral("adopt"),
                      QStringLiteral("ESK"), QStringLiteral("Eski Dosya A.Ş.")}),
              0);
    for (const QString& end : {QStringLiteral("30.06.2024"), QStringLiteral("31.12.2024")}) {
        for (const QString& word : {QStringLiteral("report"), QStringLiteral("journal")}) {
            QString out;
            QString err;
            EXPECT_EQ(
                runCli({QStringLiteral("--home"), home, QStringLiteral("period"), word,
                        QStringLiteral("--company"), QStringLiteral("ESK"), QStringLiteral("--end"), end},
                       &out, &err),
                0)
                << err.toStdString();
            const QString expected = QStringLiteral("ESK-donem-%1-%2.txt")
                                         .arg(word == QLatin1String("report") ? QStringLiteral("rapor")
                                                                              : QStringLiteral("yevmiye"),
                                              end);
            EXPECT_EQ(out, readText(earlierReleaseData(expected))) << expected.toStdString();
        }
    }
}
