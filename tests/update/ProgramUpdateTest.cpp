#include "update/UpdateTestSupport.h"

#include "base/ScriptedPrompt.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "storage/IniFile.h"
#include "storage/ZipArchive.h"
#include "update/HttpsDownloader.h"
#include "update/PackageFormat.h"
#include "update/PackageSignature.h"
#include "update/ProgramUpdate.h"
#include "update/ProgramUpdateControls.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace velkor;
using namespace velkor::update;

namespace {

const QByteArray kOldProgram = "#!/bin/sh\necho 'velkor 1.0.0'\n";
const QByteArray kNewProgram = "#!/bin/sh\necho 'velkor 2.0.0'\n";

/// What a program file prints for `--version`, as the next start would run it.
QString versionOf(const QString& program) {
    QProcess process;
    process.start(program, {QStringLiteral("--version")});
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner);
}

/// A package as the publisher's tool writes it: the entries encrypted with the package password.
QByteArray makePackage(const std::vector<std::pair<QString, QByteArray>>& entries) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/p.zip");
    ZipArchive archive(path, ZipArchive::Mode::Create, kPackagePassword);
    for (const auto& [name, data] : entries)
        archive.write(name, data);
    archive.commit();
    return readFile(path);
}

class ProgramUpdateTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_update";
            static char* argv[] = {name, nullptr};
            s_app = std::make_unique<QCoreApplication>(argc, argv);
        }
    }
    // The application goes before the statics of the network and TLS libraries do.
    static void TearDownTestSuite() { s_app.reset(); }

    ProgramUpdateTest()
        : home(dir.path() + QStringLiteral("/kurulum/")), program(dir.path() + QStringLiteral("/bin/velkor")),
          downloader({test::LocalHttpsServer::certificate()}, 5000),
          flow(home, program, prompt, windows, downloader, key.publicKey()) {
        QDir().mkpath(home + QStringLiteral("Yedek"));
        QDir().mkpath(dir.path() + QStringLiteral("/bin"));
        writeFile(program, kOldProgram);
        windows.addWindow(windows::kUpdateProgress);
        flow.setAddress(server.root());
    }

    void publish(const QByteArray& package, const QByteArray& signature, bool truncated = false) {
        server.serve(kPackageName, package, truncated);
        server.serve(kPackageName + kSignatureSuffix, signature);
    }
    void publish(const QByteArray& package) { publish(package, key.sign(package)); }

    /// Runs the update with "Evet" to its question; true when it reported success.
    bool runUpdate() {
        prompt.addAnswer(Yes);
        return flow.BitBtn5Click();
    }
    QString lastMessage() const { return prompt.texts().isEmpty() ? QString() : prompt.texts().last(); }
    bool programUnchanged() const {
        return readFile(program) == kOldProgram &&
               !QFile::exists(dir.path() + QStringLiteral("/bin/Bvelkor")) &&
               !QFile::exists(dir.path() + QStringLiteral("/bin/_velkor"));
    }
    QStringList unpackFolders() const {
        return QDir(home + QStringLiteral("Yedek")).entryList({QStringLiteral("Guncelleme-*")}, QDir::Dirs);
    }

    static inline std::unique_ptr<QCoreApplication> s_app;
    QTemporaryDir dir;
    QString home;
    QString program;
    ScriptedPrompt prompt;
    WindowManager windows;
    test::SigningKey key;
    test::LocalHttpsServer server;
    HttpsDownloader downloader;
    ProgramUpdate flow;
};

TEST_F(ProgramUpdateTest, AGoodPackageReplacesTheProgramAndKeepsTheOldOneBesideIt) {
    publish(makePackage({{QStringLiteral("velkor"), kNewProgram}, {QStringLiteral("okubeni.txt"), "yeni"}}));
    EXPECT_EQ(versionOf(program), QStringLiteral("velkor 1.0.0"));
    EXPECT_TRUE(runUpdate());
    EXPECT_EQ(readFile(program), kNewProgram);
    EXPECT_EQ(versionOf(program), QStringLiteral("velkor 2.0.0"));
    EXPECT_EQ(readFile(dir.path() + QStringLiteral("/bin/Bvelkor")), kOldProgram);
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/bin/_velkor")));
    EXPECT_TRUE(QFile::exists(home + kLocalPackage));
    EXPECT_EQ(unpackFolders().size(), 1);
    EXPECT_EQ(lastMessage(), QStringLiteral("Güncelleme yapıldı! Güncellemenin geçerli olabilmesi \n\riçin "
                                            "programı tekrar başlatmanız gerekmektedir!"));
    EXPECT_EQ(flow.progress().text(ctl::updateprogress::Gauge1), QStringLiteral("4"));
    EXPECT_FALSE(windows.isVisible(windows::kUpdateProgress));

    // A second update in the same run is refused: the new version has not run yet.
    EXPECT_FALSE(runUpdate());
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Güncelleme yapılamadı!")));
    EXPECT_EQ(readFile(program), kNewProgram);
}

