#include "storage/ZipArchive.h"
#include "support/ZipPatch.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <zip.h>

using namespace velkor;

namespace {

TEST(ZipArchiveTest, EncryptedEntriesRoundTripAndNeedThePassword) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/a.zip");
    {
        ZipArchive archive(path, ZipArchive::Mode::Create, "gizli");
        archive.write(QStringLiteral("bir.rtf"), "birinci");
        archive.write(QStringLiteral("iki şey.txt"), QByteArray(100000, 'x'));
        archive.commit();
    }
    {
        ZipArchive archive(path, ZipArchive::Mode::Update, "gizli");
        archive.write(QStringLiteral("bir.rtf"), "değişti");
        archive.remove(archive.find(QStringLiteral("iki şey.txt")));
        archive.write(QStringLiteral("üç.txt"), "üç");
        // Destroyed without a commit: nothing of this reaches the file.
    }
    ZipArchive archive(path, ZipArchive::Mode::Read, "gizli");
    ASSERT_EQ(archive.entryCount(), 2);
    EXPECT_EQ(archive.read(archive.find(QStringLiteral("bir.rtf"))), QByteArray("birinci"));
    EXPECT_EQ(archive.read(archive.find(QStringLiteral("iki şey.txt"))).size(), 100000);
    EXPECT_THROW(archive.read(archive.find(QStringLiteral("iki şey.txt")), 1000), ZipError);

    ZipArchive wrong(path, ZipArchive::Mode::Read, "yanlis");
    EXPECT_THROW(wrong.read(0), ZipError);
    EXPECT_THROW(ZipArchive(dir.path() + QStringLiteral("/yok.zip"), ZipArchive::Mode::Read), ZipError);
    QFile junk(dir.path() + QStringLiteral("/bozuk.zip"));
    junk.open(QIODevice::WriteOnly);
    junk.write("PK\x03\x04 bozuk");
    junk.close();
    EXPECT_THROW(ZipArchive(junk.fileName(), ZipArchive::Mode::Read), ZipError);
}

TEST(ZipArchiveTest, TellsLinksAndNamesThatLeaveTheirFolder) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/l.zip");
    {
        ZipArchive archive(path, ZipArchive::Mode::Create);
        archive.write(QStringLiteral("hedef"), "/etc/passwd");
        archive.commit();
    }
    {
        int error = 0;
        zip_t* raw = zip_open(QFile::encodeName(path).constData(), 0, &error);
        ASSERT_NE(raw, nullptr);
        zip_file_set_external_attributes(raw, 0, 0, ZIP_OPSYS_UNIX, (0120777u) << 16);
        zip_close(raw);
    }
    ZipArchive archive(path, ZipArchive::Mode::Read);
    EXPECT_TRUE(archive.isLink(0));

    for (const char* bad : {"../x", "a/b", "a\\b", "/abs", "C:x", "..", ".", "", "a\x01"})
        EXPECT_FALSE(ZipArchive::isBareFileName(QString::fromLatin1(bad))) << bad;
    for (const char* good : {"velkor", "Genel.mdb", "kullanım kılavuzu.rtf", "..x"})
        EXPECT_TRUE(ZipArchive::isBareFileName(QString::fromUtf8(good))) << good;
}

} // namespace

namespace {

// A deflated entry can inflate far beyond what it declares; extraction stops right after the
// declared size instead of filling the disk first.
TEST(ZipArchiveTest, ExtractionStopsWhenAnEntryOutgrowsItsDeclaredSize) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/b.zip");
    {
        ZipArchive archive(path, ZipArchive::Mode::Create);
        archive.write(QStringLiteral("ABC.mdb"), QByteArray(8 << 20, '\0'));
        archive.commit();
    }
    ASSERT_EQ(velkor::test::declareEntrySize(path, 1000), 2);
    ZipArchive archive(path, ZipArchive::Mode::Read);
    EXPECT_EQ(archive.entrySize(0), 1000);
    const QString target = dir.path() + QStringLiteral("/ABC.mdb");
    try {
        archive.extract(0, target);
        FAIL() << "extracted beyond the declared size";
    } catch (const ZipError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("bildirdiği boyuttan (1000 bayt) büyük")))
            << e.what();
    }
    EXPECT_LE(QFile(target).size(), 1000);
}

} // namespace
