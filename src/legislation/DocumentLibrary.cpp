#include "legislation/DocumentLibrary.h"

#include "storage/ZipArchive.h"

#include <QCollator>
#include <QFileInfo>

#include <algorithm>

namespace velkor {

namespace {

constexpr qint64 kMaxDocumentSize = qint64(64) * 1024 * 1024;
constexpr qint64 kMaxPictureSize = qint64(16) * 1024 * 1024;

} // namespace

DocumentLibrary::DocumentLibrary(QString path, QByteArray password)
    : m_path(std::move(path)), m_password(std::move(password)) {}

QStringList DocumentLibrary::names() const {
    ZipArchive archive(m_path, ZipArchive::Mode::Read, m_password);
    QStringList names;
    for (int i = 0; i < archive.entryCount(); ++i)
        if (!archive.isFolder(i) && !archive.entryName(i).contains(QLatin1Char('/')))
            names << archive.entryName(i);
    QCollator collator(QLocale(QLocale::Turkish, QLocale::Turkey));
    std::sort(names.begin(), names.end(), collator);
    return names;
}

QString DocumentLibrary::read(const QString& name) const {
    ZipArchive archive(m_path, ZipArchive::Mode::Read, m_password);
    const int index = archive.find(name);
    if (index < 0)
        throw ZipError(QStringLiteral("Belge bulunamadı: %1").arg(name));
    return QString::fromUtf8(archive.read(index, kMaxDocumentSize));
}

QByteArray DocumentLibrary::picture(const QString& source) const {
    if (!source.startsWith(kPictureFolder) || !ZipArchive::isBareFileName(source.mid(kPictureFolder.size())))
        return {};
    ZipArchive archive(m_path, ZipArchive::Mode::Read, m_password);
    const int index = archive.find(source);
    return index < 0 ? QByteArray() : archive.read(index, kMaxPictureSize);
}

void DocumentLibrary::savePicture(const QString& name, const QByteArray& data) const {
    if (!ZipArchive::isBareFileName(name))
        throw ZipError(QStringLiteral("Resim adı geçersiz: %1").arg(name));
    ZipArchive archive(
        m_path, QFileInfo::exists(m_path) ? ZipArchive::Mode::Update : ZipArchive::Mode::Create, m_password);
    archive.write(kPictureFolder + name, data);
    archive.commit();
}

void DocumentLibrary::save(const QString& name, const QString& text) const {
    ZipArchive archive(
        m_path, QFileInfo::exists(m_path) ? ZipArchive::Mode::Update : ZipArchive::Mode::Create, m_password);
    archive.write(name, text.toUtf8());
    archive.commit();
}

void DocumentLibrary::remove(const QString& name) const {
    ZipArchive archive(m_path, ZipArchive::Mode::Update, m_password);
    const int index = archive.find(name);
    if (index < 0)
        throw ZipError(QStringLiteral("Belge bulunamadı: %1").arg(name));
    archive.remove(index);
    archive.commit();
}

} // namespace velkor