// The publisher's tool and the program agree: a package it builds and signs from a build
// installs, and the installed file is the new version.
TEST_F(ProgramUpdateTest, APackageFromThePublishersToolInstallsTheNewVersion) {
    const QString build = dir.path() + QStringLiteral("/derleme/");
    QDir().mkpath(build);
    writeFile(build + QStringLiteral("velkor"), kNewProgram);
    QFile pem(dir.path() + QStringLiteral("/yayinci.pem"));
    ASSERT_TRUE(pem.open(QIODevice::WriteOnly));
    pem.write(key.privateKeyPem());
    pem.close();

    QProcess tool;
    tool.start(QStringLiteral("bash"),
               {QStringLiteral(VELKOR_TEST_SOURCE_DIR "/../scripts/make-update-package.sh"), pem.fileName(),
                dir.path() + QStringLiteral("/paket"), build + QStringLiteral("velkor")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    publish(readFile(dir.path() + QStringLiteral("/paket/") + kPackageName),
            readFile(dir.path() + QStringLiteral("/paket/") + kPackageName + kSignatureSuffix));

    EXPECT_TRUE(runUpdate()) << lastMessage().toStdString();
    EXPECT_EQ(versionOf(program), QStringLiteral("velkor 2.0.0"));
}

TEST_F(ProgramUpdateTest, TamperedOrForeignPackagesChangeNothing) {
    const QByteArray package = makePackage({{QStringLiteral("velkor"), kNewProgram}});
    QByteArray tampered = package;
    tampered[tampered.size() / 2] = static_cast<char>(tampered[tampered.size() / 2] ^ 0x01);
    test::SigningKey stranger;
    const struct {
        QByteArray package;
        QByteArray signature;
        bool truncated;
        const char* expected;
    } cases[] = {
        {tampered, key.sign(package), false, "imzası doğrulanamadı"},
        {package, stranger.sign(package), false, "imzası doğrulanamadı"},
        {package, key.sign(package).left(40), false, "imzası doğrulanamadı"},
        {package, key.sign(package), true, "Güncelleme yapılamadı!"},
    };
    for (const auto& c : cases) {
        publish(c.package, c.signature, c.truncated);
        prompt.clearShown();
        EXPECT_FALSE(runUpdate()) << c.expected;
        EXPECT_TRUE(lastMessage().contains(QString::fromUtf8(c.expected))) << lastMessage().toStdString();
        EXPECT_TRUE(programUnchanged());
        EXPECT_TRUE(unpackFolders().isEmpty());
    }
}

TEST_F(ProgramUpdateTest, APackageServedWithoutItsSignatureIsNotInstalled) {
    server.serve(kPackageName, makePackage({{QStringLiteral("velkor"), kNewProgram}}));
    EXPECT_FALSE(runUpdate());
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Güncelleme yapılamadı!")))
        << lastMessage().toStdString();
    EXPECT_TRUE(programUnchanged());
    EXPECT_TRUE(unpackFolders().isEmpty());
}

TEST_F(ProgramUpdateTest, PackagesWithBadEntriesOrNoWorkingProgramAreRefused) {
    const struct {
        std::vector<std::pair<QString, QByteArray>> entries;
        const char* expected;
    } cases[] = {
        {{{QStringLiteral("../velkor"), kNewProgram}}, "izin verilmeyen bir dosya adı"},
        {{{QStringLiteral("/tmp/velkor"), kNewProgram}}, "izin verilmeyen bir dosya adı"},
        {{{QStringLiteral("alt/velkor"), kNewProgram}}, "izin verilmeyen bir dosya adı"},
        {{{QStringLiteral("baska"), kNewProgram}}, "program dosyası (velkor) yok"},
        {{{QStringLiteral("velkor"), "#!/bin/sh\nexit 3\n"}}, "sürümünü bildirmedi"},
    };
    for (const auto& c : cases) {
        publish(makePackage(c.entries));
        prompt.clearShown();
        EXPECT_FALSE(runUpdate());
        EXPECT_TRUE(lastMessage().contains(QString::fromUtf8(c.expected))) << lastMessage().toStdString();
        EXPECT_TRUE(programUnchanged());
    }
    // The refused names were never written anywhere.
    EXPECT_FALSE(QFile::exists(home + QStringLiteral("velkor")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/velkor")));
}

TEST_F(ProgramUpdateTest, AddressesAndConnectionsThatCannotBeUsedSayWhy) {
    publish(makePackage({{QStringLiteral("velkor"), kNewProgram}}));

    flow.setAddress({});
    EXPECT_FALSE(runUpdate());
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Güncelleme adresi tanımlı değil")));

    IniFile(home + kSettingsFile)
        .setValue(kSettingsSection, kAddressKey, QStringLiteral("http://127.0.0.1:1/"));
    EXPECT_FALSE(runUpdate());
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("Güncelleme adresi https:// ile başlamalıdır")));

    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();
    flow.setAddress(QStringLiteral("https://127.0.0.1:%1/").arg(port));
    EXPECT_FALSE(runUpdate());
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Internet bağlantınız yok! Bağlantı Yaptıktan sonra tekrar deneyiniz."));

    flow.setAddress(server.root());
    prompt.clearShown();
    prompt.addAnswer(No);
    EXPECT_FALSE(flow.BitBtn5Click());
    EXPECT_EQ(prompt.texts().size(), 1);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_TRUE(programUnchanged());
}

TEST(PackageSignatureTest, OnlyTheRightKeyAndMessageVerify) {
    test::SigningKey key;
    test::SigningKey other;
    const QByteArray message = "paket";
    const QByteArray signature = key.sign(message);
    EXPECT_TRUE(verifyEd25519(message, signature, key.publicKey()));
    EXPECT_FALSE(verifyEd25519("paket!", signature, key.publicKey()));
    EXPECT_FALSE(verifyEd25519(message, signature, other.publicKey()));
    EXPECT_FALSE(verifyEd25519(message, signature.left(63), key.publicKey()));
    EXPECT_FALSE(verifyEd25519(message, signature, QByteArray(31, 'x')));
    EXPECT_EQ(publisherPublicKey().size(), 32);
}

} // namespace
