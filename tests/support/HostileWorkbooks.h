#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace velkor::test {

/// The address-space limit the hostile-file tests run the readers and the program under.
inline constexpr long long kTestMemoryLimit = 500LL * 1024 * 1024;

/// An .xlsx workbook of one sheet "Sayfa1" whose <sheetData> holds the given XML.
void writeXlsx(const QString& path, const QByteArray& sheetData);
/// An .ods spreadsheet of one table whose content (rows) is the given XML.
void writeOds(const QString& path, const QByteArray& tableContent);
/// An xlsx cell holding an inline string, and one holding a number.
QByteArray inlineStringCell(const QString& address, const QString& text);
QByteArray numberCell(const QString& address, const QString& value);
/// Makes the local header and the zip directory of the archive declare `size` bytes for
/// the entry, whatever it really inflates to.
void declareUncompressedSize(const QString& path, const QString& entry, quint32 size);
/// The bytes of an .xls file with its first `count` dimension records (type 0x0200, one a
/// sheet) declaring 65.536 rows of 256 columns; throws when it has fewer.
QByteArray declareWholeSheets(QByteArray xls, int count);

/// Runs `body` in a forked child limited to `addressSpace` bytes; the child's result, or
/// -1 when it died (killed, crashed).
int runLimited(long long addressSpace, const std::function<int()>& body);
/// Runs velkor-cli limited to `addressSpace` bytes, in the test's own environment.
int runCliLimited(long long addressSpace, const QStringList& args, QString* out = nullptr,
                  QString* err = nullptr);

} // namespace velkor::test
