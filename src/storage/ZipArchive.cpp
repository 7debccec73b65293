#include "storage/ZipArchive.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <memory>
#include <sys/stat.h>

namespace velkor {

namespace {

QString zipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QString archiveMessage(zip* archive) {
    return QString::fromUtf8(zip_error_strerror(zip_get_error(archive)));
}

} // namespace

ZipArchive::ZipArchive(const QString& path, Mode mode, const QByteArray& password)
    : m_path(path), m_password(password) {
    int flags = ZIP_RDONLY;
    if (mode == Mode::Update)
        flags = 0;
    else if (mode == Mode::Create)
        flags = ZIP_CREATE | ZIP_TRUNCATE;
    int code = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), flags, &code);
    if (!m_zip)
        throw ZipError(QStringLiteral("Arşiv açılamadı: %1 (%2)").arg(path, zipMessage(code)), code);
    if (!m_password.isEmpty())
        zip_set_default_password(m_zip, m_password.constData());
}

ZipArchive::~ZipArchive() {
    if (m_zip)
        zip_discard(m_zip);
}

int ZipArchive::entryCount() const {
    return static_cast<int>(zip_get_num_entries(m_zip, 0));
}

QString ZipArchive::entryName(int index) const {
    const char* name = zip_get_name(m_zip, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_GUESS);
    return name ? QString::fromUtf8(name) : QString();
}

bool ZipArchive::isLink(int index) const {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(m_zip, static_cast<zip_uint64_t>(index), 0, &system, &attributes) !=
        0)
        return false;
    constexpr zip_uint32_t kTypeMask = 0170000;
    constexpr zip_uint32_t kLink = 0120000;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & kTypeMask) == kLink;
}

bool ZipArchive::isFolder(int index) const {
    return entryName(index).endsWith(QLatin1Char('/'));
}

qint64 ZipArchive::entrySize(int index) const {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE))
        return -1;
    return static_cast<qint64>(stat.size);
}

int ZipArchive::find(const QString& name) const {
    return static_cast<int>(zip_name_locate(m_zip, name.toUtf8().constData(), 0));
}

void ZipArchive::readEntry(int index, const QString& damaged,
                           const std::function<void(const char*, qint64)>& sink,
                           const std::function<void()>& opened) const {
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(
        zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0), zip_fclose);
    if (!file)
        throw ZipError(
            QStringLiteral("Arşivdeki dosya açılamadı: %1 (%2)").arg(entryName(index), archiveMessage(m_zip)),
            zip_error_code_zip(zip_get_error(m_zip)));
    if (opened)
        opened();
    char buffer[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
        if (n < 0)
            throw ZipError(damaged.arg(entryName(index), QString::fromUtf8(zip_file_strerror(file.get()))),
                           zip_error_code_zip(zip_file_get_error(file.get())));
        if (n == 0)
            break;
        sink(buffer, n);
    }
}

void ZipArchive::readInPieces(int index, const std::function<void(const char*, qint64)>& sink) const {
    readEntry(index, QStringLiteral("Arşivdeki dosya okunamadı: %1 (%2)"), sink);
}

QByteArray ZipArchive::read(int index, qint64 limit) const {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        throw ZipError(
            QStringLiteral("Arşivdeki dosya okunamadı: %1 (%2)").arg(m_path, archiveMessage(m_zip)));
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > static_cast<zip_uint64_t>(limit))
        throw ZipError(QStringLiteral("Arşivdeki dosya beklenenden büyük: %1").arg(entryName(index)));
    QByteArray data;
    readEntry(index, QStringLiteral("Arşivdeki dosya okunamadı: %1 (%2)"), [&](const char* bytes, qint64 n) {
        if (data.size() + n > limit)
            throw ZipError(QStringLiteral("Arşivdeki dosya beklenenden büyük: %1").arg(entryName(index)));
        data.append(bytes, static_cast<qsizetype>(n));
    });
    return data;
}

void ZipArchive::write(const QString& name, const QByteArray& data) {
    // libzip keeps the buffer until the commit, so it gets a copy of its own.
    void* copy = malloc(static_cast<size_t>(data.size()) + 1);
    if (!copy)
        throw std::bad_alloc();
    memcpy(copy, data.constData(), static_cast<size_t>(data.size()));
    zip_source_t* source = zip_source_buffer(m_zip, copy, static_cast<zip_uint64_t>(data.size()), 1);
    if (!source) {
        free(copy);
        throw ZipError(QStringLiteral("Arşive yazılamadı: %1 (%2)").arg(m_path, archiveMessage(m_zip)));
    }
    const zip_int64_t index =
        zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        throw ZipError(QStringLiteral("Arşive yazılamadı: %1 (%2)").arg(m_path, archiveMessage(m_zip)));
    }
    if (!m_password.isEmpty() && zip_file_set_encryption(m_zip, static_cast<zip_uint64_t>(index),
                                                         ZIP_EM_TRAD_PKWARE, m_password.constData()) != 0)
        throw ZipError(QStringLiteral("Arşiv şifrelenemedi: %1 (%2)").arg(m_path, archiveMessage(m_zip)));
}

