#include "storage/Installation.h"

#include "storage/ConnectionStrings.h"
#include "storage/DataFolder.h"
#include "storage/ProgramLayout.h"
#include "storage/ReferenceData.h"
#include "storage/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace velkor {

namespace {

QString g_folder;

QString withSeparator(QString folder) {
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        throw DatabaseError(QStringLiteral("Klasör oluşturulamadı: %1").arg(path));
}

} // namespace

QString GetPathPath() {
    if (!g_folder.isEmpty())
        return g_folder;
    // An installed program's own folder belongs to the system; the data are the user's.
    if (programLayout().installed())
        return withSeparator(userDataFolder());
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (!programFolder.isEmpty() && QFileInfo(programFolder).isWritable())
        return withSeparator(programFolder);
    // A system-wide installation keeps its data in the user's data folder.
    return withSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QStringList sharedDatabaseFiles(const QString& folder) {
    const QString home = withSeparator(folder);
    return {home + QStringLiteral("AnaData/SBK.mdb"), home + QStringLiteral("AnaData/Genel.mdb"),
            home + QStringLiteral("AnaData/Oranlar.mdb")};
}

bool isNewInstallation(const QString& folder) {
    QStringList files = sharedDatabaseFiles(folder);
    files << withSeparator(folder) + QStringLiteral("SBK.mdb");
    return std::none_of(files.begin(), files.end(), [](const QString& f) { return QFileInfo::exists(f); });
}

void requireInstallation(const QString& folder) {
    for (const QString& file : sharedDatabaseFiles(folder)) {
        if (!QFileInfo(file).isFile())
            throw ShownError(
                QStringLiteral("Veritabanı dosyası bulunamadı: %1\n\rKurulum eksik; hiçbir dosya "
                               "oluşturulmadı.")
                    .arg(file));
    }
}

void setInstallationFolder(const QString& folder) {
    g_folder = folder.isEmpty() ? QString() : withSeparator(folder);
}

void createDatabaseFile(const QString& path, const std::function<void(Database&)>& build) {
    const QString temporary = path + QStringLiteral(".yeni");
    QFile::remove(temporary);
    try {
        Database::create(temporary, kDatabasePassword);
        {
            Database db(temporary, kDatabasePassword);
            build(db);
        }
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        throw DatabaseError(QStringLiteral("Dosya yazılamadı: %1").arg(path));
    }
}

QString templateDatabase(const QString& folder) {
    const QString shipped = shippedFile(QStringLiteral("SBK.mdb"));
    return shipped.isEmpty() ? withSeparator(folder) + QStringLiteral("SBK.mdb") : shipped;
}

void ensureInstallation(const QString& folder) {
    const QString home = withSeparator(folder);
    makeFolder(home);
    makeFolder(home + QStringLiteral("AnaData"));
    makeFolder(home + QStringLiteral("Data"));
    makeFolder(home + QStringLiteral("Yedek"));

    const auto ensure = [](const QString& path, const std::function<void(Database&)>& build) {
        if (!QFileInfo::exists(path))
            createDatabaseFile(path, build);
    };
    // An installed program copies new companies from the template it ships.
    if (!programLayout().installed())
        ensure(home + QStringLiteral("SBK.mdb"), createCompanySchema);
    ensure(home + QStringLiteral("AnaData/SBK.mdb"), createCompanySchema);
    ensure(home + QStringLiteral("AnaData/Genel.mdb"), buildGeneralDatabase);
    ensure(home + QStringLiteral("AnaData/Oranlar.mdb"), buildRatesDatabase);
}

void buildGeneralDatabase(Database& db) {
    createGeneralSchema(db);
    db.execute(QStringLiteral("INSERT INTO mast (mids) VALUES (?)"), {QStringLiteral("mirtan")});
}

void buildRatesDatabase(Database& db) {
    createRatesSchema(db);
    fillReferenceData(db);
}

} // namespace velkor
