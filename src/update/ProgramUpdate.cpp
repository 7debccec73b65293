#include "update/ProgramUpdate.h"

#include "base/Prompt.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "storage/IniFile.h"
#include "storage/ProgramLayout.h"
#include "update/DebianPackage.h"
#include "update/Downloader.h"
#include "update/PackageFormat.h"
#include "update/PackageInstaller.h"
#include "update/PackageSignature.h"
#include "update/ProgramUpdateControls.h"
#include "update/UpdateError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QUrl>

namespace velkor::update {

namespace {

constexpr qint64 kMaxSignatureSize = 1024;
const QString kFailed = QStringLiteral("Güncelleme yapılamadı!");

} // namespace

ProgramUpdate::ProgramUpdate(QString home, QString programPath, Prompt& prompt, WindowManager& windows,
                             Downloader& downloader, QByteArray publicKey)
    : m_home(std::move(home)), m_programPath(std::move(programPath)), m_prompt(prompt), m_windows(windows),
      m_downloader(downloader), m_publicKey(std::move(publicKey)), m_progress(windows::kUpdateProgress),
      m_packaged(programLayout().installed()), m_version(programLayout().packageVersion) {
    if (m_version.isEmpty())
        m_version = QStringLiteral(VELKOR_VERSION);
    m_progress.setCaption(QStringLiteral("Velkor Güncelleme Durumu"));
    m_progress.addEdit(ctl::updateprogress::Gauge1, QStringLiteral("0"));
    m_progress.setReadOnly(ctl::updateprogress::Gauge1, true);
}

QString ProgramUpdate::address() const {
    QString address = m_address;
    if (address.isEmpty())
        address = IniFile(m_home + kSettingsFile).value(kSettingsSection, kAddressKey).trimmed();
    if (!address.isEmpty() && !address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    return address;
}

void ProgramUpdate::setGauge(int position) {
    m_progress.setText(ctl::updateprogress::Gauge1, QString::number(position));
}

bool ProgramUpdate::BitBtn5Click() {
    if (m_packaged) {
        if (m_prompt.ask(
                QStringLiteral("Program paket yöneticisiyle kuruldu; güncellemeler paket yöneticisi "
                               "üzerinden gelir.\n\rGüncelleme adresinde yeni sürüm paketi aransın mı?"),
                kApplicationTitle, PromptIcon::Question, Yes | No) != Yes)
            return false;
    } else if (m_prompt.ask(
                   QStringLiteral("Bu işlem programınızı güncelleyecektir!\n\rDevam etmek istiyormusunuz?"),
                   kApplicationTitle, PromptIcon::Question, Yes | No) != Yes) {
        return false;
    }
    QString where;
    if (!checkedAddress(where))
        return false;
    return m_packaged ? runPackaged(where) : run(where);
}

bool ProgramUpdate::checkedAddress(QString& where) {
    where = address();
    if (where.isEmpty()) {
        m_prompt.showMessage(
            m_packaged ? QStringLiteral("Güncelleme adresi tanımlı değil; yeni sürüm paketi aranmadı.\n\r"
                                        "Program, paket yöneticisinin (apt) getirdiği güncellemelerle "
                                        "güncellenir.")
                       : QStringLiteral("Güncelleme adresi tanımlı değil; güncelleme yapılmadı.\n\r"
                                        "Adres, program klasöründeki Ayarlar.ini dosyasının [Guncelleme] "
                                        "bölümünde Adres anahtarına yazılır."),
            {}, PromptIcon::Warning);
        return false;
    }
    const QUrl url(where);
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
        m_prompt.showMessage(
            QStringLiteral("Güncelleme adresi https:// ile başlamalıdır; şifresiz bağlantıdan "
                           "güncelleme yapılmaz: %1")
                .arg(where),
            {}, PromptIcon::Warning);
        return false;
    }
    return true;
}

bool ProgramUpdate::fetchSignature(const QString& packageAddress, QByteArray& signature) {
    // The small signature file is fetched first; not reaching the server is the connection test.
    try {
        signature = m_downloader.get(QUrl(packageAddress + kSignatureSuffix), kMaxSignatureSize);
        return true;
    } catch (const UpdateError& e) {
        if (e.kind() == UpdateError::Kind::NoConnection)
            m_prompt.showMessage(
                QStringLiteral("Internet bağlantınız yok! Bağlantı Yaptıktan sonra tekrar deneyiniz."));
        else
            m_prompt.showMessage(kFailed + QStringLiteral("\n\r") + e.message(), {}, PromptIcon::Error);
        return false;
    }
}

bool ProgramUpdate::run(const QString& address) {
    QByteArray signature;
    if (!fetchSignature(address + kPackageName, signature))
        return false;

    setGauge(1);
    m_windows.show(windows::kUpdateProgress);
    setGauge(2);
    bool done = false;
    try {
        const QByteArray package = m_downloader.get(QUrl(address + kPackageName), kMaxPackageSize);
        if (!verifyEd25519(package, signature, m_publicKey))
            throw UpdateError(QStringLiteral("Güncelleme paketinin imzası doğrulanamadı; paket yayıncıdan "
                                             "gelmiyor ya da bozuk. Hiçbir şey değiştirilmedi."));
        const PackageInstaller installer(
            m_home, m_programPath.isEmpty() ? QCoreApplication::applicationFilePath() : m_programPath);
        const QString folder = installer.unpack(package);
        setGauge(3);
        const QString program = installer.checkedProgram(folder);
        if (m_replaced)
            throw UpdateError(QStringLiteral("Bu çalışmada güncelleme zaten yapıldı; önce programı yeniden "
                                             "başlatın."));
        installer.replaceProgram(program);
        m_replaced = true;
        done = true;
        m_prompt.showMessage(QStringLiteral("Güncelleme yapıldı! Güncellemenin geçerli olabilmesi \n\riçin "
                                            "programı tekrar başlatmanız gerekmektedir!"));
    } catch (const UpdateError& e) {
        m_prompt.showMessage(kFailed + QStringLiteral("\n\r") + e.message(), {}, PromptIcon::Error);
    }
    setGauge(4);
    m_windows.hide(windows::kUpdateProgress);
    return done;
}

QString ProgramUpdate::fetchDebianPackage(const QString& address, const QByteArray& signature) {
    const QByteArray package = m_downloader.get(QUrl(address + kDebianPackageName), kMaxPackageSize);
    if (!verifyEd25519(package, signature, m_publicKey))
        throw UpdateError(QStringLiteral("Güncelleme paketinin imzası doğrulanamadı; paket yayıncıdan "
                                         "gelmiyor ya da bozuk. Hiçbir şey değiştirilmedi."));
    const QString folder = m_home + QStringLiteral("Yedek/");
    if (!QDir().mkpath(folder))
        throw UpdateError(QStringLiteral("Klasör oluşturulamadı: %1").arg(folder));
    const QString downloaded = folder + kDebianPackageName;
    QSaveFile file(downloaded);
    if (!file.open(QIODevice::WriteOnly) || file.write(package) != package.size() || !file.commit())
        throw UpdateError(QStringLiteral("Paket yazılamadı: %1").arg(downloaded));
    return downloaded;
}

bool ProgramUpdate::runPackaged(const QString& address) {
    QByteArray signature;
    if (!fetchSignature(address + kDebianPackageName, signature))
        return false;

    setGauge(1);
    m_windows.show(windows::kUpdateProgress);
    setGauge(2);
    bool done = false;
    try {
        const QString downloaded = fetchDebianPackage(address, signature);
        setGauge(3);
        if (debianPackageField(downloaded, QStringLiteral("Package")) != kDebianPackage) {
            QFile::remove(downloaded);
            throw UpdateError(QStringLiteral("İndirilen dosya programın Debian paketi değil."));
        }
        const QString version = debianPackageField(downloaded, QStringLiteral("Version"));
        if (!isLaterDebianVersion(version, m_version)) {
            QFile::remove(downloaded);
            m_prompt.showMessage(QStringLiteral("Programınız güncel: kurulu sürüm %1, adresteki paket %2.")
                                     .arg(m_version, version.isEmpty() ? QStringLiteral("?") : version));
        } else {
            // Named as the package manager names it, so the user sees which version it is.
            const QString named = m_home + QStringLiteral("Yedek/velkor_%1_amd64.deb").arg(version);
            QFile::remove(named);
            if (!QFile::rename(downloaded, named))
                throw UpdateError(QStringLiteral("Paket yazılamadı: %1").arg(named));
            const QString shown = QDir::toNativeSeparators(named);
            if (m_packageOpener && m_packageOpener(named))
                m_prompt.showMessage(
                    QStringLiteral("Yeni sürüm (%1) indirildi ve paket kurucusuna verildi:\n\r%2"
                                   "\n\rKurulum bittikten sonra programı yeniden başlatınız.")
                        .arg(version, shown));
            else
                m_prompt.showMessage(QStringLiteral("Yeni sürüm (%1) indirildi: %2\n\rKurmak için: "
                                                    "sudo apt install %2")
                                         .arg(version, shown));
            done = true;
        }
    } catch (const UpdateError& e) {
        m_prompt.showMessage(kFailed + QStringLiteral("\n\r") + e.message(), {}, PromptIcon::Error);
    }
    setGauge(4);
    m_windows.hide(windows::kUpdateProgress);
    return done;
}

} // namespace velkor::update