bool ZipArchive::isCompressedKind(const QString& fileName) {
    // The program's databases (".mdb") are encrypted: deflating them saves nothing and
    // costs about 40 % of a backup's time, so they count as compressed already.
    static const QStringList kinds{QStringLiteral("zip"),  QStringLiteral("ydk"), QStringLiteral("gz"),
                                   QStringLiteral("bz2"),  QStringLiteral("xz"),  QStringLiteral("7z"),
                                   QStringLiteral("rar"),  QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                   QStringLiteral("png"),  QStringLiteral("pdf"), QStringLiteral("xlsx"),
                                   QStringLiteral("docx"), QStringLiteral("enf"), QStringLiteral("mdb")};
    return kinds.contains(QFileInfo(fileName).suffix().toLower());
}

void ZipArchive::addFile(const QString& name, const QString& sourcePath) {
    zip_source_t* source = zip_source_file(m_zip, QFile::encodeName(sourcePath).constData(), 0, -1);
    if (!source)
        throw ZipError(
            QStringLiteral("Dosya arşive eklenemedi: %1 (%2)").arg(sourcePath, archiveMessage(m_zip)),
            zip_error_code_zip(zip_get_error(m_zip)));
    const zip_int64_t index =
        zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        throw ZipError(
            QStringLiteral("Dosya arşive eklenemedi: %1 (%2)").arg(sourcePath, archiveMessage(m_zip)),
            zip_error_code_zip(zip_get_error(m_zip)));
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    const bool store = isCompressedKind(name);
    if (zip_set_file_compression(m_zip, entry, store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, store ? 0 : 9) != 0)
        throw ZipError(QStringLiteral("Sıkıştırma ayarlanamadı: %1 (%2)").arg(name, archiveMessage(m_zip)));
    // A plain file readable by everyone, so that no extracting tool takes it for a link.
    zip_file_set_external_attributes(m_zip, entry, 0, ZIP_OPSYS_UNIX,
                                     static_cast<zip_uint32_t>(S_IFREG | 0644) << 16);
    if (!m_password.isEmpty() &&
        zip_file_set_encryption(m_zip, entry, ZIP_EM_TRAD_PKWARE, m_password.constData()) != 0)
        throw ZipError(QStringLiteral("Arşiv şifrelenemedi: %1 (%2)").arg(m_path, archiveMessage(m_zip)));
}

void ZipArchive::extract(int index, const QString& targetPath) const {
    QFile out(targetPath);
    const auto writeFailed = [&] {
        return ZipError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(targetPath, out.errorString()));
    };
    // A deflated entry may inflate far beyond what it declares; the check of the whole
    // entry comes only at its end, so the declaration is held up piece by piece.
    const qint64 declared = entrySize(index);
    qint64 written = 0;
    readEntry(
        index, QStringLiteral("Arşivdeki dosya bozuk: %1 (%2)"),
        [&](const char* bytes, qint64 n) {
            written += n;
            if (declared >= 0 && written > declared)
                throw ZipError(QStringLiteral("Arşivdeki dosya bildirdiği boyuttan (%1 bayt) büyük: %2")
                                   .arg(declared)
                                   .arg(entryName(index)));
            if (out.write(bytes, n) != n)
                throw writeFailed();
        },
        [&] {
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw writeFailed();
        });
    if (!out.flush())
        throw writeFailed();
}

void ZipArchive::remove(int index) {
    if (zip_delete(m_zip, static_cast<zip_uint64_t>(index)) != 0)
        throw ZipError(QStringLiteral("Arşivden silinemedi: %1 (%2)").arg(m_path, archiveMessage(m_zip)));
}

void ZipArchive::commit() {
    if (zip_close(m_zip) != 0)
        throw ZipError(QStringLiteral("Arşiv yazılamadı: %1 (%2)").arg(m_path, archiveMessage(m_zip)),
                       zip_error_code_zip(zip_get_error(m_zip)));
    m_zip = nullptr;
}

bool ZipArchive::isBareFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20 ||
            c.unicode() == 0x7f)
            return false;
    }
    return true;
}

} // namespace velkor
