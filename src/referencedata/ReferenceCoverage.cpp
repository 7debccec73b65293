#include "referencedata/ReferenceCoverage.h"

#include "storage/ReferenceHistory.h"
#include "storage/ReferenceTables.h"
#include "storage/Statement.h"

#include <QStringList>

namespace velkor {

namespace {

const QStringList kMonthNames{"Ocak",   "Şubat",   "Mart",  "Nisan", "Mayıs", "Haziran",
                              "Temmuz", "Ağustos", "Eylül", "Ekim",  "Kasım", "Aralık"};

QString lastMonthOf(Database& rates, const QString& table, const QStringList& columns) {
    Statement select(rates, QStringLiteral("SELECT Yil, %1 FROM %2 ORDER BY Yil DESC")
                                .arg(columns.join(QLatin1Char(',')), table));
    while (select.step()) {
        for (int month = 12; month >= 1; --month) {
            if (!select.value(month).isNull() && select.value(month).toDouble() > 0)
                return kMonthNames.at(month - 1) + QLatin1Char(' ') +
                       QString::number(select.value(0).toInt());
        }
    }
    return QStringLiteral("yok");
}

QString userPart(Database& rates, const QString& table) {
    if (!rates.hasTable(QStringLiteral("Veri_Degisiklikleri")))
        return {};
    const int count =
        rates.scalar(QStringLiteral("SELECT count(*) FROM Veri_Degisiklikleri WHERE Tablo=?"), {table})
            .toInt();
    if (count == 0)
        return {};
    Statement last(rates, QStringLiteral("SELECT Tarih, Kaynak FROM Veri_Degisiklikleri WHERE Tablo=? "
                                         "ORDER BY Kimlik DESC LIMIT 1"));
    last.bind(1, table);
    last.step();
    return QStringLiteral(" · Kullanıcı eklemeleri: %1 satır (son: %2, %3)")
        .arg(count)
        .arg(last.value(0).toString(), last.value(1).toString());
}

} // namespace

QString coverageText(Database& rates, CoveredTable table) {
    switch (table) {
    case CoveredTable::Index:
        return QStringLiteral("Son ay: %1 · Kaynak: TÜİK Yİ-ÜFE (2003=100); 2005-12 sonrası TÜİK serisi, "
                              "2004-01 … 2005-11 bir meslek odasının endeks tablosundan bugünkü seriye "
                              "bağlanmıştır; 2003 yılı doğrulanamadığı için yoktur")
                   .arg(lastMonthOf(rates, QStringLiteral("YI_UFE"), monthColumns())) +
               userPart(rates, referencetable::kIndex);
    case CoveredTable::Tefe: {
        QStringList columns;
        for (int m = 1; m <= 12; ++m)
            columns << QStringLiteral("ay%1").arg(m);
        return QStringLiteral("Son ay: %1 · Kaynak: TÜİK TEFE (1994=100); yalnız 2004 yılı")
            .arg(lastMonthOf(rates, QStringLiteral("TEFE"), columns));
    }
    case CoveredTable::Interest:
        return QStringLiteral(
                   "Son ay: %1 · Kaynak: Gelir İdaresi Başkanlığı ortalama ticari kredi faiz "
                   "oranları (165 sıra no.lu sirküler eki ve üç aylık sirkülerler); programla yalnız "
                   "2024-01 … 2025-06 gelir, 2005–2023 yayımlanan tablodan eklenmelidir")
                   .arg(lastMonthOf(rates, QStringLiteral("Ortalama_Faiz"), monthColumns())) +
               userPart(rates, referencetable::kInterest);
    case CoveredTable::Depreciation:
        break;
    }
    return QStringLiteral(
               "%1 satır · Kaynak: VUK 333 sıra no.lu Genel Tebliğ listesi ve değişiklikleri (339, 365, "
               "389, 418, 506); listenin güvenle aktarılabilen bölümü")
               .arg(rates.scalar(QStringLiteral("SELECT count(*) FROM Amortisman_Oranlari")).toInt()) +
           userPart(rates, referencetable::kDepreciation);
}

} // namespace velkor
