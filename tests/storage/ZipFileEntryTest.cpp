#include "storage/ZipArchive.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <zip.h>

using namespace velkor;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(data);
}

TEST(ZipFileEntryTest, FilesAreDeflatedOrStoredByKindAndExtractedWhole) {
    QTemporaryDir dir;
    const QString text = dir.path() + QStringLiteral("/notlar.txt");
    const QString database = dir.path() + QStringLiteral("/A.mdb");
    writeFile(text, QByteArray(200000, 'a'));
    writeFile(database, QByteArray(50000, 'b'));
    const QString path = dir.path() + QStringLiteral("/y.zip");
    {
        ZipArchive archive(path, ZipArchive::Mode::Create);
        archive.addFile(QStringLiteral("notlar.txt"), text);
        archive.addFile(QStringLiteral("A.mdb"), database);
        archive.commit();
    }
    int error = 0;
    zip_t* raw = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    ASSERT_NE(raw, nullptr);
    zip_stat_t st;
    zip_stat(raw, "notlar.txt", 0, &st);
    EXPECT_EQ(st.comp_method, ZIP_CM_DEFLATE);
    EXPECT_LT(st.comp_size, 2000u);
    zip_stat(raw, "A.mdb", 0, &st);
    EXPECT_EQ(st.comp_method, ZIP_CM_STORE);
    zip_discard(raw);

    const ZipArchive archive(path, ZipArchive::Mode::Read);
    EXPECT_FALSE(archive.isLink(0));
    archive.extract(archive.find(QStringLiteral("notlar.txt")), dir.path() + QStringLiteral("/out.txt"));
    EXPECT_EQ(readAll(dir.path() + QStringLiteral("/out.txt")), readAll(text));
    EXPECT_THROW(archive.extract(0, dir.path() + QStringLiteral("/yok/out.txt")), ZipError);
}

TEST(ZipFileEntryTest, DamagedDataIsRefusedByItsChecksum) {
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/A.mdb");
    writeFile(source, QByteArray(40000, 'c'));
    const QString path = dir.path() + QStringLiteral("/y.zip");
    ZipArchive created(path, ZipArchive::Mode::Create);
    created.addFile(QStringLiteral("A.mdb"), source);
    created.commit();
    QByteArray bytes = readAll(path);
    bytes[20000] = static_cast<char>(bytes[20000] ^ 0x5a); // inside the stored data
    writeFile(path, bytes);
    const ZipArchive archive(path, ZipArchive::Mode::Read);
    EXPECT_THROW(archive.extract(0, dir.path() + QStringLiteral("/out.mdb")), ZipError);
}

} // namespace
