#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velkor::test::runCli;

namespace {

class DocsPdfCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_EQ(run({"init"}), 0);
    }
    int run(QStringList args, QString* out = nullptr, QString* err = nullptr) {
        args.prepend(dir.path());
        args.prepend("--home");
        return runCli(args, out, err);
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    static QString poppler(const char* tool, const QStringList& args) {
        QProcess process;
        process.start(QStandardPaths::findExecutable(QString::fromLatin1(tool)), args);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DocsPdfCliTest, TheGuideIsRenderedWithItsEntriesAndPictures) {
    QString out;
    ASSERT_EQ(run({"docs", "pdf", "kullanim", "--file", file("kilavuz.pdf")}, &out), 0);
    EXPECT_TRUE(out.startsWith(file("kilavuz.pdf") + " (")) << out.toStdString();
    const QString text = poppler("pdftotext", {file("kilavuz.pdf"), "-"});
    QString list;
    ASSERT_EQ(run({"docs", "list", "kullanim"}, &list), 0);
    const QStringList names = list.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(names.size(), 13);
    // Each entry is listed in the contents and starts with its own heading.
    EXPECT_TRUE(text.contains(QStringLiteral("İçindekiler")));
    for (const QString& name : names)
        EXPECT_TRUE(text.contains(name)) << name.toStdString();
    for (const char* heading :
         {"Başlarken", "Sabit Kıymetlerin Düzeltilmesi", "Özkaynakların Düzeltilmesi",
          "Muhasebe Fişi Aktarımı", "Yedekleme ve Geri Yükleme", "Komut Satırı",
          "Katsayılar, Oranlar ve Veriler", "Excelden Veri Aktarımı", "Sonraki Dönem Düzeltmeleri",
          "Programın kapsamadığı konular", "Büro Sunucusu"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << heading;
    EXPECT_TRUE(text.contains(QStringLiteral("Kullanım Kılavuzu - Sayfa 1/")));
    // Every picture the guide names was found: at least one image drawn per picture.
    const QStringList images =
        poppler("pdfimages", {"-list", file("kilavuz.pdf")}).split('\n', Qt::SkipEmptyParts);
    EXPECT_GE(images.size() - 2, 15) << images.join('\n').toStdString();
}

TEST_F(DocsPdfCliTest, TheGuideFollowsItsEditsAndAFailedWriteLeavesNoFile) {
    QFile document(file("not.html"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write(
        QStringLiteral("<html><body><h2>Şirket içi notlar</h2><p>Çağrı merkezi.</p></body></html>").toUtf8());
    document.close();
    ASSERT_EQ(run({"docs", "save", "kullanim", "10 Notlar", "--file", document.fileName()}), 0);
    ASSERT_EQ(run({"docs", "pdf", "kullanim", "--file", file("kilavuz.pdf")}), 0);
    const QString text = poppler("pdftotext", {file("kilavuz.pdf"), "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("10 Notlar")));
    EXPECT_TRUE(text.contains(QStringLiteral("Şirket içi notlar")));
    EXPECT_TRUE(text.contains(QStringLiteral("Çağrı merkezi.")));

    QString err;
    EXPECT_EQ(run({"docs", "pdf", "kullanim", "--file", file("yok/kilavuz.pdf")}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("PDF dosyası yazılamadı"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(file("yok/kilavuz.pdf")));
    EXPECT_EQ(run({"docs", "pdf", "kullanim"}), 2);
}
