#pragma once

#include "backup/ArchiveRestore.h"

#include <QString>
#include <QStringList>

namespace velkor {

/// The companies of an installation that keeps them on an office server, for the backups
/// and restores: each is written into an archive as the same encrypted company file a file
/// installation writes, so that an archive restores into either kind of installation.
class ServerCompanyStore : public ServerCompanies {
public:
    /// The server of the installation's Ayarlar.ini; inactive for a file installation.
    explicit ServerCompanyStore(const QString& home);

    /// Whether the installation keeps companies on a server.
    bool active() const { return !m_conninfo.isEmpty(); }

    /// The sources a backup copies for the companies on the server, in the form
    /// `sunucu:SCHEMA/KOD.mdb` (the archive takes the part after the slash as its name).
    QStringList companySources() const;
    /// The source of one company on the server, or empty when the company is a file.
    QString companySource(const QString& code) const;
    /// The source of the office's registry (`Genel.mdb` in the archive).
    QString generalSource() const;
    /// Whether a backup's source is one of the server's.
    static bool isServerSource(const QString& source);
    /// Writes a server source into the new encrypted file `path`, from one snapshot.
    void copySource(const QString& source, const QString& path) const;

    bool holds(const QString& code) override;
    bool snapshot(const QString& code, const QString& path) override;
    void replace(const QString& code, const QString& path,
                 const std::function<void(const char*)>& hook) override;

private:
    QString m_home;
    QString m_conninfo;
};

} // namespace velkor
