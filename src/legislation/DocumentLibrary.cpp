#include "legislation/DocumentLibrary.h"

#include "storage/ZipArchive.h"

#include <QCollator>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace velkor {

namespace {

constexpr qint64 kMaxDocumentSize = qint64(64) * 1024 * 1024;
constexpr qint64 kMaxPictureSize = qint64(16) * 1024 * 1024;

/// A saved document's content: its title, a line feed, its text.
struct SavedDocument {
    int index;
    QString title;
};

QString titleOf(const QByteArray& content) {
    const qsizetype end = content.indexOf('\n');
    return QString::fromUtf8(end < 0 ? content : content.left(end));
}

QByteArray bodyOf(const QByteArray& content) {
    const qsizetype end = content.indexOf('\n');
    return end < 0 ? QByteArray() : content.mid(end + 1);
}

bool isSavedDocument(const ZipArchive& archive, int index) {
    const QString name = archive.entryName(index);
    return !archive.isFolder(index) && name.startsWith(DocumentLibrary::kDocumentFolder) &&
           ZipArchive::isBareFileName(name.mid(DocumentLibrary::kDocumentFolder.size()));
}

std::vector<SavedDocument> savedDocuments(const ZipArchive& archive) {
    std::vector<SavedDocument> documents;
    for (int i = 0; i < archive.entryCount(); ++i) {
        if (isSavedDocument(archive, i))
            documents.push_back({i, titleOf(archive.read(i, kMaxDocumentSize))});
    }
    return documents;
}

/// A document of the earlier layout: an entry at the top of the archive named by its title.
int earlierDocument(const ZipArchive& archive, const QString& title) {
    if (!ZipArchive::isBareFileName(title))
        return -1;
    const int index = archive.find(title);
    return index >= 0 && !archive.isFolder(index) ? index : -1;
}

/// The first neutral name no entry uses.
QString freeDocumentName(const ZipArchive& archive) {
    for (int number = 1;; ++number) {
        const QString name = DocumentLibrary::kDocumentFolder + QString::number(number);
        if (archive.find(name) < 0)
            return name;
    }
}

} // namespace

int DocumentLibrary::savedDocument(const ZipArchive& archive, const QString& title) {
    for (const SavedDocument& document : savedDocuments(archive)) {
        if (document.title == title)
            return document.index;
    }
    return -1;
}

QByteArray DocumentLibrary::savedDocumentText(const ZipArchive& archive, int index) {
    return bodyOf(archive.read(index, kMaxDocumentSize));
}

DocumentLibrary::DocumentLibrary(QString path, QByteArray password)
    : m_path(std::move(path)), m_password(std::move(password)) {}

QStringList DocumentLibrary::names() const {
    ZipArchive archive(m_path, ZipArchive::Mode::Read, m_password);
    QStringList names;
    for (int i = 0; i < archive.entryCount(); ++i)
        if (!archive.isFolder(i) && !archive.entryName(i).contains(QLatin1Char('/')))
            names << archive.entryName(i);
    for (const SavedDocument& document : savedDocuments(archive))
        names << document.title;
    names.removeDuplicates();
    QCollator collator(QLocale(QLocale::Turkish, QLocale::Turkey));
    std::sort(names.begin(), names.end(), collator);
    return names;
}

QString DocumentLibrary::read(const QString& name) const {
    ZipArchive archive(m_path, ZipArchive::Mode::Read, m_password);
    if (const int saved = savedDocument(archive, name); saved >= 0)
        return QString::fromUtf8(savedDocumentText(archive, saved));
    const int index = earlierDocument(archive, name);
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
    // The title is the first line of the content: one that spans lines would not read back.
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
        throw ZipError(QStringLiteral("Belge adı birden çok satır olamaz: %1").arg(name));
    ZipArchive archive(
        m_path, QFileInfo::exists(m_path) ? ZipArchive::Mode::Update : ZipArchive::Mode::Create, m_password);
    const int saved = savedDocument(archive, name);
    const int earlier = earlierDocument(archive, name);
    const QString entry = saved >= 0 ? archive.entryName(saved) : freeDocumentName(archive);
    // A document of the earlier layout leaves its title-named entry as it is saved again.
    if (earlier >= 0)
        archive.remove(earlier);
    archive.write(entry, name.toUtf8() + '\n' + text.toUtf8());
    archive.commit();
}

void DocumentLibrary::remove(const QString& name) const {
    ZipArchive archive(m_path, ZipArchive::Mode::Update, m_password);
    const int saved = savedDocument(archive, name);
    const int earlier = earlierDocument(archive, name);
    if (saved < 0 && earlier < 0)
        throw ZipError(QStringLiteral("Belge bulunamadı: %1").arg(name));
    for (const int index : {saved, earlier}) {
        if (index >= 0)
            archive.remove(index);
    }
    archive.commit();
}

} // namespace velkor
