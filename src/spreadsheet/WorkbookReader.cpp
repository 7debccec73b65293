#include "spreadsheet/WorkbookReader.h"

#include "spreadsheet/CsvWorkbookReader.h"
#include "spreadsheet/FreexlWorkbookReader.h"
#include "spreadsheet/OrcusWorkbookReader.h"

#include <QFile>
#include <QFileInfo>

namespace velkor {

namespace {

enum class Container { Zip, Compound, Other, Unreadable };

// Office files are zip archives (xlsx, ods) or compound files (xls, and any
// password-encrypted xlsx, which wraps the encrypted package in one).
Container containerOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Container::Unreadable;
    const QByteArray head = file.read(8);
    if (head.startsWith("PK\x03\x04"))
        return Container::Zip;
    if (head == QByteArray::fromHex("D0CF11E0A1B11AE1"))
        return Container::Compound;
    return Container::Other;
}

} // namespace

QString protectedWorkbookMessage(const QString& path) {
    return QStringLiteral("Çalışma kitabı parola ile korunuyor; parolasız kaydedip yeniden deneyin: ") +
           QFileInfo(path).fileName();
}

QString damagedWorkbookMessage(const QString& path) {
    return QStringLiteral("Çalışma kitabı okunamadı; dosya bozuk ya da desteklenmeyen biçimde: ") +
           QFileInfo(path).fileName();
}

std::unique_ptr<WorkbookReader> readerFor(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const Container container = containerOf(path);
    if (container == Container::Unreadable)
        throw WorkbookError(QStringLiteral("Dosya açılamadı: ") + path);
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt"))
        return std::make_unique<CsvWorkbookReader>();
    if (container == Container::Compound) {
        if (suffix == QLatin1String("xlsx") || suffix == QLatin1String("ods"))
            throw WorkbookError(protectedWorkbookMessage(path));
        return std::make_unique<FreexlWorkbookReader>();
    }
    if (container == Container::Zip) {
        if (suffix == QLatin1String("ods"))
            return std::make_unique<OrcusWorkbookReader>(OrcusWorkbookReader::Format::Ods);
        if (suffix == QLatin1String("xlsx") || suffix == QLatin1String("xls"))
            return std::make_unique<OrcusWorkbookReader>(OrcusWorkbookReader::Format::Xlsx);
    }
    throw WorkbookError(damagedWorkbookMessage(path));
}

WorkbookGrid readWorkbook(const QString& path) {
    return readerFor(path)->readFirstSheet(path);
}

} // namespace velkor
