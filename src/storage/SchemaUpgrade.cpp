#include "storage/SchemaUpgrade.h"

#include "base/ShownError.h"
#include "storage/Transaction.h"

namespace velkor {

namespace {

const QString kVersionTable = QStringLiteral("sema_surumu");

// The periods' tables. Every amount the period's lines show is stored as computed, so a
// closed period reads back exactly what was closed; texts of settings and states are the
// Turkish words the screens show, readable in the file without the program.
const char* const kPeriodTables[] = {
    "CREATE TABLE IF NOT EXISTS donem ("
    "id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "bitis_tarihi DATE NOT NULL UNIQUE, "
    "onceki_donem_id INTEGER, "
    "onceki_bitis_tarihi DATE, "
    "tasima_katsayisi DOUBLE, "
    "durum TEXT(20), "
    "turu TEXT(20), "
    "turu_nedeni TEXT(255), "
    "beyan_edildi SMALLINT, "
    "donem_amortismani TEXT(40), "
    "amortisman_kaydi TEXT(20), "
    "kapanis_698 TEXT(20), "
    "basit_ortalama_onceki TEXT(40), "
    "amortismani_biten TEXT(10), "
    "fark_258 TEXT(20), "
    "kapanis_tarihi DATE, "
    "g698 DOUBLE, "
    "l698 DOUBLE, "
    "g697 DOUBLE, "
    "l697 DOUBLE, "
    "telafi_toplami DOUBLE, "
    "beyana_esas_fark DOUBLE, "
    "beyana_esas_metin LONGTEXT, "
    "uyarilar LONGTEXT)",
    "CREATE TABLE IF NOT EXISTS donem_kalem ("
    "id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "donem_id INTEGER NOT NULL, "
    "sabit_kiymet_id INTEGER, "
    "onceki_kalem_id INTEGER, "
    "anahesapkodu TEXT(50), "
    "sbk_kodu TEXT(50), "
    "sbk_adi TEXT(200), "
    "durum TEXT(20), "
    "ara_verilmis SMALLINT, "
    "son_duzeltme_tarihi DATE, "
    "stok_yontemi TEXT(40), "
    "giris_tarihi DATE, "
    "cikis_tarihi DATE, "
    "kalan_oran DOUBLE, "
    "kalan_tutar DOUBLE, "
    "omur SMALLINT, "
    "amortisman_yontem TEXT(50), "
    "amortisman_kodu TEXT(50), "
    "gider_hesabi TEXT(50), "
    "duzeltilmez SMALLINT, "
    "aktarim_kaynagi TEXT(50), "
    "defter_degeri DOUBLE, "
    "onceki_birikmis DOUBLE, "
    "girilen_donem_amortismani DOUBLE, "
    "girilen_eski_aylik DOUBLE, "
    "onceki_yeni_aylik DOUBLE, "
    "sonradan_ayrilan DOUBLE, "
    "katsayi DOUBLE, "
    "duzeltilmis_deger DOUBLE, "
    "fark DOUBLE, "
    "donem_amortismani DOUBLE, "
    "donem_amortismani_hesaplanan SMALLINT, "
    "birikmis_oncesi DOUBLE, "
    "duzeltilmis_birikmis DOUBLE, "
    "birikmis_fark DOUBLE, "
    "eski_aylik DOUBLE, "
    "yeni_aylik DOUBLE, "
    "telafi_ay SMALLINT, "
    "telafi DOUBLE, "
    "son_ay_amortismani DOUBLE, "
    "donem_sonu_birikmis DOUBLE, "
    "aciklama LONGTEXT, "
    "notlar LONGTEXT)",
    "CREATE INDEX IF NOT EXISTS donem_kalem_donem ON donem_kalem (donem_id)",
    "CREATE INDEX IF NOT EXISTS donem_kalem_sabit_kiymet ON donem_kalem (sabit_kiymet_id)",
    // The entries of a period as they stood when it was closed: its journal and vouchers
    // read them back unchanged, and reopening drops them.
    "CREATE TABLE IF NOT EXISTS donem_kayit ("
    "id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "donem_id INTEGER NOT NULL, "
    "sira INTEGER, "
    "borc_hesap TEXT(50), "
    "alacak_hesap TEXT(50), "
    "tutar DOUBLE, "
    "aciklama LONGTEXT, "
    "turu SMALLINT, "
    "kalem_id INTEGER)",
    "CREATE INDEX IF NOT EXISTS donem_kayit_donem ON donem_kayit (donem_id)",
};

} // namespace

bool hasColumn(Database& db, const QString& table, const QString& column) {
    for (const EngineColumn& declared : db.tableColumns(table)) {
        if (declared.name.compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int companySchemaVersion(Database& db) {
    if (!db.hasTable(kVersionTable))
        return 1;
    const QVariant version = db.scalar(QStringLiteral("SELECT max(surum) FROM sema_surumu"));
    return version.isNull() ? 1 : version.toInt();
}

void upgradeCompanySchema(Database& db) {
    const int version = companySchemaVersion(db);
    if (version == kCompanySchemaVersion)
        return;
    if (version > kCompanySchemaVersion)
        throw ShownError(QStringLiteral("Firma veritabanı programın bu sürümünden daha yeni bir sürümle "
                                        "oluşturulmuş (veritabanı sürümü %1). Programı güncelleyiniz.")
                             .arg(version));
    Transaction transaction(db);
    for (const char* sql : kPeriodTables)
        db.exec(QString::fromUtf8(sql));
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS sema_surumu (surum INTEGER NOT NULL)"));
    db.execute(QStringLiteral("DELETE FROM sema_surumu"));
    db.execute(QStringLiteral("INSERT INTO sema_surumu (surum) VALUES (?)"), {kCompanySchemaVersion});
    transaction.commit();
}

void upgradeGeneralSchema(Database& db) {
    if (!db.hasTable(QStringLiteral("firmalar")))
        return;
    const bool sales = hasColumn(db, QStringLiteral("firmalar"), QStringLiteral("brut_satis_2023"));
    const bool dealer = hasColumn(db, QStringLiteral("firmalar"), QStringLiteral("kiymetli_maden"));
    if (sales && dealer)
        return;
    Transaction transaction(db);
    if (!sales)
        db.exec(QStringLiteral("ALTER TABLE firmalar ADD COLUMN brut_satis_2023 DOUBLE"));
    if (!dealer)
        db.exec(QStringLiteral("ALTER TABLE firmalar ADD COLUMN kiymetli_maden SMALLINT"));
    transaction.commit();
}

} // namespace velkor
