#include "storage/ReferenceHistory.h"

#include "storage/Statement.h"

namespace velkor {

void ensureReferenceHistoryTables(Database& rates) {
    rates.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS Veri_Surumu (Surum INTEGER)"));
    rates.exec(
        QStringLiteral("CREATE TABLE IF NOT EXISTS Veri_Degisiklikleri (Kimlik INTEGER PRIMARY KEY "
                       "AUTOINCREMENT, Tarih TEXT(19), Tablo TEXT(30), Anahtar TEXT(20), Eski TEXT(255), "
                       "Yeni TEXT(255), Kaynak TEXT(255))"));
}

int storedReferenceVersion(Database& rates) {
    if (!rates.hasTable(QStringLiteral("Veri_Surumu")))
        return 1;
    const QVariant version = rates.scalar(QStringLiteral("SELECT max(Surum) FROM Veri_Surumu"));
    return version.isNull() ? 1 : version.toInt();
}

void setStoredReferenceVersion(Database& rates, int version) {
    ensureReferenceHistoryTables(rates);
    rates.exec(QStringLiteral("DELETE FROM Veri_Surumu"));
    rates.execute(QStringLiteral("INSERT INTO Veri_Surumu (Surum) VALUES (?)"), {version});
}

void recordReferenceChange(Database& rates, const ReferenceChange& change) {
    ensureReferenceHistoryTables(rates);
    rates.execute(
        QStringLiteral("INSERT INTO Veri_Degisiklikleri (Tarih, Tablo, Anahtar, Eski, Yeni, Kaynak) "
                       "VALUES (?,?,?,?,?,?)"),
        {change.when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")), change.table, change.key,
         change.oldValue.isEmpty() ? QVariant() : QVariant(change.oldValue), change.newValue, change.source});
}

std::vector<std::pair<QString, QString>> userChangedKeys(Database& rates) {
    std::vector<std::pair<QString, QString>> keys;
    if (!rates.hasTable(QStringLiteral("Veri_Degisiklikleri")))
        return keys;
    Statement select(rates, QStringLiteral("SELECT Tablo, Anahtar FROM Veri_Degisiklikleri WHERE Tablo IN "
                                           "(?,?,?) GROUP BY Tablo, Anahtar ORDER BY min(Kimlik)"));
    select.bindAll({referencetable::kIndex, referencetable::kInterest, referencetable::kDepreciation});
    while (select.step())
        keys.emplace_back(select.value(0).toString(), select.value(1).toString());
    return keys;
}

QString monthKeyText(int year, int month) {
    return QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

} // namespace velkor
