#include "storage/Schema.h"

#include <QStringList>

namespace velkor {

const std::array<ColumnDef, 108> kItemColumns = {{
    {"id", "INTEGER PRIMARY KEY AUTOINCREMENT", "Sıra", ""},
    {"sbk_kodu", "TEXT(50)", "Alt Hesap", ""},
    {"sbk_grup_kodu", "TEXT(50)", "Grup", ""},
    {"sbk_adi", "TEXT(200)", "Adı", ""},
    {"sbk_barkod", "TEXT(20)", "Barkod", ""},
    {"fatura_no", "TEXT(20)", "Fatura No", ""},
    {"fatura_cari_kodu", "TEXT(50)", "Cari Kodu", ""},
    {"fatura_firma_adi", "TEXT(50)", "Firma Adı", ""},
    {"fatura_tarihi", "DATE", "GirişTarihi", "dd.mm.yyyy"},
    {"fatura_mal_bedeli", "DOUBLE", "Tutarı", "#,###.00"},
    {"fatura_miktari", "SMALLINT", "", ""},
    {"fatura_kdv_tutari", "DOUBLE", "", "#,###.00"},
    {"fatura_vade_tarihi", "DATE", "", "dd.mm.yyyy"},
    {"kullanilan_bolum", "TEXT(50)", "", ""},
    {"kullanilan_isyeri", "TEXT(50)", "", ""},
    {"kullanan_kisi", "TEXT(50)", "", ""},
    {"vuk_amortisman_sure", "SMALLINT", "Amort. Yıl", ""},
    {"vuk_amort_bitis_tarihi", "DATE", "Amort. Bit.Tar.", "dd.mm.yyyy"},
    {"vuk_amortisman_yontem", "TEXT(50)", "Amort. Yöntemi", ""},
    {"ttk_sbk_degeri", "DOUBLE", "", "#,###.00"},
    {"ttk_amortisman_sure", "SMALLINT", "", ""},
    {"ttk_amort_bitis_tarihi", "DATE", "", ""},
    {"ttk_amortisman_yontem", "TEXT(50)", "", ""},
    {"ttk_hurda_degeri", "DOUBLE", "", "#,###.00"},
    {"vuk_enflasyon_yap", "TEXT(2)", "", ""},
    {"vuk_enfl_ROFM", "DOUBLE", "", ""},
    {"vuk_enflasyon_tutar", "DOUBLE", "", ""},
    {"vuk_enflasyon_duz_tarih", "DATE", "", ""},
    {"bagli_sbk_kodu", "TEXT(50)", "", ""},
    {"vuk_birikmis_amortisman", "DOUBLE", "B.Amortismanı", "#,###.00"},
    {"vuk_birikmis_amort_tarihi", "DATE", "Son Amort.Tarihi", ""},
    {"ttk_birikmis_amortisman", "DOUBLE", "", "#,###.00"},
    {"ttk_birikmis_amort_tarih", "DATE", "", ""},
    {"doviz_tutari", "DOUBLE", "", ""},
    {"doviz_kuru", "DOUBLE", "", ""},
    {"doviz_kodu", "TEXT(10)", "", ""},
    {"doviz_amortisman_yontem", "TEXT(50)", "", ""},
    {"doviz_amortisman_sure", "SMALLINT", "", ""},
    {"doviz_amort_bitis_tarihi", "DATE", "", ""},
    {"doviz_birikmis_amortisman", "DOUBLE", "", ""},
    {"doviz_birikmis_amort_tarih", "DATE", "", ""},
    {"birikmis_amortisman_yil", "SMALLINT", "", ""},
    {"donem_amortisman", "DOUBLE", "", "#,###.00"},
    {"donem_amortisman_tarih", "DATE", "", ""},
    {"donem_amort_doviz", "DOUBLE", "", ""},
    {"donem_amort_doviz_tarih", "DATE", "", ""},
    {"donem_amort_ttk", "DOUBLE", "", ""},
    {"donem_amort_ttk_tarih", "DATE", "", ""},
    {"donem_enflasyon_tutar", "DOUBLE", "", ""},
    {"donem_enflasyon_tarih", "DATE", "", ""},
    {"anahesapkodu", "TEXT(50)", "Ana H.", ""},
    {"muhasebe_kodu", "TEXT(50)", "Muh.Hesap Kodu", ""},
    {"amortisman_kodu", "TEXT(50)", "Amort.Hes.Kodu", ""},
    {"amortisman_gider_kodu", "TEXT(50)", "Amort.Gider Hesap", ""},
    {"satis_tarihi", "DATE", "", ""},
    {"satis_fatura_no", "TEXT(50)", "", ""},
    {"satis_firma_kodu", "TEXT(50)", "", ""},
    {"satis_firma_adi", "TEXT(50)", "", ""},
    {"satis_firma_aciklama", "TEXT(200)", "", ""},
    {"satis_tutari", "DOUBLE", "", ""},
    {"satis_miktari", "SMALLINT", "", ""},
    {"satis_kdv", "DOUBLE", "", ""},
    {"satis_vade", "DATE", "", ""},
    {"genis_aciklama", "LONGTEXT", "", ""},
    {"resim", "BLOB", "", ""},
    {"aciklama1", "TEXT(50)", "", ""},
    {"aciklama2", "TEXT(50)", "", ""},
    {"aciklama3", "TEXT(50)", "", ""},
    {"sayisal1", "DOUBLE", "", ""},
    {"sayisal2", "DOUBLE", "", ""},
    {"sayisal3", "DOUBLE", "", ""},
    {"integer1", "SMALLINT", "", ""},
    {"integer2", "SMALLINT", "", ""},
    {"integer3", "SMALLINT", "", ""},
    {"Giris_Yi_UFE_Tarihi", "DATE", "Giriş Yİ-ÜFE Tar.", "dd.mm.yyyy"},
    {"Giris_Yi_UFE", "DOUBLE", "Giriş Yİ-ÜFE", "#,###.00"},
    {"Hesap_Yi_UFE_Tarihi", "DATE", "Hesap Yİ-ÜFE Tar.", "dd.mm.yyyy"},
    {"Hesap_Yi_UFE", "DOUBLE", "Hesap Yİ-ÜFE", "#,###.00"},
    {"Duzeltme_Katsayisi", "DOUBLE", "Düz. Katsayısı", "#,###.00000"},
    {"ROFM_Baslama_Tarihi", "DATE", "ROFM Baş. Tar.", "dd.mm.yyyy"},
    {"ROFM_Bitis_Tarihi", "DATE", "ROFM Bit.Tar.", "dd.mm.yyyy"},
    {"ROFM_Anapara", "DOUBLE", "ROFM Anapara", "#,###.00"},
    {"ROFM_Faiz", "DOUBLE", "ROFM Faiz", "#,###.00"},
    {"Duzeltilmis_Tutar", "DOUBLE", "Düzeltilmiş Tutar", "#,###.00"},
    {"Duzeltilmis_Amortisman", "DOUBLE", "Düzeltilmiş Amort.", "#,###.00"},
    {"Enflasyon_Farki", "DOUBLE", "Enflasyon Farkı", "#,###.00"},
    {"MDVD_Yapildi", "TEXT(10)", "MDVD Yapildi", ""},
    {"MDVD_Tarih", "DATE", "MDVD Tarih", ""},
    {"VUK_Son_Degeri", "DOUBLE", "Kayıtlı Değeri", "#,###.00"},
    {"ROFM_Yontem", "TEXT(10)", "ROFM Yöntem", ""},
    {"ROFM_Tutar", "DOUBLE", "ROFM Tutar", "#,###.00"},
    {"ROFM_Duzeltilmis_Tutar", "DOUBLE", "ROFM_Düzeltilmiş Tutar", "#,###.00"},
    {"Amortisman_Farki", "DOUBLE", "Amort. Farkı", "#,###.00"},
    {"Hesaplama_Yontemi", "TEXT(15)", "Hesap Yöntemi", ""},
    {"Devir_Hizi_DB", "DOUBLE", "", "#,###.00"},
    {"Devir_Hizi_DS", "DOUBLE", "", "#,###.00"},
    {"Devir_Hizi_SMM", "DOUBLE", "", "#,###.00"},
    {"Devir_Hizi_Ne", "DOUBLE", "", "#,###.00"},
    {"Devir_Hizi_Sure", "SMALLINT", "", "#,###.00"},
    {"SBK_Diger", "TEXT(10)", "", ""},
    {"ROFM_Yi_Ufe_Artis", "DOUBLE", "", ""},
    {"ROFM_Ortalama_Faiz", "DOUBLE", "", ""},
    {"ROFM_Reel_Katsayi", "DOUBLE", "", ""},
    {"ROFM_Reel_Finansman", "DOUBLE", "", ""},
    {"ROFM_Reel_Duzeltilmis", "DOUBLE", "", ""},
    {"ROFM_Reel_Olmayan", "DOUBLE", "", ""},
    {"ROFM_Ayrilmis_Amort", "DOUBLE", "", ""},
    {"ROFM_Ayrilmamis_Amort", "DOUBLE", "", ""},
}};

QStringList itemColumnNames() {
    QStringList names;
    for (const ColumnDef& c : kItemColumns)
        names << QString::fromUtf8(c.name);
    return names;
}

const ColumnDef* itemColumn(const QString& name) {
    for (const ColumnDef& c : kItemColumns) {
        if (name.compare(QString::fromUtf8(c.name), Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

namespace {

void createTable(Database& db, const QString& table, const QStringList& columns) {
    db.exec(
        QStringLiteral("CREATE TABLE \"%1\" (\n  %2\n)").arg(table, columns.join(QStringLiteral(",\n  "))));
}

QStringList monthColumns(const QStringList& names, const QString& type) {
    QStringList columns;
    for (const QString& n : names)
        columns << n + QLatin1Char(' ') + type;
    return columns;
}

} // namespace

void createCompanySchema(Database& db) {
    QStringList columns;
    for (const ColumnDef& c : kItemColumns)
        columns << QStringLiteral("\"%1\" %2").arg(QString::fromUtf8(c.name), QString::fromUtf8(c.type));
    createTable(db, QStringLiteral("sabit_kiymet"), columns);
    db.exec(QStringLiteral("CREATE INDEX sabit_kiymet_hesap ON sabit_kiymet (anahesapkodu, sbk_kodu)"));
}

void createGeneralSchema(Database& db) {
    createTable(db, QStringLiteral("firmalar"),
                {"fid INTEGER PRIMARY KEY AUTOINCREMENT",
                 "kodu TEXT(30)",
                 "firmaadi TEXT(120)",
                 "calismayili SMALLINT",
                 "mdvd_yapildi TEXT(10)",
                 "mdvd_tarih DATE",
                 "oncekikodu TEXT(12)",
                 "adres TEXT(120)",
                 "ilce TEXT(50)",
                 "il TEXT(50)",
                 "mahalle TEXT(50)",
                 "sokak TEXT(50)",
                 "cadde TEXT(50)",
                 "sokak_no TEXT(15)",
                 "kapi_no TEXT(15)",
                 "posta TEXT(80)",
                 "tel1 TEXT(20)",
                 "tel2 TEXT(20)",
                 "tel3 TEXT(20)",
                 "fax TEXT(20)",
                 "vergino TEXT(11)",
                 "TCKimlik_no TEXT(12)",
                 "sskno TEXT(40)",
                 "mail TEXT(30)",
                 "web TEXT(30)",
                 "aciklama TEXT(30)",
                 "sorumlu1 TEXT(50)",
                 "sorumlu2 TEXT(50)",
                 "sorumlu3 TEXT(50)",
                 "bostext1 TEXT(50)",
                 "bostext2 TEXT(50)",
                 "bostext3 TEXT(50)",
                 "bostext4 TEXT(50)",
                 "bostext5 TEXT(50)",
                 "bostext6 TEXT(50)",
                 "bostext7 TEXT(50)",
                 "bostext8 TEXT(50)",
                 "bostext9 TEXT(50)",
                 "bostext10 TEXT(50)",
                 "vergidaire TEXT(100)",
                 "sorumlu1_unvan TEXT(50)",
                 "sorumlu2_unvan TEXT(50)",
                 "sorumlu3_unvan TEXT(50)"});
    createTable(db, QStringLiteral("sifreli"),
                {"sid INTEGER PRIMARY KEY AUTOINCREMENT", "kullanici TEXT(30)", "sifre TEXT(30)",
                 "adi TEXT(30)", "soyadi TEXT(30)", "firmaadi TEXT(50)", "firmaadres TEXT(100)",
                 "firmatel TEXT(20)", "firmafax TEXT(20)"});
    createTable(db, QStringLiteral("mast"), {"mids TEXT(16)"});
}

void createRatesSchema(Database& db) {
    createTable(db, QStringLiteral("YI_UFE"),
                QStringList{"Kimlik INTEGER PRIMARY KEY AUTOINCREMENT", "Yil SMALLINT"} +
                    monthColumns({"Ocak", "Subat", "Mart", "Nisan", "Mayis", "Agustos", "Haziran", "Temmuz",
                                  "Eylul", "Ekim", "Kasim", "Aralik"},
                                 QStringLiteral("DOUBLE")));
    createTable(db, QStringLiteral("YI_UFE_Yeni"),
                {"Kimlik INTEGER PRIMARY KEY AUTOINCREMENT", "YilAy INTEGER", "Yi_UFE DOUBLE"});
    db.exec(QStringLiteral("CREATE INDEX yi_ufe_yeni_yilay ON YI_UFE_Yeni (YilAy)"));
    QStringList tefe{"id INTEGER PRIMARY KEY AUTOINCREMENT", "Yil DOUBLE"};
    for (int m = 1; m <= 12; ++m)
        tefe << QStringLiteral("ay%1 DOUBLE").arg(m);
    createTable(db, QStringLiteral("TEFE"), tefe);
    createTable(db, QStringLiteral("Ortalama_Faiz"),
                QStringList{"Kimlik INTEGER PRIMARY KEY AUTOINCREMENT", "Yil SMALLINT"} +
                    monthColumns({"Ocak", "Subat", "Mart", "Nisan", "Mayis", "Haziran", "Temmuz", "Agustos",
                                  "Eylul", "Ekim", "Kasim", "Aralik", "Ortalama"},
                                 QStringLiteral("DOUBLE")));
    createTable(db, QStringLiteral("Amortisman_Oranlari"),
                {"Kimlik INTEGER PRIMARY KEY AUTOINCREMENT", "ana_kodu TEXT(3)", "alt1_kodu TEXT(6)",
                 "alt2_kodu TEXT(10)", "alt3_kodu TEXT(15)", "tum_kodu TEXT(20)", "aciklama LONGTEXT",
                 "omur_yil SMALLINT", "ilave_bilgi_notu TEXT(255)", "oran DOUBLE", "teblig SMALLINT"});
}

} // namespace velkor
