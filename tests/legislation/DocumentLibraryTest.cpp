#include "legislation/DocumentLibrary.h"
#include "storage/ZipArchive.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

const QByteArray kPassword = QByteArrayLiteral("deneme-sifresi");

class DocumentLibraryTest : public ::testing::Test {
protected:
    // The entry names a reader without the password sees.
    QStringList entryNames() const {
        ZipArchive archive(path, ZipArchive::Mode::Read);
        QStringList names;
        for (int i = 0; i < archive.entryCount(); ++i)
            names << archive.entryName(i);
        return names;
    }
    QByteArray fileBytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/GenelBilgi.enf");
    DocumentLibrary library{path, kPassword};
};

TEST_F(DocumentLibraryTest, TitlesTheUserTypesAreNotReadableWithoutThePassword) {
    const QString title = QStringLiteral("Müşteri Yılmaz'ın vergi cezası");
    library.save(title, QStringLiteral("<p>gizli</p>"));
    library.save(QStringLiteral("İkinci not"), QStringLiteral("düz metin\nikinci satır"));

    EXPECT_EQ(library.names(), (QStringList{QStringLiteral("İkinci not"), title}));
    EXPECT_EQ(library.read(title), QStringLiteral("<p>gizli</p>"));
    EXPECT_EQ(library.read(QStringLiteral("İkinci not")), QStringLiteral("düz metin\nikinci satır"));
    for (const QString& name : entryNames())
        EXPECT_TRUE(name.startsWith(DocumentLibrary::kDocumentFolder)) << name.toStdString();
    EXPECT_FALSE(fileBytes().contains(title.toUtf8()));
    EXPECT_FALSE(fileBytes().contains(QByteArrayLiteral("Yılmaz")));

    // Saving under the same title replaces the document; deleting removes it.
    library.save(title, QStringLiteral("<p>yeni</p>"));
    EXPECT_EQ(entryNames().size(), 2);
    EXPECT_EQ(library.read(title), QStringLiteral("<p>yeni</p>"));
    library.remove(title);
    EXPECT_EQ(library.names(), QStringList{QStringLiteral("İkinci not")});
    EXPECT_THROW(library.read(title), ZipError);
    EXPECT_THROW(library.remove(title), ZipError);
    // The wrong password reads no title either.
    EXPECT_THROW(DocumentLibrary(path, "yanlis").names(), ZipError);
}

TEST_F(DocumentLibraryTest, ArchivesOfTheEarlierLayoutReadAsBeforeAndMoveOnSaving) {
    {
        ZipArchive archive(path, ZipArchive::Mode::Create, kPassword);
        archive.write(QStringLiteral("Eski not"), QByteArrayLiteral("eski metin"));
        archive.write(QStringLiteral("Öteki"), QByteArrayLiteral("öteki metin"));
        archive.write(DocumentLibrary::kPictureFolder + QStringLiteral("a.png"), QByteArrayLiteral("png"));
        archive.commit();
    }
    EXPECT_EQ(library.names(), (QStringList{QStringLiteral("Eski not"), QStringLiteral("Öteki")}));
    EXPECT_EQ(library.read(QStringLiteral("Eski not")), QStringLiteral("eski metin"));

    library.save(QStringLiteral("Eski not"), QStringLiteral("düzeltilmiş"));
    EXPECT_EQ(library.names(), (QStringList{QStringLiteral("Eski not"), QStringLiteral("Öteki")}));
    EXPECT_EQ(library.read(QStringLiteral("Eski not")), QStringLiteral("düzeltilmiş"));
    EXPECT_FALSE(entryNames().contains(QStringLiteral("Eski not")));
    EXPECT_EQ(library.picture(QStringLiteral("resimler/a.png")), QByteArrayLiteral("png"));

    library.remove(QStringLiteral("Öteki"));
    EXPECT_EQ(library.names(), QStringList{QStringLiteral("Eski not")});
    EXPECT_THROW(library.save(QStringLiteral("iki\nsatır"), QStringLiteral("x")), ZipError);
}

} // namespace
