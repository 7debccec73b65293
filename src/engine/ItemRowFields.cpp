#include "engine/ItemRowFields.h"

#include "base/NumberFormat.h"
#include "base/ShownError.h"
#include "base/TextHelpers.h"
#include "engine/ExplanationText.h"
#include "engine/WorkspaceStateControls.h"
#include "storage/Connection.h"
#include "storage/Dataset.h"
#include "storage/PeriodGuard.h"
#include "storage/RowStamp.h"
#include "storage/Table.h"

namespace velkor {

namespace {

// An invalid date is stored as null.
QVariant dateValue(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

} // namespace

QVariant amountOf(const FormModel& sheet, const QString& field) {
    return ParseAmount(sheet.text(field));
}

void editOrAppend(Table& table, const QString& recordNumber) {
    table.ensureOpen();
    const double id = ParseAmount(recordNumber);
    if (id > 0 && table.locate(QStringLiteral("id"), static_cast<qint64>(id))) {
        // A closed later period carries this row's values; changing it would leave that
        // period's frozen figures without their source.
        if (hasClosedPeriod(table.connection().database()))
            throw ShownError(kClosedPeriodUseMessage);
        table.edit();
    } else
        table.append();
}

RowStamp storedItemStamp(Table& table, const QString& recordNumber) {
    const double id = ParseAmount(recordNumber);
    if (id <= 0)
        return {};
    const auto row = storedRow(table.connection().database(), table.tableName(), static_cast<qint64>(id));
    return row ? RowStamp::of(*row) : RowStamp();
}

qint64 saveItemRow(Table& table, const QString& recordNumber, const std::function<void()>& writeColumns,
                   RowStamp* shown) {
    // Others may have saved or deleted the item since this sheet showed it (several programs
    // on one company); the check reads the stored row itself, not the table's copy of it.
    if (shown) {
        const double id = ParseAmount(recordNumber);
        if (id > 0)
            requireUnchanged(
                *shown, storedRow(table.connection().database(), table.tableName(), static_cast<qint64>(id)));
    }
    editOrAppend(table, recordNumber);
    try {
        writeColumns();
        table.post();
    } catch (...) {
        table.cancel();
        throw;
    }
    const qint64 id = table.value(QStringLiteral("id")).toLongLong();
    if (shown)
        *shown = storedItemStamp(table, QString::number(id));
    return id;
}

void writeItemIdentity(Table& table, const FormModel& sheet, const ItemFields& fields) {
    // The code and name go into the item list, the journal and the voucher files, one line each.
    for (const QString& field : {fields.code, fields.name}) {
        if (hasControlCharacter(sheet.text(field)))
            throw ShownError(
                controlCharacterRefusal(sheet.label(field).isEmpty() ? field : sheet.label(field)));
    }
    table.setValue(QStringLiteral("anahesapkodu"), sheet.text(fields.account));
    table.setValue(QStringLiteral("sbk_kodu"), sheet.text(fields.code));
    table.setValue(QStringLiteral("sbk_adi"), sheet.text(fields.name));
}

void writeIndexColumns(Table& table, const FormModel& sheet, const ItemFields& fields) {
    table.setValue(QStringLiteral("Giris_Yi_UFE"), amountOf(sheet, fields.baseIndex));
    table.setValue(QStringLiteral("Hesap_Yi_UFE"), amountOf(sheet, fields.accountIndex));
    table.setValue(QStringLiteral("Duzeltme_Katsayisi"), amountOf(sheet, fields.coefficient));
}

void writeRegisterColumns(Table& table, const FormModel& sheet, const ItemFields& fields,
                          const QDate& adjustmentDate) {
    writeItemIdentity(table, sheet, fields);
    table.setValue(QStringLiteral("fatura_tarihi"), dateValue(sheet.date(fields.entryDate)));
    table.setValue(QStringLiteral("Hesap_Yi_UFE_Tarihi"), dateValue(adjustmentDate));
    table.setValue(QStringLiteral("Giris_Yi_UFE_Tarihi"), dateValue(sheet.date(fields.baseDate)));
    table.setValue(QStringLiteral("VUK_Son_Degeri"), amountOf(sheet, fields.bookValue));
    writeIndexColumns(table, sheet, fields);
}

void writeResultColumns(Table& table, const FormModel& sheet, const ItemFields& fields) {
    table.setValue(QStringLiteral("Duzeltilmis_Tutar"), amountOf(sheet, fields.adjusted));
    table.setValue(QStringLiteral("Enflasyon_Farki"), amountOf(sheet, fields.difference));
}

void loadDate(FormModel& form, const QString& field, const Dataset& row, const QString& column) {
    if (!row.isNull(column))
        form.setDate(field, row.date(column));
}

QString amountColumn(const Dataset& row, const QString& column) {
    return FormatFloat(patterns::kAmount, row.number(column));
}

void loadItemIdentity(FormModel& sheet, const ItemFields& fields, const Dataset& row) {
    sheet.setText(fields.record, row.text(QStringLiteral("id")));
    sheet.setText(fields.account, row.text(QStringLiteral("anahesapkodu")));
    sheet.setText(fields.code, row.text(QStringLiteral("sbk_kodu")));
    sheet.setText(fields.name, row.text(QStringLiteral("sbk_adi")));
}

void loadIndexFields(FormModel& sheet, const ItemFields& fields, const Dataset& row) {
    sheet.setText(fields.baseIndex, amountColumn(row, QStringLiteral("Giris_Yi_UFE")));
    sheet.setText(fields.accountIndex, amountColumn(row, QStringLiteral("Hesap_Yi_UFE")));
    sheet.setText(fields.coefficient, FormatGeneral(row.number(QStringLiteral("Duzeltme_Katsayisi"))));
}

void loadRegisterFields(FormModel& sheet, const ItemFields& fields, FormModel& state, const Dataset& row) {
    loadItemIdentity(sheet, fields, row);
    loadDate(sheet, fields.entryDate, row, QStringLiteral("fatura_tarihi"));
    loadDate(state, ctl::workspace::HesapTarihiDate, row, QStringLiteral("Hesap_Yi_UFE_Tarihi"));
    loadDate(sheet, fields.baseDate, row, QStringLiteral("Giris_Yi_UFE_Tarihi"));
    sheet.setText(fields.bookValue, amountColumn(row, QStringLiteral("VUK_Son_Degeri")));
    loadIndexFields(sheet, fields, row);
}

void loadResultFields(FormModel& sheet, const ItemFields& fields, const Dataset& row) {
    sheet.setText(fields.adjusted, amountColumn(row, QStringLiteral("Duzeltilmis_Tutar")));
    sheet.setText(fields.difference, amountColumn(row, QStringLiteral("Enflasyon_Farki")));
}

void readStoredPosting(ItemPosting& posting, const Dataset& row) {
    posting.mainAccount = row.text(QStringLiteral("anahesapkodu"));
    posting.subAccount = row.text(QStringLiteral("sbk_kodu"));
    posting.name = row.text(QStringLiteral("sbk_adi"));
    posting.nameLength = 35;
    posting.difference = amountColumn(row, QStringLiteral("Enflasyon_Farki"));
}

void readSheetPosting(ItemPosting& posting, const FormModel& sheet, const ItemFields& fields) {
    posting.mainAccount = sheet.text(fields.account);
    posting.subAccount = sheet.text(fields.code);
    posting.name = sheet.text(fields.name);
    posting.difference = reformattedAmount(sheet.text(fields.difference));
}

} // namespace velkor
