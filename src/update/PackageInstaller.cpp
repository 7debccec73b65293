#include "update/PackageInstaller.h"

#include "storage/ZipArchive.h"
#include "update/PackageFormat.h"
#include "update/UpdateError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace velkor::update {

namespace {

constexpr int kVersionTimeoutMs = 15000;

QString freshFolder(const QString& parent) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    for (int n = 0;; ++n) {
        const QString name =
            QStringLiteral("Guncelleme-%1%2").arg(stamp, n ? QStringLiteral("-%1").arg(n) : QString());
        if (!QFileInfo::exists(parent + name) && QDir(parent).mkdir(name))
            return parent + name + QLatin1Char('/');
        if (n > 100)
            throw UpdateError(QStringLiteral("Güncelleme klasörü oluşturulamadı: %1").arg(parent));
    }
}

} // namespace

PackageInstaller::PackageInstaller(QString home, QString programPath)
    : m_home(std::move(home)), m_programPath(QFileInfo(programPath).absoluteFilePath()) {}

QString PackageInstaller::safetyCopyPath() const {
    const QFileInfo program(m_programPath);
    return program.absolutePath() + QStringLiteral("/B") + program.fileName();
}

QString PackageInstaller::stagedPath() const {
    const QFileInfo program(m_programPath);
    return program.absolutePath() + QStringLiteral("/_") + program.fileName();
}

QString PackageInstaller::unpack(const QByteArray& package) const {
    const QString localPackage = m_home + kLocalPackage;
    QDir().mkpath(QFileInfo(localPackage).absolutePath());
    QFile::remove(localPackage);
    {
        QFile file(localPackage);
        if (!file.open(QIODevice::WriteOnly) || file.write(package) != package.size() || !file.flush())
            throw UpdateError(QStringLiteral("Güncelleme dosyası yazılamadı: %1").arg(localPackage));
    }
    if (!QFileInfo::exists(localPackage))
        throw UpdateError(QStringLiteral("Guncelleme dosyanız mevcut değil. Guncelleme yapılmayacaktır."));

    try {
        ZipArchive archive(localPackage, ZipArchive::Mode::Read, kPackagePassword);
        // Every name is checked before anything is written.
        for (int i = 0; i < archive.entryCount(); ++i) {
            const QString name = archive.entryName(i);
            if (!ZipArchive::isBareFileName(name) || archive.isLink(i) || archive.isFolder(i))
                throw UpdateError(
                    QStringLiteral("Güncelleme paketinde izin verilmeyen bir dosya adı var: \"%1\"")
                        .arg(name));
        }
        const QString folder = freshFolder(m_home + QStringLiteral("Yedek/"));
        for (int i = 0; i < archive.entryCount(); ++i) {
            const QByteArray data = archive.read(i, kMaxPackageSize);
            QFile out(folder + archive.entryName(i));
            if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly) || out.write(data) != data.size())
                throw UpdateError(QStringLiteral("Güncelleme dosyası çıkarılamadı: %1").arg(out.fileName()));
        }
        return folder;
    } catch (const ZipError& e) {
        throw UpdateError(e.message());
    }
}

QString PackageInstaller::checkedProgram(const QString& folder) const {
    const QString name = QFileInfo(m_programPath).fileName();
    const QString candidate = folder + name;
    if (!QFileInfo(candidate).isFile())
        throw UpdateError(QStringLiteral("Güncelleme paketinde program dosyası (%1) yok.").arg(name));
    QFile::setPermissions(candidate, QFile::permissions(candidate) | QFile::ExeOwner | QFile::ReadOwner |
                                         QFile::ExeGroup | QFile::ReadGroup | QFile::ExeOther |
                                         QFile::ReadOther);
    QProcess process;
    process.start(candidate, {QStringLiteral("--version")});
    const bool finished =
        process.waitForStarted(kVersionTimeoutMs) && process.waitForFinished(kVersionTimeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(1000);
        throw UpdateError(
            QStringLiteral("Güncelleme paketindeki program çalıştırılamadı: %1").arg(candidate));
    }
    const QString answer = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !answer.startsWith(name + QLatin1Char(' ')))
        throw UpdateError(QStringLiteral("Güncelleme paketindeki program sürümünü bildirmedi; yüklenmedi: %1")
                              .arg(candidate));
    return candidate;
}

void PackageInstaller::replaceProgram(const QString& newProgram) const {
    const QString staged = stagedPath();
    const QString safety = safetyCopyPath();
    QFile::remove(staged);
    if (!QFile::copy(newProgram, staged))
        throw UpdateError(QStringLiteral("Yeni program dosyası kopyalanamadı: %1").arg(staged));
    QFile::setPermissions(staged, QFile::permissions(m_programPath) | QFile::ExeOwner | QFile::ReadOwner);
    if (QFileInfo::exists(safety) && !QFile::remove(safety)) {
        QFile::remove(staged);
        throw UpdateError(QStringLiteral("Eski yedek program dosyası silinemedi: %1").arg(safety));
    }
    if (!QFile::rename(m_programPath, safety)) {
        QFile::remove(staged);
        throw UpdateError(QStringLiteral("Program dosyası yedeklenemedi: %1").arg(m_programPath));
    }
    if (!QFile::rename(staged, m_programPath)) {
        QFile::rename(safety, m_programPath);
        QFile::remove(staged);
        throw UpdateError(QStringLiteral("Yeni program dosyası yerine konamadı: %1").arg(m_programPath));
    }
}

} // namespace velkor::update
