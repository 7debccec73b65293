#include "support/HostileWorkbooks.h"

#include <QFile>
#include <QProcess>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>
#include <zip.h>

namespace velkor::test {

namespace {

void writeZip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("zip not created");
    for (const auto& [name, data] : entries) {
        // libzip reads the buffer on close; the entries outlive it.
        zip_source_t* source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, 0);
        if (index < 0)
            throw std::runtime_error("zip entry not added");
        const bool stored = name == QLatin1String("mimetype");
        zip_set_file_compression(archive, zip_uint64_t(index), stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("zip not written");
}

const char* const kSheetHead = R"(<?xml version="1.0" encoding="UTF-8"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)";
const char* const kSheetTail = "</sheetData></worksheet>";

} // namespace

void writeXlsx(const QString& path, const QByteArray& sheetData) {
    const QByteArray types = R"(<?xml version="1.0" encoding="UTF-8"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>
<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
</Types>)";
    const QByteArray rels = R"(<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>
</Relationships>)";
    const QByteArray workbook = R"(<?xml version="1.0" encoding="UTF-8"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<sheets><sheet name="Sayfa1" sheetId="1" r:id="rId1"/></sheets></workbook>)";
    const QByteArray workbookRels = R"(<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>
</Relationships>)";
    writeZip(path, {{QStringLiteral("[Content_Types].xml"), types},
                    {QStringLiteral("_rels/.rels"), rels},
                    {QStringLiteral("xl/workbook.xml"), workbook},
                    {QStringLiteral("xl/_rels/workbook.xml.rels"), workbookRels},
                    {QStringLiteral("xl/worksheets/sheet1.xml"), kSheetHead + sheetData + kSheetTail}});
}

void writeOds(const QString& path, const QByteArray& tableContent) {
    const QByteArray manifest = R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
<manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>
<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
</manifest:manifest>)";
    const QByteArray content = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2">
<office:body><office:spreadsheet><table:table table:name="Sayfa1">)" +
                               tableContent +
                               "</table:table></office:spreadsheet></office:body></office:document-content>";
    writeZip(path, {{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
                    {QStringLiteral("META-INF/manifest.xml"), manifest},
                    {QStringLiteral("content.xml"), content}});
}

QByteArray inlineStringCell(const QString& address, const QString& text) {
    return "<c r=\"" + address.toUtf8() + "\" t=\"inlineStr\"><is><t>" + text.toHtmlEscaped().toUtf8() +
           "</t></is></c>";
}

QByteArray numberCell(const QString& address, const QString& value) {
    return "<c r=\"" + address.toUtf8() + "\"><v>" + value.toUtf8() + "</v></c>";
}

void declareUncompressedSize(const QString& path, const QString& entry, quint32 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw std::runtime_error("archive not opened");
    QByteArray bytes = file.readAll();
    const QByteArray name = entry.toUtf8();
    auto le16 = [&](qsizetype at) { return uchar(bytes[at]) | (uchar(bytes[at + 1]) << 8); };
    auto put32 = [&](qsizetype at) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((size >> (8 * i)) & 0xFF);
    };
    int patched = 0;
    // Local headers: name length at 26, name at 30, uncompressed size at 22.
    for (qsizetype at = bytes.indexOf("PK\x03\x04"); at >= 0; at = bytes.indexOf("PK\x03\x04", at + 4))
        if (bytes.mid(at + 30, le16(at + 26)) == name && ++patched)
            put32(at + 22);
    // Directory entries: name length at 28, name at 46, uncompressed size at 24.
    for (qsizetype at = bytes.indexOf("PK\x01\x02"); at >= 0; at = bytes.indexOf("PK\x01\x02", at + 4))
        if (bytes.mid(at + 46, le16(at + 28)) == name && ++patched)
            put32(at + 24);
    if (patched != 2)
        throw std::runtime_error("entry not found twice");
    file.seek(0);
    file.write(bytes);
}

QByteArray declareWholeSheets(QByteArray xls, int count) {
    const QByteArray record = QByteArray::fromHex("00020e00");
    // First row 0, after the last 65.536 (32 bits); first column 0, after the last 256.
    const QByteArray whole = QByteArray::fromHex("0000000000000100000000010000");
    qsizetype at = 0;
    for (int i = 0; i < count; ++i) {
        at = xls.indexOf(record, at);
        if (at < 0)
            throw std::runtime_error("dimension record missing");
        xls.replace(at + 4, whole.size(), whole);
        at += 4 + whole.size();
    }
    return xls;
}

int runLimited(long long addressSpace, const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{rlim_t(addressSpace), rlim_t(addressSpace)};
        setrlimit(RLIMIT_AS, &limit);
        int result = 99;
        try {
            result = body();
        } catch (...) {
            result = 98;
        }
        _exit(result);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

int runCliLimited(long long addressSpace, const QStringList& args, QString* out, QString* err) {
    QProcess process;
    process.setChildProcessModifier([addressSpace] {
        const rlimit limit{rlim_t(addressSpace), rlim_t(addressSpace)};
        setrlimit(RLIMIT_AS, &limit);
    });
    process.start(QStringLiteral(VELKOR_CLI_PATH), args);
    process.waitForFinished(120000);
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace velkor::test
