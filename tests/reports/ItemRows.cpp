#include "ItemRows.h"

#include "engine/Rounding.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/Schema.h"
#include "storage/Statement.h"
#include "storage/Table.h"
#include "support/TestEngine.h"

#include <cmath>

namespace velkor::test {

RowValues fixedAssetRow(const FixedAssetInput& input) {
    const double coefficient = RoundDecimals(input.accountIndex / input.entryIndex, 5);
    const double adjusted = RoundDecimals(coefficient * input.value, 2);
    const double rate = (adjusted - input.value) / input.value;
    const double adjustedDepreciation = RoundDecimals((rate + 1) * input.accumulated, 2);
    RowValues row{{"anahesapkodu", input.account},
                  {"sbk_kodu", input.sub},
                  {"sbk_adi", input.name},
                  {"fatura_tarihi", input.entryDate},
                  {"vuk_amort_bitis_tarihi", input.entryDate.addYears(input.life)},
                  {"Hesap_Yi_UFE_Tarihi", QDate(2023, 12, 31)},
                  {"Giris_Yi_UFE_Tarihi", input.entryDate},
                  {"VUK_Son_Degeri", input.value},
                  {"vuk_amortisman_yontem", QStringLiteral("Normal")},
                  {"vuk_birikmis_amortisman", input.accumulated},
                  {"Giris_Yi_UFE", input.entryIndex},
                  {"Hesap_Yi_UFE", input.accountIndex},
                  {"Duzeltme_Katsayisi", coefficient},
                  {"Duzeltilmis_Tutar", adjusted},
                  {"Duzeltilmis_Amortisman", adjustedDepreciation},
                  {"Enflasyon_Farki", adjusted - input.value},
                  {"Amortisman_Farki", adjustedDepreciation - input.accumulated},
                  {"SBK_Diger", QStringLiteral("SBK")}};
    if (input.life > 0)
        row["vuk_amortisman_sure"] = input.life;
    // A book value of 0 leaves the depreciation results undefined: they stay empty.
    for (auto& [column, value] : row) {
        if (value.typeId() == QMetaType::Double && std::isnan(value.toDouble()))
            value = QVariant();
    }
    return row;
}

namespace {

RowValues otherRow(const QString& account, const QString& sub, const QString& name, double value,
                   double entryIndex, double accountIndex, const QString& kind) {
    const double coefficient = RoundDecimals(accountIndex / entryIndex, 5);
    const double adjusted = RoundDecimals(coefficient * value, 2);
    return {{"anahesapkodu", account},
            {"sbk_kodu", sub},
            {"sbk_adi", name},
            {"fatura_tarihi", QDate(2021, 6, 30)},
            {"Hesap_Yi_UFE_Tarihi", QDate(2023, 12, 31)},
            {"Giris_Yi_UFE_Tarihi", QDate(2021, 6, 30)},
            {"VUK_Son_Degeri", value},
            {"Giris_Yi_UFE", entryIndex},
            {"Hesap_Yi_UFE", accountIndex},
            {"Duzeltme_Katsayisi", coefficient},
            {"Duzeltilmis_Tutar", adjusted},
            {"Enflasyon_Farki", adjusted - value},
            {"Hesaplama_Yontemi", kind},
            {"SBK_Diger", QStringLiteral("Diger")}};
}

} // namespace

RowValues stockRow(const QString& account, const QString& sub, const QString& name, double value,
                   double entryIndex, double accountIndex) {
    return otherRow(account, sub, name, value, entryIndex, accountIndex, QStringLiteral("Gercek"));
}

RowValues equityRow(const QString& account, const QString& sub, const QString& name, double value,
                    double entryIndex, double accountIndex, const QString& kind) {
    return otherRow(account, sub, name, value, entryIndex, accountIndex, kind);
}

CompanyDatabase::CompanyDatabase() {
    const QString path = m_dir.filePath(QStringLiteral("TEST.mdb"));
    createDatabaseFile(path, createCompanySchema);
    m_connection.setConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
                                     QStringLiteral(";Jet OLEDB:Database Password=") + kDatabasePassword);
    if (companiesOnServer())
        m_connection.setConnectionString(newServerCompany(QStringLiteral("TEST")));
    m_connection.open();
}

qint64 CompanyDatabase::insert(const RowValues& values) {
    Table table(m_connection, QStringLiteral("sabit_kiymet"));
    table.open();
    table.append();
    for (const auto& [column, value] : values)
        table.setValue(column, value);
    table.post();
    return table.value(QStringLiteral("id")).toLongLong();
}

std::vector<std::vector<QVariant>> CompanyDatabase::snapshot() {
    Statement statement(m_connection.database(), QStringLiteral("SELECT * FROM sabit_kiymet ORDER BY id"));
    std::vector<std::vector<QVariant>> rows;
    while (statement.step()) {
        std::vector<QVariant> row;
        for (int c = 0; c < statement.columnCount(); ++c)
            row.push_back(statement.value(c));
        rows.push_back(std::move(row));
    }
    return rows;
}

QVariant CompanyDatabase::value(qint64 id, const QString& column) {
    return m_connection.database().scalar(
        QStringLiteral("SELECT \"%1\" FROM sabit_kiymet WHERE id=?").arg(column), {id});
}

std::optional<qint64> CompanyDatabase::find(const QString& account, const QString& sub) {
    const QVariant id =
        sub.isNull()
            ? m_connection.database().scalar(
                  QStringLiteral("SELECT id FROM sabit_kiymet WHERE anahesapkodu=? ORDER BY id LIMIT 1"),
                  {account})
            : m_connection.database().scalar(
                  QStringLiteral(
                      "SELECT id FROM sabit_kiymet WHERE anahesapkodu=? AND sbk_kodu=? ORDER BY id LIMIT 1"),
                  {account, sub});
    if (id.isNull())
        return std::nullopt;
    return id.toLongLong();
}

int CompanyDatabase::rowCount() {
    return m_connection.database().scalar(QStringLiteral("SELECT COUNT(*) FROM sabit_kiymet")).toInt();
}

} // namespace velkor::test
