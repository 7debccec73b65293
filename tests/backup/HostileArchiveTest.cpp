#include "BackupFixture.h"

#include "backup/BackupNames.h"
#include "storage/Schema.h"
#include "support/ZipPatch.h"

#include <sqlcipher/sqlite3.h>
#include <sys/stat.h>
#include <zip.h>

namespace velkor::test {
namespace {

/// Writes an archive whose entries are given by name and content; `link` marks the entry
/// that is stored as a symbolic link.
void writeRawArchive(const QString& path, const std::vector<std::pair<QByteArray, QByteArray>>& entries,
                     const QByteArray& link = {}) {
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(z, nullptr);
    std::vector<QByteArray> keep;
    for (const auto& [name, content] : entries) {
        keep.push_back(content);
        zip_source_t* source = zip_source_buffer(z, keep.back().constData(), keep.back().size(), 0);
        const zip_int64_t index = zip_file_add(z, name.constData(), source, ZIP_FL_ENC_RAW);
        ASSERT_GE(index, 0) << name.constData();
        if (name == link)
            zip_file_set_external_attributes(z, index, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
    }
    ASSERT_EQ(zip_close(z), 0);
}

QByteArray plainSqliteFile(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE sabit_kiymet (id INTEGER PRIMARY KEY); INSERT INTO sabit_kiymet VALUES (1);",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TEST(ArchiveEntryRuleTest, OnlyBareDatabaseNamesOfTheExpectedKind) {
    const auto refused = [](const char* name, ArchiveKind kind = ArchiveKind::Companies) {
        ZipEntry e;
        e.name = QString::fromUtf8(name);
        return !refusedEntry(e, kind).isEmpty();
    };
    EXPECT_FALSE(refused("ABC.mdb"));
    EXPECT_FALSE(refused("Şirket 1.mdb"));
    EXPECT_FALSE(refused("Genel.mdb", ArchiveKind::General));
    for (const char* name : {"../x.mdb", "/tmp/x.mdb", "Data/x.mdb", "a\\x.mdb", "C:x.mdb", "..mdb",
                             ".gizli.mdb", "x.txt", "x.mdb.exe", "", "x.mdb/"})
        EXPECT_TRUE(refused(name)) << name;
    EXPECT_TRUE(refused("ABC.mdb", ArchiveKind::General));
    ZipEntry link;
    link.name = QStringLiteral("ABC.mdb");
    link.isLink = true;
    EXPECT_FALSE(refusedEntry(link, ArchiveKind::Companies).isEmpty());
}

TEST_F(BackupTest, HostileArchivesAreRefusedAndChangeNothing) {
    const QString y = home.home() + QStringLiteral("Yedek/");
    const QString good = y + QStringLiteral("good.zip");
    backups.backupAll(good);
    const QByteArray company = [&] {
        QFile f(data(QStringLiteral("AAA")));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    std::vector<QString> hostile;
    const auto add = [&](const QString& name, const std::vector<std::pair<QByteArray, QByteArray>>& entries,
                         const QByteArray& link = {}) {
        writeRawArchive(y + name, entries, link);
        hostile.push_back(y + name);
    };
    add("dotdot.zip", {{"AAA.mdb", company}, {"../x.mdb", company}});
    add("absolute.zip", {{"/tmp/velkor-x.mdb", company}});
    add("link.zip", {{"AAA.mdb", "/etc/passwd"}}, "AAA.mdb");
    add("plain.zip", {{"AAA.mdb", plainSqliteFile(y + "plain.sqlite")}});
    add("foreign.zip", {{"readme.txt", "merhaba"}, {"veri.db", company}});
    add("garbage.zip", {{"AAA.mdb", QByteArray(5000, 'x')}});
    add("empty.zip", {});
    QFile::copy(good, y + "truncated.zip");
    QFile truncated(y + "truncated.zip");
    truncated.resize(truncated.size() / 2);
    hostile.push_back(y + "truncated.zip");
    QFile text(y + "notzip.zip");
    text.open(QIODevice::WriteOnly);
    text.write("bu bir arşiv değil");
    text.close();
    hostile.push_back(y + "notzip.zip");

    const QMap<QString, QByteArray> before = files();
    for (const QString& archive : hostile) {
        home.prompt().clearShown();
        for (int kind = 0; kind < 3; ++kind) {
            try {
                if (kind == 0)
                    backups.restoreAll(archive, QDateTime::currentDateTime());
                else if (kind == 1)
                    backups.restoreDaily(archive, QDateTime::currentDateTime());
                else
                    backups.restoreCompany(archive, QDateTime::currentDateTime());
                ADD_FAILURE() << "accepted " << archive.toStdString() << " kind " << kind;
            } catch (const ShownError& e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("Hiçbir dosya geri yüklenmedi"))) << e.what();
            }
            EXPECT_EQ(files(), before) << archive.toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/velkor-x.mdb")));
        EXPECT_FALSE(QFileInfo::exists(home.home() + "x.mdb"));
        EXPECT_FALSE(QFileInfo::exists(ArchiveRestore::stagingFolder(home.home())));
        EXPECT_TRUE(home.context().company().isOpen());
        EXPECT_TRUE(home.context().general().isOpen());
    }
    // A "Gen" companion that holds company databases instead of the general one.
    QFile::copy(good, y + "wronggen.zip");
    QFile::copy(good, y + "wronggen.zipGen");
    EXPECT_THROW(backups.restoreAll(y + "wronggen.zip", QDateTime::currentDateTime()), ZipError);
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(QDir(y).entryList({QStringLiteral("GeriYuklemeOncesi_*")}).isEmpty());
}

// A backup archive that declares 3 GB for its database: refused on its declaration, before
// anything is extracted; one that declares less than it holds stops at the declaration.
TEST_F(BackupTest, AZipBombIsRefusedBeforeItIsWrittenOut) {
    const QString bomb =
        backups.backupCompany(QStringLiteral("AAA"), QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3)));
    const QString liar = home.home() + QStringLiteral("Yedek/AAA_2024_3_5_9_7_4.zip");
    ASSERT_TRUE(QFile::copy(bomb, liar));
    ASSERT_EQ(declareEntrySize(bomb, 3000000000u), 2);
    ASSERT_EQ(declareEntrySize(liar, 1000), 2);
    const QMap<QString, QByteArray> before = files();
    int steps = 0;
    const auto count = [&steps](const char*) { ++steps; };
    try {
        backups.restoreCompany(bomb, QDateTime::currentDateTime(), count);
        ADD_FAILURE() << "the bomb was restored";
    } catch (const ShownError& e) {
        EXPECT_TRUE(
            e.message().startsWith(QStringLiteral("Yedek arşivindeki AAA.mdb dosyası açıldığında 2861 MB "
                                                  "olacağını bildiriyor; bir veritabanı dosyası için "
                                                  "sınır 2048 MB.")))
            << e.what();
    }
    EXPECT_EQ(steps, 0);
    try {
        backups.restoreCompany(liar, QDateTime::currentDateTime(), count);
        ADD_FAILURE() << "an entry larger than declared was restored";
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("bildirdiği boyuttan (1000 bayt) büyük")))
            << e.what();
    }
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(files(), before);
    EXPECT_FALSE(QFileInfo::exists(ArchiveRestore::stagingFolder(home.home())));
}

