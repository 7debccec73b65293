#include "storage/OfficeServer.h"

#include "base/ShownError.h"
#include "base/TextHelpers.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/PgConnection.h"
#include "storage/PgSchema.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

namespace velkor {

namespace {

const QString kVersionKey = QStringLiteral("sema_surumu");

// The function that creates a company's schema as the owner, for members of the writer
// role. It takes only names of the form companySchemaName gives and copies the template's
// tables with their keys, identities and indexes.
const char* const kAddCompanyFunction = R"SQL(
CREATE FUNCTION genel.firma_semasi_ekle(kod text, sema text) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $body$
DECLARE
  t record;
BEGIN
  IF sema !~ '^firma_[a-z0-9_]{1,60}$' THEN
    RAISE EXCEPTION 'Geçersiz firma şeması: %', sema USING ERRCODE = '42602';
  END IF;
  EXECUTE format('CREATE SCHEMA %I', sema);
  FOR t IN SELECT c.relname FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace
           WHERE n.nspname = 'sablon' AND c.relkind = 'r' ORDER BY c.oid LOOP
    EXECUTE format('CREATE TABLE %I.%I (LIKE sablon.%I INCLUDING ALL)', sema, t.relname, t.relname);
  END LOOP;
  INSERT INTO genel.sunucu_firmalari (kodu, sema) VALUES (kod, sema);
END
$body$
)SQL";

bool roleExists(PgConnection& admin, const QString& role) {
    return admin.scalar(QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname = $1"), {role})
               .toLongLong() > 0;
}

void requireEmpty(PgConnection& admin) {
    const qint64 schemas =
        admin
            .scalar(QStringLiteral(
                "SELECT count(*) FROM pg_namespace WHERE nspname NOT LIKE 'pg\\_%' AND nspname "
                "NOT IN ('public', 'information_schema')"))
            .toLongLong();
    const qint64 tables =
        admin
            .scalar(QStringLiteral(
                "SELECT count(*) FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
                "WHERE n.nspname = 'public'"))
            .toLongLong();
    if (schemas > 0 || tables > 0)
        throw ShownError(QStringLiteral("Veritabanı boş değil; büro sunucusu yalnızca boş bir veritabanına "
                                        "kurulur. Yeni bir veritabanı oluşturup tekrar deneyiniz."));
}

// Builds the files of a new installation, whose content the office starts with.
void copyInstallationFile(PgConnection& admin, const QString& path, const QString& schema) {
    Database file(path, kDatabasePassword);
    admin.exec(QStringLiteral("CREATE SCHEMA ") + admin.quoteIdentifier(schema));
    for (const QString& statement : pgTableStatements(file, schema, admin))
        admin.exec(statement);
    copyRowsToServer(file, admin, schema);
}

} // namespace

OfficeRoles officeRoles(const QString& database) {
    return {database + QStringLiteral("_sahip"), database + QStringLiteral("_yazar"),
            database + QStringLiteral("_okur")};
}

QString companySchemaName(const QString& code) {
    const QString folded = TurkishLower(code).toLower();
    QString readable;
    for (const QChar c : folded) {
        if (readable.size() >= 24)
            break;
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        readable += plain ? c : QLatin1Char('_');
    }
    const QByteArray digest =
        QCryptographicHash::hash(folded.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return QStringLiteral("firma_%1_%2").arg(readable, QString::fromLatin1(digest));
}

void initOffice(PgConnection& admin) {
    const QString database = admin.scalar(QStringLiteral("SELECT current_database()")).toString();
    const OfficeRoles roles = officeRoles(database);
    QTemporaryDir folder;
    if (!folder.isValid())
        throw ShownError(QStringLiteral("Geçici klasör oluşturulamadı: %1").arg(folder.errorString()));
    ensureInstallation(folder.path());
    const QString files = folder.path() + QStringLiteral("/AnaData/");

    PgTransaction transaction(admin);
    requireEmpty(admin);
    for (const QString& role : {roles.owner, roles.writer, roles.reader}) {
        if (!roleExists(admin, role))
            admin.exec(QStringLiteral("CREATE ROLE %1 NOLOGIN").arg(admin.quoteIdentifier(role)));
    }
    const QString owner = admin.quoteIdentifier(roles.owner);
    const QString writer = admin.quoteIdentifier(roles.writer);
    const QString reader = admin.quoteIdentifier(roles.reader);
    const QString db = admin.quoteIdentifier(database);
    // Nobody but the office's roles reaches the database, and only the owner creates in it.
    admin.exec(
        QStringLiteral("REVOKE ALL ON DATABASE %1 FROM PUBLIC; REVOKE ALL ON SCHEMA public FROM PUBLIC; "
                       "GRANT CONNECT, CREATE ON DATABASE %1 TO %2; GRANT CONNECT ON DATABASE %1 TO %3, %4; "
                       "GRANT %2 TO CURRENT_USER")
            .arg(db, owner, writer, reader));
    // Everything from here on belongs to the owner, and so does what the owner creates later.
    admin.exec(QStringLiteral("SET LOCAL ROLE %1").arg(owner));
    admin.exec(QStringLiteral("ALTER DEFAULT PRIVILEGES FOR ROLE %1 GRANT USAGE ON SCHEMAS TO %2, %3; "
                              "ALTER DEFAULT PRIVILEGES FOR ROLE %1 GRANT SELECT, INSERT, UPDATE, DELETE ON "
                              "TABLES TO %2; "
                              "ALTER DEFAULT PRIVILEGES FOR ROLE %1 GRANT USAGE, SELECT ON SEQUENCES TO %2; "
                              "ALTER DEFAULT PRIVILEGES FOR ROLE %1 GRANT SELECT ON TABLES TO %3; "
                              "ALTER DEFAULT PRIVILEGES FOR ROLE %1 REVOKE EXECUTE ON FUNCTIONS FROM PUBLIC")
                   .arg(owner, writer, reader));
    copyInstallationFile(admin, files + QStringLiteral("Genel.mdb"), office::kGeneralSchema);
    copyInstallationFile(admin, files + QStringLiteral("Oranlar.mdb"), office::kRatesSchema);
    copyInstallationFile(admin, files + QStringLiteral("SBK.mdb"), office::kTemplateSchema);
    admin.exec(QStringLiteral(
        "CREATE TABLE genel.ofis (anahtar text PRIMARY KEY, deger text NOT NULL); "
        "CREATE TABLE genel.sunucu_firmalari (kodu text PRIMARY KEY, sema text NOT NULL UNIQUE)"));
    admin.execute(QStringLiteral("INSERT INTO genel.ofis (anahtar, deger) VALUES ($1, $2)"),
                  {kVersionKey, QString::number(office::kSchemaVersion)});
    admin.exec(QString::fromUtf8(kAddCompanyFunction));
    admin.exec(
        QStringLiteral("GRANT EXECUTE ON FUNCTION genel.firma_semasi_ekle(text, text) TO %1").arg(writer));
    // The layout's version and the template are the owner's alone to change.
    admin.exec(QStringLiteral("REVOKE INSERT, UPDATE, DELETE ON genel.ofis, genel.sunucu_firmalari FROM %1; "
                              "REVOKE INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA sablon FROM %1")
                   .arg(writer));
    admin.exec(QStringLiteral("RESET ROLE"));
    transaction.commit();
}

void addCompanySchema(PgConnection& connection, const QString& code) {
    connection.query(QStringLiteral("SELECT genel.firma_semasi_ekle($1, $2)"),
                     {code, companySchemaName(code)});
}

OfficeState inspectOffice(PgConnection& connection) {
    OfficeState state;
    state.serverVersion = connection.serverVersion();
    state.tls = connection.usesTls();
    if (state.tls) {
        const PgResult ssl = connection.query(
            QStringLiteral("SELECT version, cipher FROM pg_stat_ssl WHERE pid = pg_backend_pid()"));
        if (ssl.rowCount() == 1)
            state.tlsDetail = ssl.value(0, 0).toString() + QLatin1Char(' ') + ssl.value(0, 1).toString();
    }
    if (!connection.scalar(QStringLiteral("SELECT to_regclass('genel.ofis')")).isValid())
        return state;
    state.schemaVersion =
        connection.scalar(QStringLiteral("SELECT deger FROM genel.ofis WHERE anahtar = $1"), {kVersionKey})
            .toInt();
    const PgResult companies =
        connection.query(QStringLiteral("SELECT f.kodu, n.oid IS NOT NULL FROM genel.sunucu_firmalari f "
                                        "LEFT JOIN pg_namespace n ON n.nspname = f.sema ORDER BY f.kodu"));
    for (int row = 0; row < companies.rowCount(); ++row)
        (companies.value(row, 1).toBool() ? state.companies : state.missing)
            << companies.value(row, 0).toString();
    return state;
}

QStringList officeReport(const OfficeState& state) {
    QStringList lines;
    lines << QStringLiteral("Sunucu sürümü: %1.%2")
                 .arg(state.serverVersion / 10000)
                 .arg(state.serverVersion % 10000);
    lines << (state.tls ? QStringLiteral("Bağlantı: şifreli (%1)").arg(state.tlsDetail)
                        : QStringLiteral("Bağlantı: şifresiz (yalnızca bu bilgisayardaki sunucu için)"));
    if (state.schemaVersion == 0) {
        lines << QStringLiteral("Büro veritabanı kurulmamış: \"velkor-cli server init\" ile kurunuz.");
        return lines;
    }
    lines << QStringLiteral("Veritabanı düzeni sürümü: %1 (program: %2)")
                 .arg(state.schemaVersion)
                 .arg(office::kSchemaVersion);
    lines << QStringLiteral("Firmalar (%1): %2")
                 .arg(state.companies.size())
                 .arg(state.companies.isEmpty() ? QStringLiteral("yok")
                                                : state.companies.join(QStringLiteral(", ")));
    if (!state.missing.isEmpty())
        lines << QStringLiteral("Şeması bulunamayan firmalar: %1")
                     .arg(state.missing.join(QStringLiteral(", ")));
    return lines;
}

} // namespace velkor
