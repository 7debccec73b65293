#include "storage/OfficeServer.h"

#include "base/ShownError.h"
#include "base/TextHelpers.h"
#include "storage/ConnectionStrings.h"
#include "storage/Installation.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeLayout.h"
#include "storage/PgConnection.h"
#include "storage/PgSchemaConnection.h"
#include "storage/Schema.h"
#include "storage/SchemaUpgrade.h"

namespace velkor {

namespace {

// The function that creates a company's schema as the owner, for members of the writer
// role. It takes only names of the form companySchema gives and makes the schema what the
// engine makes of an empty company: the template's tables with their keys, indexes, key
// counters and triggers, and the engine's catalog with its rows.
const char* const kAddCompanyFunction = R"SQL(
CREATE FUNCTION genel.firma_semasi_ekle(kod text, sema text) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $body$
DECLARE
  t record;
  c record;
  g record;
  s text;
BEGIN
  IF sema !~ '^firma_[a-z0-9_]{1,60}$' THEN
    RAISE EXCEPTION 'Geçersiz firma şeması: %', sema USING ERRCODE = '42602';
  END IF;
  EXECUTE format('CREATE SCHEMA %I', sema);
  FOR t IN SELECT k.oid, k.relname FROM pg_class k JOIN pg_namespace n ON n.oid = k.relnamespace
           WHERE n.nspname = 'sablon' AND k.relkind = 'r' ORDER BY k.oid LOOP
    EXECUTE format('CREATE TABLE %I.%I (LIKE sablon.%I INCLUDING ALL EXCLUDING DEFAULTS)',
                   sema, t.relname, t.relname);
    -- A key counter of its own, not the template's.
    FOR c IN SELECT a.attname FROM pg_attribute a WHERE a.attrelid = t.oid AND a.attnum > 0
             AND NOT a.attisdropped
             AND pg_get_serial_sequence(format('sablon.%I', t.relname), a.attname) IS NOT NULL LOOP
      s := format('%I.%I', sema, t.relname || '_' || c.attname || '_seq');
      EXECUTE format('CREATE SEQUENCE %s OWNED BY %I.%I.%I', s, sema, t.relname, c.attname);
      EXECUTE format('ALTER TABLE %I.%I ALTER COLUMN %I SET DEFAULT nextval(%L::regclass)',
                     sema, t.relname, c.attname, s);
    END LOOP;
    FOR g IN SELECT r.tgname, r.tgfoid::regprocedure AS fn FROM pg_trigger r
             WHERE r.tgrelid = t.oid AND NOT r.tgisinternal LOOP
      EXECUTE format('CREATE TRIGGER %I AFTER INSERT ON %I.%I REFERENCING NEW TABLE AS yeni '
                     'FOR EACH STATEMENT EXECUTE FUNCTION %s', g.tgname, sema, t.relname, g.fn);
    END LOOP;
    EXECUTE format('INSERT INTO %I.%I SELECT * FROM sablon.%I', sema, t.relname, t.relname);
    FOR c IN SELECT a.attname FROM pg_attribute a WHERE a.attrelid = t.oid AND a.attnum > 0
             AND NOT a.attisdropped
             AND pg_get_serial_sequence(format('sablon.%I', t.relname), a.attname) IS NOT NULL LOOP
      EXECUTE format('SELECT setval(pg_get_serial_sequence(%L, %L), max(%I)) FROM %I.%I '
                     'HAVING max(%I) IS NOT NULL', format('%I.%I', sema, t.relname), c.attname,
                     c.attname, sema, t.relname, c.attname);
    END LOOP;
  END LOOP;
  INSERT INTO genel.sunucu_firmalari (kodu, sema) VALUES (kod, sema);
END
$body$
)SQL";

// The function that drops a company's schema and its registration, as the owner, for the
// writers: a company deleted or moved into a file leaves nothing on the server.
const char* const kRemoveCompanyFunction = R"SQL(
CREATE FUNCTION genel.firma_semasi_sil(kod text) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $body$
DECLARE
  s text;
BEGIN
  SELECT f.sema INTO s FROM genel.sunucu_firmalari f WHERE f.kodu = kod;
  IF s IS NULL THEN
    RETURN;
  END IF;
  EXECUTE format('DROP SCHEMA IF EXISTS %I CASCADE', s);
  DELETE FROM genel.sunucu_firmalari WHERE kodu = kod;
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

// Creates a schema of the office as the engine creates every schema, so that the engine
// opens it, and builds in it what a new installation's file of the same job holds.
void buildOfficeSchema(PgConnection& admin, const QString& schema,
                       const std::function<void(Database&)>& build) {
    PgSchemaConnection::create(admin, schema);
    Database db(std::make_unique<PgSchemaConnection>(admin, schema));
    build(db);
}

} // namespace

OfficeRoles officeRoles(const QString& database) {
    return {database + QStringLiteral("_sahip"), database + QStringLiteral("_yazar"),
            database + QStringLiteral("_okur")};
}

