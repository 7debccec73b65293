#include "backup/ZipArchive.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <zip.h>

namespace velkor {

namespace {

ZipError errorOf(const QString& what, zip_error_t* error) {
    return ZipError(QStringLiteral("%1 (%2)").arg(what, QString::fromUtf8(zip_error_strerror(error))),
                    zip_error_code_zip(error), zip_error_code_system(error));
}

ZipError openError(const QString& path, int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    QString reason;
    switch (code) {
    case ZIP_ER_NOENT:
        reason = QStringLiteral("Yedek dosyası bulunamadı: %1").arg(path);
        break;
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
        reason = QStringLiteral("Dosya geçerli bir yedek arşivi değil ya da bozuk: %1").arg(path);
        break;
    default:
        reason = QStringLiteral("Yedek dosyası açılamadı: %1").arg(path);
        break;
    }
    ZipError result = errorOf(reason, &error);
    zip_error_fini(&error);
    return result;
}

} // namespace

ZipArchive::ZipArchive(const QString& path, Mode mode) : m_path(path), m_mode(mode) {
    const QByteArray file = QFile::encodeName(path);
    const int flags = mode == Mode::Read ? (ZIP_RDONLY | ZIP_CHECKCONS) : (ZIP_CREATE | ZIP_TRUNCATE);
    int code = 0;
    m_zip = zip_open(file.constData(), flags, &code);
    if (!m_zip)
        throw openError(path, code);
}

ZipArchive::~ZipArchive() {
    if (m_zip)
        zip_discard(m_zip);
}

void ZipArchive::fail(const QString& what) const {
    throw errorOf(what, zip_get_error(m_zip));
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

void ZipArchive::addFile(const QString& entryName, const QString& sourcePath) {
    if (m_mode != Mode::Write)
        throw ZipError(QStringLiteral("Arşiv yazmak için açılmadı: %1").arg(m_path));
    zip_source_t* source = zip_source_file(m_zip, QFile::encodeName(sourcePath).constData(), 0, -1);
    if (!source)
        fail(QStringLiteral("Dosya yedeğe eklenemedi: %1").arg(sourcePath));
    const QByteArray name = entryName.toUtf8();
    const zip_int64_t index =
        zip_file_add(m_zip, name.constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        fail(QStringLiteral("Dosya yedeğe eklenemedi: %1").arg(sourcePath));
    }
    const bool store = isCompressedKind(entryName);
    if (zip_set_file_compression(m_zip, static_cast<zip_uint64_t>(index),
                                 store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, store ? 0 : 9) < 0)
        fail(QStringLiteral("Sıkıştırma ayarlanamadı: %1").arg(entryName));
    // A regular file readable by everyone, so that extracting tools never take it for a link.
    zip_file_set_external_attributes(m_zip, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                     static_cast<zip_uint32_t>(S_IFREG | 0644) << 16);
}

void ZipArchive::commit() {
    if (zip_close(m_zip) < 0)
        fail(QStringLiteral("Yedek dosyası yazılamadı: %1").arg(m_path));
    m_zip = nullptr;
}

std::vector<ZipEntry> ZipArchive::entries() const {
    std::vector<ZipEntry> result;
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS, &st) < 0)
            fail(QStringLiteral("Arşivdeki bir dosya okunamadı: %1").arg(m_path));
        ZipEntry entry;
        entry.index = i;
        entry.name = QString::fromUtf8(st.name ? st.name : "");
        entry.size = (st.valid & ZIP_STAT_SIZE) ? static_cast<qint64>(st.size) : 0;
        zip_uint8_t opsys = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(m_zip, static_cast<zip_uint64_t>(i), 0, &opsys, &attributes) ==
                0 &&
            opsys == ZIP_OPSYS_UNIX) {
            const mode_t mode = static_cast<mode_t>(attributes >> 16);
            entry.isLink = S_ISLNK(mode);
            entry.isFolder = S_ISDIR(mode);
        }
        if (entry.name.endsWith(QLatin1Char('/')) || entry.name.endsWith(QLatin1Char('\\')))
            entry.isFolder = true;
        result.push_back(entry);
    }
    return result;
}

void ZipArchive::extract(qint64 index, const QString& targetPath) const {
    zip_file_t* in = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0);
    if (!in)
        fail(QStringLiteral("Arşivdeki dosya açılamadı: %1").arg(m_path));
    QFile out(targetPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        zip_fclose(in);
        throw ZipError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(targetPath, out.errorString()));
    }
    char buffer[1 << 16];
    for (;;) {
        const zip_int64_t n = zip_fread(in, buffer, sizeof buffer);
        if (n < 0) {
            const ZipError error =
                errorOf(QStringLiteral("Arşivdeki dosya bozuk: %1").arg(m_path), zip_file_get_error(in));
            zip_fclose(in);
            throw error;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            zip_fclose(in);
            throw ZipError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(targetPath, out.errorString()));
        }
    }
    zip_fclose(in);
    if (!out.flush())
        throw ZipError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(targetPath, out.errorString()));
}

} // namespace velkor
