#include "update/UpdateTestSupport.h"

#include "base/ScriptedPrompt.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "update/DebianPackage.h"
#include "update/HttpsDownloader.h"
#include "update/PackageFormat.h"
#include "update/ProgramUpdate.h"

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

const QByteArray kInstalledProgram = "#!/bin/sh\necho 'velkor 1.0.0'\n";

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A Debian package as dpkg-deb builds it, with the given name and version.
QByteArray makeDebian(const QString& name, const QString& version) {
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/kok/DEBIAN"));
    QDir().mkpath(dir.path() + QStringLiteral("/kok/usr/bin"));
    QFile control(dir.path() + QStringLiteral("/kok/DEBIAN/control"));
    if (!control.open(QIODevice::WriteOnly))
        return {};
    control.write(QStringLiteral("Package: %1\nVersion: %2\nArchitecture: amd64\nMaintainer: Velkor "
                                 "<destek@velkor.com.tr>\nDescription: deneme\n")
                      .arg(name, version)
                      .toUtf8());
    control.close();
    QProcess build;
    build.start(QStringLiteral("dpkg-deb"),
                {QStringLiteral("--root-owner-group"), QStringLiteral("--build"),
                 dir.path() + QStringLiteral("/kok"), dir.path() + QStringLiteral("/p.deb")});
    if (!build.waitForFinished(30000) || build.exitCode() != 0)
        return {};
    return readFile(dir.path() + QStringLiteral("/p.deb"));
}

class PackagedUpdateTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_update";
            static char* argv[] = {name, nullptr};
            s_app = std::make_unique<QCoreApplication>(argc, argv);
        }
    }
    static void TearDownTestSuite() { s_app.reset(); }

    PackagedUpdateTest()
        : home(dir.path() + QStringLiteral("/veri/")),
          program(dir.path() + QStringLiteral("/usr/bin/velkor")),
          downloader({test::LocalHttpsServer::certificate()}, 5000),
          flow(home, program, prompt, windows, downloader, key.publicKey()) {
        QDir().mkpath(home + QStringLiteral("Yedek"));
        QDir().mkpath(dir.path() + QStringLiteral("/usr/bin"));
        QFile file(program);
        if (file.open(QIODevice::WriteOnly))
            file.write(kInstalledProgram);
        windows.addWindow(windows::kUpdateProgress);
        flow.setAddress(server.root());
        flow.setPackaged(true);
        flow.setInstalledVersion(QStringLiteral("1.2.0-1"));
        flow.setPackageOpener([this](const QString& path) {
            handedOver << path;
            return true;
        });
    }

    void publish(const QByteArray& deb) {
        server.serve(kDebianPackageName, deb);
        server.serve(kDebianPackageName + kSignatureSuffix, key.sign(deb));
    }
    bool runUpdate() {
        prompt.addAnswer(Yes);
        return flow.BitBtn5Click();
    }
    QString lastMessage() const { return prompt.texts().isEmpty() ? QString() : prompt.texts().last(); }
    QStringList kept() const { return QDir(home + QStringLiteral("Yedek")).entryList(QDir::Files); }

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
    QStringList handedOver;
};

TEST_F(PackagedUpdateTest, ALaterSignedPackageGoesToThePackageInstallerAndTheProgramStays) {
    const QByteArray deb = makeDebian(QStringLiteral("velkor"), QStringLiteral("1.10.0-1"));
    ASSERT_FALSE(deb.isEmpty());
    publish(deb);
    EXPECT_TRUE(runUpdate());
    EXPECT_TRUE(prompt.texts().first().startsWith(QStringLiteral(
        "Program paket yöneticisiyle kuruldu; güncellemeler paket yöneticisi üzerinden gelir.")));
    const QString saved = home + QStringLiteral("Yedek/velkor_1.10.0-1_amd64.deb");
    EXPECT_EQ(handedOver, QStringList{saved});
    EXPECT_EQ(readFile(saved), deb);
    EXPECT_EQ(kept(), QStringList{QStringLiteral("velkor_1.10.0-1_amd64.deb")});
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("paket kurucusuna verildi")))
        << lastMessage().toStdString();
    // The packaged program file is the package manager's: never replaced, no copy beside it.
    EXPECT_EQ(readFile(program), kInstalledProgram);
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("/usr/bin")).entryList(QDir::Files), QStringList{"velkor"});
    EXPECT_FALSE(server.requests().contains(QStringLiteral("/") + kPackageName));
}

