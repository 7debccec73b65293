#include "storage/ConnectionStrings.h"

#include "base/TextHelpers.h"

#include <QCryptographicHash>

namespace velkor {

namespace {

QString atStart(const QString& dataSource) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=") + dataSource +
           QStringLiteral(";Mode=Share Deny None;Jet OLEDB:System database=\"\";Jet OLEDB:Registry "
                          "Path=\"\";Jet OLEDB:Database Password=") +
           kDatabasePassword +
           QStringLiteral(";Jet OLEDB:Engine Type=5;Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global "
                          "Partial Bulk Ops=2;Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:New Database "
                          "Password=\"\";Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt "
                          "Database=False;Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:Compact "
                          "Without Replica Repair=False;Jet OLEDB:SFP=False;");
}

} // namespace

QString companyAtStartConnectionString() {
    return atStart(QStringLiteral("AnaData\\SBK.mdb"));
}

QString generalConnectionString() {
    QString s = companyAtStartConnectionString();
    s.replace(
        QStringLiteral("Data Source=AnaData\\SBK.mdb;Mode=Share Deny None;"),
        QStringLiteral("Data Source=AnaData\\Genel.mdb;Mode=Share Deny None;Persist Security Info=False;"));
    return s;
}

QString ratesConnectionString() {
    return atStart(QStringLiteral("AnaData\\Oranlar.mdb"));
}

QString CompanyConnectionString(const QString& code) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=Data/") + code +
           QStringLiteral(".mdb;Mode=Share Deny None;Extended Properties=\"\";Persist Security Info=False;") +
           QStringLiteral("Jet OLEDB:System database=\"\";Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database "
                          "Password=") +
           kDatabasePassword + QStringLiteral(";") +
           QStringLiteral(
               "Jet OLEDB:Engine Type=5;Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial "
               "Bulk Ops=2;") +
           QStringLiteral("Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:New Database Password=\"\";") +
           QStringLiteral("Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;") +
           QStringLiteral("Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:Compact Without Replica "
                          "Repair=False;Jet OLEDB:SFP=False");
}

QString companySchema(const QString& code) {
    const QString folded = TurkishLower(code).toLower();
    QString readable;
    for (const QChar c : folded) {
        if (readable.size() >= 24)
            break;
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        readable += plain ? c : QLatin1Char('_');
    }
    // The digest of the whole code keeps apart codes that differ only outside a-z and 0-9.
    const QByteArray digest =
        QCryptographicHash::hash(folded.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    return QStringLiteral("firma_%1_%2").arg(readable, QString::fromLatin1(digest));
}

QString serverConnectionString(const QString& conninfo, const QString& schema) {
    // A connection string's values end at ";" outside double quotes; libpq's own string
    // has neither.
    return QStringLiteral("Sunucu=\"%1\";Sema=\"%2\"").arg(conninfo, schema);
}

} // namespace velkor
