#pragma once

#include "backup/Backups.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/Statement.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace velkor::test {

/// The SHA-256 of a file's bytes (empty when it cannot be read).
inline QByteArray sha256(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

/// An installation with two companies holding a few items, and helpers that take the
/// whole content of the databases for comparison.
class BackupTest : public ::testing::Test {
protected:
    BackupTest() : backups(home.context()) {
        home.addCompany(QStringLiteral("AAA"), QStringLiteral("Birinci A.Ş."));
        addItem(QStringLiteral("AAA"), QStringLiteral("253"), QStringLiteral("Tezgah"));
        addItem(QStringLiteral("AAA"), QStringLiteral("153"), QStringLiteral("Mal"));
        home.addCompany(QStringLiteral("BBB"), QStringLiteral("İkinci Ltd."));
        addItem(QStringLiteral("BBB"), QStringLiteral("500"), QStringLiteral("Sermaye"));
    }

    QString data(const QString& code) const { return home.home() + QStringLiteral("Data/") + code + ".mdb"; }
    QString general() const { return home.home() + QStringLiteral("AnaData/Genel.mdb"); }

    void addItem(const QString& code, const QString& account, const QString& name) {
        Database db(data(code), kDatabasePassword);
        db.execute(
            QStringLiteral("INSERT INTO sabit_kiymet (anahesapkodu, sbk_kodu, sbk_adi, VUK_Son_Degeri) "
                           "VALUES (?, '01', ?, 1234.5)"),
            {account, name});
    }

    /// Every row and column of every table of a database, as text lines.
    static QStringList dump(const QString& path) {
        Database db(path, kDatabasePassword);
        QStringList lines;
        Statement tables(db,
                         QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"));
        QStringList names;
        while (tables.step())
            names << tables.value(0).toString();
        for (const QString& table : names) {
            Statement rows(db, QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(table));
            while (rows.step()) {
                QStringList cells{table};
                for (int i = 0; i < rows.columnCount(); ++i)
                    cells << rows.value(i).toString();
                lines << cells.join(QLatin1Char('|'));
            }
        }
        return lines;
    }

    /// The content of every database of the installation, by file.
    QMap<QString, QStringList> everything() const {
        QMap<QString, QStringList> all;
        for (const QString& path : backups.companyDatabases())
            all[QFileInfo(path).fileName()] = dump(path);
        all[QStringLiteral("Genel.mdb")] = dump(general());
        return all;
    }

    static QByteArray fileHash(const QString& path) { return sha256(path); }

    /// The bytes of every file of Data and AnaData.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> all;
        for (const QString& folder : {QStringLiteral("Data"), QStringLiteral("AnaData")})
            for (const QFileInfo& info : QDir(home.home() + folder).entryInfoList(QDir::Files))
                all[folder + '/' + info.fileName()] = fileHash(info.absoluteFilePath());
        return all;
    }

    void closeConnections() {
        home.context().company().close();
        home.context().general().close();
        home.context().rates().close();
    }

    TempHome home;
    Backups backups;
};

} // namespace velkor::test