// The publisher's tool and the program agree on the name and the signature of the package.
TEST_F(PackagedUpdateTest, APackageSignedByThePublishersToolIsTaken) {
    const QString deb = dir.path() + QStringLiteral("/velkor_3.0.0-1_amd64.deb");
    QFile file(deb);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(makeDebian(QStringLiteral("velkor"), QStringLiteral("3.0.0-1")));
    file.close();
    QFile pem(dir.path() + QStringLiteral("/yayinci.pem"));
    ASSERT_TRUE(pem.open(QIODevice::WriteOnly));
    pem.write(key.privateKeyPem());
    pem.close();
    QProcess tool;
    tool.start(QStringLiteral("bash"),
               {QStringLiteral(VELKOR_TEST_SOURCE_DIR "/../scripts/sign-debian-package.sh"), pem.fileName(),
                deb, dir.path() + QStringLiteral("/yayin")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QString published = dir.path() + QStringLiteral("/yayin/") + kDebianPackageName;
    server.serve(kDebianPackageName, readFile(published));
    server.serve(kDebianPackageName + kSignatureSuffix, readFile(published + kSignatureSuffix));
    EXPECT_TRUE(runUpdate()) << lastMessage().toStdString();
    EXPECT_EQ(handedOver, QStringList{home + QStringLiteral("Yedek/velkor_3.0.0-1_amd64.deb")});
}

TEST_F(PackagedUpdateTest, WithoutADesktopTheMessageNamesTheFileAndTheCommand) {
    flow.setPackageOpener({});
    publish(makeDebian(QStringLiteral("velkor"), QStringLiteral("2.0.0-1")));
    EXPECT_TRUE(runUpdate());
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("sudo apt install ") + home +
                                       QStringLiteral("Yedek/velkor_2.0.0-1_amd64.deb")))
        << lastMessage().toStdString();
}

TEST_F(PackagedUpdateTest, NothingIsHandedOverThatIsNotALaterSignedPackageOfTheProgram) {
    test::SigningKey stranger;
    const QByteArray later = makeDebian(QStringLiteral("velkor"), QStringLiteral("1.3.0-1"));
    const struct {
        QByteArray deb;
        QByteArray signature;
        const char* expected;
    } cases[] = {
        {makeDebian(QStringLiteral("velkor"), QStringLiteral("1.2.0-1")), {}, "Programınız güncel"},
        {makeDebian(QStringLiteral("velkor"), QStringLiteral("1.2.0~rc1-1")), {}, "Programınız güncel"},
        {makeDebian(QStringLiteral("baska-program"), QStringLiteral("9.0.0-1")), {}, "Debian paketi değil"},
        {later, stranger.sign(later), "imzası doğrulanamadı"},
        {"bir paket degil", {}, "Debian paketi değil"},
    };
    for (const auto& c : cases) {
        server.serve(kDebianPackageName, c.deb);
        server.serve(kDebianPackageName + kSignatureSuffix,
                     c.signature.isEmpty() ? key.sign(c.deb) : c.signature);
        prompt.clearShown();
        EXPECT_FALSE(runUpdate()) << c.expected;
        EXPECT_TRUE(lastMessage().contains(QString::fromUtf8(c.expected))) << lastMessage().toStdString();
        EXPECT_TRUE(handedOver.isEmpty());
        EXPECT_TRUE(kept().isEmpty()) << kept().join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_EQ(readFile(program), kInstalledProgram);
}

TEST_F(PackagedUpdateTest, WithoutAnAddressUpdatesComeFromThePackageManager) {
    flow.setAddress({});
    EXPECT_FALSE(runUpdate());
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("paket yöneticisinin (apt)")))
        << lastMessage().toStdString();
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST(DebianVersionTest, FollowsDpkgOrdering) {
    EXPECT_TRUE(isLaterDebianVersion(QStringLiteral("1.10.0-1"), QStringLiteral("1.9.0-1")));
    EXPECT_TRUE(isLaterDebianVersion(QStringLiteral("1.0-2"), QStringLiteral("1.0-1")));
    EXPECT_FALSE(isLaterDebianVersion(QStringLiteral("1.0~rc1-1"), QStringLiteral("1.0-1")));
    EXPECT_FALSE(isLaterDebianVersion(QStringLiteral("1.0-1"), QStringLiteral("1.0-1")));
    // Text that is no version is never later, and never reaches dpkg as an option.
    EXPECT_FALSE(isLaterDebianVersion(QStringLiteral("--help"), QStringLiteral("1.0")));
    EXPECT_FALSE(isLaterDebianVersion({}, QStringLiteral("1.0")));
}

} // namespace