void initOffice(PgConnection& admin) {
    const QString database = admin.scalar(QStringLiteral("SELECT current_database()")).toString();
    const OfficeRoles roles = officeRoles(database);
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
    // An office's companies are small beside the server's memory: read in index order, a list
    // sorted as an index is needs no sort of its own, and the planner chooses that order only
    // when a page read at random costs it about what a page read in turn does (1 against the
    // default 4, which prices disks that seek). Only the database's owner may set this.
    if (admin
            .scalar(QStringLiteral("SELECT pg_has_role(datdba, 'MEMBER') FROM pg_database WHERE datname = "
                                   "current_database()"))
            .toBool())
        admin.exec(QStringLiteral("ALTER DATABASE %1 SET random_page_cost = 1.1").arg(db));
    // Everything from here on belongs to the owner, and so does what the owner creates later.
    admin.exec(QStringLiteral("SET LOCAL ROLE %1").arg(owner));
    admin.exec(
        QStringLiteral("ALTER DEFAULT PRIVILEGES FOR ROLE %1 GRANT USAGE ON SCHEMAS TO %2, %3; "
                       "ALTER DEFAULT PRIVILEGES FOR ROLE %1 GRANT SELECT, INSERT, UPDATE, DELETE ON "
                       "TABLES TO %2; "
                       "ALTER DEFAULT PRIVILEGES FOR ROLE %1 GRANT USAGE, SELECT, UPDATE ON SEQUENCES TO %2; "
                       "ALTER DEFAULT PRIVILEGES FOR ROLE %1 GRANT SELECT ON TABLES TO %3; "
                       "ALTER DEFAULT PRIVILEGES FOR ROLE %1 REVOKE EXECUTE ON FUNCTIONS FROM PUBLIC")
            .arg(owner, writer, reader));
    // The registry and the template are made at their latest layout: the accountants'
    // roles may write rows but not change tables, so nothing is added to them on opening.
    buildOfficeSchema(admin, kGeneralSchema, [](Database& db) {
        buildGeneralDatabase(db);
        upgradeGeneralSchema(db);
    });
    buildOfficeSchema(admin, kRatesSchema, buildRatesDatabase);
    buildOfficeSchema(admin, office::kTemplateSchema, [](Database& db) {
        createCompanySchema(db);
        upgradeCompanySchema(db);
    });
    admin.exec(QStringLiteral(
        "CREATE TABLE genel.ofis (anahtar text PRIMARY KEY, deger text NOT NULL); "
        "CREATE TABLE genel.sunucu_firmalari (kodu text PRIMARY KEY, sema text NOT NULL UNIQUE)"));
    admin.execute(QStringLiteral("INSERT INTO genel.ofis (anahtar, deger) VALUES ($1, $2)"),
                  {office::kLayoutVersionKey, QString::number(office::kSchemaVersion)});
    admin.exec(QString::fromUtf8(kAddCompanyFunction));
    admin.exec(QString::fromUtf8(kRemoveCompanyFunction));
    admin.exec(QStringLiteral("GRANT EXECUTE ON FUNCTION genel.firma_semasi_ekle(text, text), "
                              "genel.firma_semasi_sil(text) TO %1")
                   .arg(writer));
    // The layout's version and the template are the owner's alone to change.
    admin.exec(QStringLiteral("REVOKE INSERT, UPDATE, DELETE ON genel.ofis, genel.sunucu_firmalari FROM %1; "
                              "REVOKE INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA sablon FROM %1")
                   .arg(writer));
    admin.exec(QStringLiteral("RESET ROLE"));
    transaction.commit();
}

void addCompanySchema(PgConnection& connection, const QString& code) {
    connection.query(QStringLiteral("SELECT genel.firma_semasi_ekle($1, $2)"), {code, companySchema(code)});
}

void removeCompanySchema(PgConnection& connection, const QString& code) {
    connection.query(QStringLiteral("SELECT genel.firma_semasi_sil($1)"), {code});
}

bool companyOnServer(PgConnection& connection, const QString& code) {
    return connection
               .scalar(QStringLiteral("SELECT count(*) FROM genel.sunucu_firmalari WHERE kodu = $1"), {code})
               .toLongLong() > 0;
}

QString officeConnInfo(const QString& home) {
    const QString service = officeService(home);
    return service.isEmpty() ? QString() : PgConnection::serviceConnInfo(service);
}

bool companyLivesOnServer(const QString& home, const QString& code) {
    const QString conninfo = officeConnInfo(home);
    return !conninfo.isEmpty() && companyOnServer(*connectToOffice(conninfo), code);
}

bool officeReadOnly(PgConnection& connection) {
    // A database the office is not set up in yet has no registry to be kept from.
    return connection
        .scalar(QStringLiteral(
            "SELECT coalesce(NOT has_table_privilege(to_regclass('genel.firmalar'), 'UPDATE'), false)"))
        .toBool();
}

bool readOnlyOffice(const QString& home) {
    const QString conninfo = officeConnInfo(home);
    // Asked before a command that writes, also of the setup commands that upgrade the layout.
    return !conninfo.isEmpty() &&
           officeReadOnly(
               *connectToOffice(conninfo, QProcessEnvironment::systemEnvironment(), LayoutCheck::Skipped));
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
    state.schemaVersion = connection
                              .scalar(QStringLiteral("SELECT deger FROM genel.ofis WHERE anahtar = $1"),
                                      {office::kLayoutVersionKey})
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
    if (const QString refusal = officeLayoutRefusal(state.schemaVersion); !refusal.isEmpty())
        lines << refusal;
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
