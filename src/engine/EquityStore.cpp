#include "engine/EquityStore.h"

#include "engine/EquityExplanation.h"
#include "engine/EquitySheet.h"
#include "engine/ExplanationText.h"
#include "engine/StockExplanation.h"
#include "storage/Table.h"
#include "workspace/NumberFormat.h"
#include "workspace/TextHelpers.h"
#include "workspace/WorkspaceState.h"

namespace velkor {

namespace {

QVariant dateValue(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

QVariant amountOf(const EquitySheet& sheet, const QString& field) {
    return ParseAmount(sheet.text(field));
}

// Edits the row of the record number when it exists, else starts a new one.
void editOrAppend(Table& table, const QString& recordNumber) {
    table.ensureOpen();
    const double id = ParseAmount(recordNumber);
    if (id > 0 && table.locate(QStringLiteral("id"), static_cast<qint64>(id)))
        table.edit();
    else
        table.append();
}

void loadDate(FormModel& form, const QString& field, const Dataset& row, const QString& column) {
    if (!row.isNull(column))
        form.setDate(field, row.date(column));
}

} // namespace

qint64 saveEquitySheet(const EquitySheet& sheet, const QDate& adjustmentDate, Table& table) {
    editOrAppend(table, sheet.text(QStringLiteral("Kayit_No_EditO")));
    try {
        table.setValue(QStringLiteral("anahesapkodu"), sheet.text(QStringLiteral("DuzeltmeAnaHesapComboO")));
        table.setValue(QStringLiteral("sbk_kodu"), sheet.text(QStringLiteral("KoduEditO")));
        table.setValue(QStringLiteral("sbk_adi"), sheet.text(QStringLiteral("AdiEditO")));
        table.setValue(QStringLiteral("fatura_tarihi"),
                       dateValue(sheet.date(QStringLiteral("GirisTarihiDateO"))));
        table.setValue(QStringLiteral("Hesap_Yi_UFE_Tarihi"), dateValue(adjustmentDate));
        table.setValue(QStringLiteral("Giris_Yi_UFE_Tarihi"),
                       dateValue(sheet.date(QStringLiteral("YiUfeGirisDateO"))));
        table.setValue(QStringLiteral("VUK_Son_Degeri"),
                       amountOf(sheet, QStringLiteral("KayitliTutariEditO")));
        table.setValue(QStringLiteral("Giris_Yi_UFE"), amountOf(sheet, QStringLiteral("GirisYi_UfeEditO")));
        table.setValue(QStringLiteral("Hesap_Yi_UFE"), amountOf(sheet, QStringLiteral("HesapYi_UfeEditO")));
        table.setValue(QStringLiteral("Duzeltme_Katsayisi"),
                       amountOf(sheet, QStringLiteral("DuzeltKatsayiEditO")));
        table.setValue(QStringLiteral("Duzeltilmis_Tutar"),
                       amountOf(sheet, QStringLiteral("DuzeltilmisTutarEditO")));
        table.setValue(QStringLiteral("Enflasyon_Farki"),
                       amountOf(sheet, QStringLiteral("EnflasyonFarkEditO")));
        table.setValue(QStringLiteral("Hesaplama_Yontemi"), capitalKindKey(sheet.capitalKind()));
        table.setValue(QStringLiteral("SBK_Diger"), QStringLiteral("Diger"));
        table.post();
    } catch (...) {
        // A refused value must not leave a half-written row for the next save to post.
        table.cancel();
        throw;
    }
    return table.value(QStringLiteral("id")).toLongLong();
}

void loadEquitySheet(EquitySheet& sheet, WorkspaceState& state, const Dataset& row) {
    const QString mainAccount = row.text(QStringLiteral("anahesapkodu"));
    const bool capital = mainAccountValue(mainAccount) == 500;
    sheet.setVisible(QStringLiteral("SermayeGroup"), capital);
    sheet.setVisible(QStringLiteral("SermayeAciklaGroup"), capital);

    sheet.setText(QStringLiteral("Kayit_No_EditO"), row.text(QStringLiteral("id")));
    sheet.setText(QStringLiteral("DuzeltmeAnaHesapComboO"), mainAccount);
    sheet.setText(QStringLiteral("KoduEditO"), row.text(QStringLiteral("sbk_kodu")));
    sheet.setText(QStringLiteral("AdiEditO"), row.text(QStringLiteral("sbk_adi")));
    loadDate(sheet, QStringLiteral("GirisTarihiDateO"), row, QStringLiteral("fatura_tarihi"));
    loadDate(state, QStringLiteral("HesapTarihiDate"), row, QStringLiteral("Hesap_Yi_UFE_Tarihi"));
    loadDate(sheet, QStringLiteral("YiUfeGirisDateO"), row, QStringLiteral("Giris_Yi_UFE_Tarihi"));

    sheet.setText(QStringLiteral("KayitliTutariEditO"),
                  amountText(row.number(QStringLiteral("VUK_Son_Degeri"))));
    sheet.setText(QStringLiteral("GirisYi_UfeEditO"), amountText(row.number(QStringLiteral("Giris_Yi_UFE"))));
    sheet.setText(QStringLiteral("HesapYi_UfeEditO"), amountText(row.number(QStringLiteral("Hesap_Yi_UFE"))));
    sheet.setText(QStringLiteral("DuzeltKatsayiEditO"),
                  FormatGeneral(row.number(QStringLiteral("Duzeltme_Katsayisi"))));

    const QString key = row.text(QStringLiteral("Hesaplama_Yontemi"));
    const std::optional<CapitalKind> kind = capitalKindOfKey(key);
    if (kind)
        sheet.selectCapitalKind(*kind);

    sheet.setText(QStringLiteral("DuzeltilmisTutarEditO"),
                  amountText(row.number(QStringLiteral("Duzeltilmis_Tutar"))));
    sheet.setText(QStringLiteral("EnflasyonFarkEditO"),
                  amountText(row.number(QStringLiteral("Enflasyon_Farki"))));

    EquityText text;
    text.mainAccount = mainAccount;
    text.subAccount = row.text(QStringLiteral("sbk_kodu"));
    text.name = row.text(QStringLiteral("sbk_adi"));
    text.nameLength = 35;
    text.difference = amountText(row.number(QStringLiteral("Enflasyon_Farki")));
    text.fromRevaluationFunds = kind == CapitalKind::From522;
    if (kind)
        text.capitalSentence = capitalKindSentence(*kind);
    sheet.setLines(QStringLiteral("OzkaynakRich"), equityExplanation(text));
}

} // namespace velkor
