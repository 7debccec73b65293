#include "spreadsheet/XlsxPackage.h"

#include "spreadsheet/WorkbookWriter.h"

#include <QFile>
#include <zip.h>

namespace velkor {

namespace {

/// 1 January 1980, 00:00, in MS-DOS form: the date every part of a workbook carries, as
/// spreadsheet programs write it.
constexpr zip_uint16_t kPartDate = (0 << 9) | (1 << 5) | 1;
constexpr zip_uint16_t kPartTime = 0;

[[noreturn]] void fail(zip_t* archive) {
    const QString message = QString::fromUtf8(zip_error_strerror(zip_get_error(archive)));
    zip_discard(archive);
    throw WorkbookError(message);
}

[[noreturn]] void failOpening(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString message = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    throw WorkbookError(message);
}

} // namespace

std::vector<WorkbookPart> readWorkbookParts(const QString& file) {
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY, &code);
    if (archive == nullptr) {
        failOpening(code);
    }
    std::vector<WorkbookPart> parts;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(count); ++index) {
        zip_stat_t stat;
        zip_file_t* entry = nullptr;
        if (zip_stat_index(archive, index, 0, &stat) != 0 ||
            (entry = zip_fopen_index(archive, index, 0)) == nullptr) {
            fail(archive);
        }
        WorkbookPart part{QString::fromUtf8(stat.name), QByteArray(static_cast<qsizetype>(stat.size), '\0')};
        const zip_int64_t read = zip_fread(entry, part.bytes.data(), stat.size);
        zip_fclose(entry);
        if (read != static_cast<zip_int64_t>(stat.size)) {
            fail(archive);
        }
        parts.push_back(std::move(part));
    }
    zip_discard(archive);
    return parts;
}

void writeWorkbookParts(const QString& file, const std::vector<WorkbookPart>& parts) {
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(file).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) {
        failOpening(code);
    }
    for (const WorkbookPart& part : parts) {
        zip_source_t* source = zip_source_buffer(archive, part.bytes.constData(),
                                                 static_cast<zip_uint64_t>(part.bytes.size()), 0);
        if (source == nullptr) {
            fail(archive);
        }
        const zip_int64_t index =
            zip_file_add(archive, part.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            fail(archive);
        }
        const auto entry = static_cast<zip_uint64_t>(index);
        if (zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 1) != 0 ||
            zip_file_set_dostime(archive, entry, kPartTime, kPartDate, 0) != 0) {
            fail(archive);
        }
    }
    if (zip_close(archive) != 0) {
        fail(archive);
    }
}

} // namespace velkor
