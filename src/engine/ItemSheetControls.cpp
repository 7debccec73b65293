#include "engine/ItemSheetControls.h"

#include "base/AmountKeyRules.h"
#include "base/TextHelpers.h"

namespace velkor {

QStringList blankExplanation() {
    const QString line = dateSeparator(35);
    return {line, QString(), QString(), QString(), QString(), QString(), line};
}

void addRegisterControls(FormModel& sheet, const ItemFields& fields, const QStringList& accounts,
                         const QString& firstAccount) {
    sheet.addEdit(fields.record, {}, QStringLiteral("Kayıt No"));
    sheet.addCombo(fields.account, accounts, firstAccount, QStringLiteral("ANA HESAP"));
    sheet.addEdit(fields.code, {}, QStringLiteral("Alt Hesap"));
    sheet.addEdit(fields.name, {}, QStringLiteral("Adı"));
    sheet.addDate(fields.entryDate, QDate(2005, 1, 1), QStringLiteral("Kayıt Tarihi"));
    sheet.addDate(fields.baseDate, QDate(2004, 12, 31), QStringLiteral("İlk Yİ-ÜFE"));
    sheet.setEnabled(fields.baseDate, false);
    sheet.addEdit(fields.bookValue, {}, QStringLiteral("Kayıtlı Değeri"));
    sheet.addEdit(fields.baseIndex, {}, QStringLiteral("Gir. Yi-Üfe"));
    sheet.addEdit(fields.accountIndex, {}, QStringLiteral("Hes. Yi-Üfe"));
    sheet.addEdit(fields.coefficient, {}, QStringLiteral("Katsayısı"));
}

void addResultControls(FormModel& sheet, const ItemFields& fields) {
    sheet.addEdit(fields.adjusted, {}, QStringLiteral("Düzeltilmiş Tutar"));
    sheet.addEdit(fields.difference, {}, QStringLiteral("Enflasyon Farkı"));
}

void addItemButtons(FormModel& sheet, const ItemButtons& names) {
    sheet.addButton(names.adjust, QStringLiteral("Düzelt"));
    sheet.addButton(names.save, QStringLiteral("Kaydet"));
    sheet.addButton(names.fresh, QStringLiteral("Yeni"));
    sheet.addButton(names.print, QStringLiteral("Yazdır"));
    sheet.addRich(names.text);
    sheet.setLines(names.text, blankExplanation());
}

void reformatAmountsOnLeave(FormModel& sheet, const QStringList& edits) {
    for (const QString& name : edits)
        sheet.onLeave(name, [&sheet, name] { sheet.setText(name, amountTextOnLeave(sheet.text(name))); });
}

} // namespace velkor