// A file with the program's key whose tables lack what the program reads would restore and
// then fail at every list ("no such column"); every file of every restore is checked first.
TEST_F(BackupTest, ARestoreRefusesDatabasesWithoutTheTablesAndColumnsTheProgramUses) {
    const QString y = home.home() + QStringLiteral("Yedek/");
    const auto encrypted = [&](const QString& name, const QString& sql) {
        const QString path = y + name;
        Database::create(path, kDatabasePassword);
        Database db(path, kDatabasePassword);
        db.exec(sql);
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    };
    writeRawArchive(y + "thin.zip",
                    {{"AAA.mdb", encrypted(QStringLiteral("thin.mdb"),
                                           QStringLiteral("CREATE TABLE sabit_kiymet (id INTEGER "
                                                          "PRIMARY KEY); INSERT INTO sabit_kiymet "
                                                          "VALUES (1);"))}});
    backups.backupAll(y + QStringLiteral("all.zip"));
    writeRawArchive(y + "all.zipGen",
                    {{"Genel.mdb", encrypted(QStringLiteral("genel.mdb"),
                                             QStringLiteral("CREATE TABLE firmalar (fid INTEGER); "
                                                            "CREATE TABLE sifreli (sid INTEGER); "
                                                            "CREATE TABLE mast (mids TEXT);"))}});
    addItem(QStringLiteral("AAA"), QStringLiteral("255"), QStringLiteral("Sonra"));
    const QMap<QString, QByteArray> before = files();
    try {
        backups.restoreCompany(y + "thin.zip", QDateTime::currentDateTime());
        ADD_FAILURE() << "restored a company without the item columns";
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral(
            "AAA.mdb bu programın veritabanı değil (sabit_kiymet tablosunda sbk_kodu alanı yok).")))
            << e.what();
    }
    // The companies of the pair are sound, its registry is not: nothing is replaced.
    try {
        backups.restoreAll(y + "all.zip", QDateTime::currentDateTime());
        ADD_FAILURE() << "restored a registry without its columns";
    } catch (const ShownError& e) {
        EXPECT_TRUE(e.message().startsWith(
            QStringLiteral("Genel.mdb bu programın veritabanı değil (firmalar tablosunda kodu alanı yok).")))
            << e.what();
    }
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(QDir(y).entryList({QStringLiteral("GeriYuklemeOncesi_*")}).isEmpty());
}

} // namespace
} // namespace velkor::test
