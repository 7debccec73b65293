#include "storage/OfficeLayout.h"

#include "base/ShownError.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "storage/PgIndexes.h"
#include "storage/PgSchemaConnection.h"
#include "storage/SchemaUpgrade.h"

namespace velkor {

namespace {

bool holdsOffice(PgConnection& connection) {
    return connection.scalar(QStringLiteral("SELECT to_regclass('genel.ofis') IS NOT NULL")).toBool();
}

// What was done to one schema of the office; empty when it was in shape.
QStringList upgradeSchema(PgConnection& admin, const QString& schema) {
    auto engine = std::make_unique<PgSchemaConnection>(admin, schema);
    PgSchemaConnection& connection = *engine;
    Database db(std::move(engine));
    QStringList done;
    if (companySchemaVersion(db) < kCompanySchemaVersion) {
        upgradeCompanySchema(db);
        done << QStringLiteral("sonraki dönemlerin tabloları eklendi");
    }
    const QStringList indexes = renewIndexes(connection);
    if (!indexes.isEmpty())
        done << QStringLiteral("dizinler yenilendi (%1)").arg(indexes.join(QStringLiteral(", ")));
    return done;
}

} // namespace

int officeLayoutVersion(PgConnection& connection) {
    if (!holdsOffice(connection))
        return 0;
    return connection
        .scalar(QStringLiteral("SELECT deger FROM genel.ofis WHERE anahtar = $1"),
                {office::kLayoutVersionKey})
        .toInt();
}

QString officeLayoutRefusal(int version) {
    if (version == 0 || version == office::kSchemaVersion)
        return {};
    if (version < office::kSchemaVersion)
        return QStringLiteral("Büro veritabanının düzeni bu programın kullandığından eski (veritabanı: %1, "
                              "program: %2). Yöneticiniz veritabanını \"velkor-cli server init\" ile "
                              "güncellemelidir; firmaların kayıtları değişmez.")
            .arg(version)
            .arg(office::kSchemaVersion);
    return QStringLiteral("Büro veritabanı programın bu sürümünden daha yeni bir sürümle düzenlenmiş "
                          "(veritabanı: %1, program: %2). Bu program o veritabanında çalışamaz; programı "
                          "güncelleyiniz.")
        .arg(version)
        .arg(office::kSchemaVersion);
}

void requireOfficeLayout(PgConnection& connection) {
    const QString refusal = officeLayoutRefusal(officeLayoutVersion(connection));
    if (!refusal.isEmpty())
        throw ShownError(refusal);
}

QStringList upgradeOffice(PgConnection& admin) {
    PgTransaction transaction(admin);
    if (!holdsOffice(admin))
        throw ShownError(QStringLiteral("Bu veritabanında büro kurulu değil; güncellenecek bir düzen yok."));
    // The version row stays held until the upgrade ends: a second administrator's waits and
    // then finds the office at the layout.
    const int version =
        admin
            .scalar(QStringLiteral("SELECT deger FROM genel.ofis WHERE anahtar = $1 FOR UPDATE"),
                    {office::kLayoutVersionKey})
            .toInt();
    if (version > office::kSchemaVersion)
        throw ShownError(officeLayoutRefusal(version));
    if (version == office::kSchemaVersion)
        return {};
    const QString database = admin.scalar(QStringLiteral("SELECT current_database()")).toString();
    const OfficeRoles roles = officeRoles(database);
    // What is added belongs to the owner and is granted as the owner's default privileges say.
    admin.exec(QStringLiteral("SET LOCAL ROLE %1").arg(admin.quoteIdentifier(roles.owner)));
    QStringList lines;
    const auto note = [&lines](const QString& what, const QStringList& done) {
        if (!done.isEmpty())
            lines << QStringLiteral("%1: %2.").arg(what, done.join(QStringLiteral("; ")));
    };
    note(QStringLiteral("Boş firma şablonu"), upgradeSchema(admin, office::kTemplateSchema));
    const PgResult companies = admin.query(QStringLiteral(
        "SELECT f.kodu, f.sema FROM genel.sunucu_firmalari f JOIN pg_namespace n ON n.nspname = "
        "f.sema ORDER BY f.kodu"));
    for (int row = 0; row < companies.rowCount(); ++row)
        note(QStringLiteral("%1 firması").arg(companies.value(row, 0).toString()),
             upgradeSchema(admin, companies.value(row, 1).toString()));
    {
        Database general(std::make_unique<PgSchemaConnection>(admin, kGeneralSchema));
        const bool complete =
            hasColumn(general, QStringLiteral("firmalar"), QStringLiteral("brut_satis_2023")) &&
            hasColumn(general, QStringLiteral("firmalar"), QStringLiteral("kiymetli_maden"));
        upgradeGeneralSchema(general);
        if (!complete)
            lines << QStringLiteral(
                "Firma listesi: sonraki dönemlerin firma bilgileri için sütunlar eklendi.");
    }
    // The template stays the owner's alone to change, also in the tables it gained.
    admin.exec(QStringLiteral("REVOKE INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA %1 FROM %2")
                   .arg(admin.quoteIdentifier(office::kTemplateSchema), admin.quoteIdentifier(roles.writer)));
    admin.execute(QStringLiteral("UPDATE genel.ofis SET deger = $1 WHERE anahtar = $2"),
                  {QString::number(office::kSchemaVersion), office::kLayoutVersionKey});
    admin.exec(QStringLiteral("RESET ROLE"));
    transaction.commit();
    lines.prepend(QStringLiteral("Büro veritabanının düzeni %1. sürümden %2. sürüme güncellendi.")
                      .arg(version)
                      .arg(office::kSchemaVersion));
    return lines;
}

} // namespace velkor
