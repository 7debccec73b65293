#pragma once

#include "base/FormModel.h"

#include <memory>

namespace velkor {

class BackupPanel;
class Program;

/// The companies window "TGirisRF": the list of registered companies (the registry's
/// `FirmaListeQuery`), picking and deleting a company, and the lower panel with the
/// automatic backup settings kept in Yedekler.dan. The backup buttons get their
/// handlers from the backup subsystem.
class CompaniesWindow {
public:
    explicit CompaniesWindow(Program& program);
    ~CompaniesWindow();

    FormModel& form() { return m_form; }

    /// Loads the automatic backup settings from Yedekler.dan.
    void FormCreate();
    /// Picks the list's current company for the entry window and returns to it.
    void FirmaSecButClick();
    /// Deletes the list's current company after its questions.
    void FirmaSilButClick();
    /// "Sunucu / Dosya Taşı": moves the list's current company between a file of this
    /// installation and the office server, after asking.
    void FirmaTasiButClick();
    /// Returns to the entry window.
    void KapatButClick();
    /// "Oto.Yed.Ayarlarını Sakla": writes the automatic backup settings and says so.
    void OtoYedekAdresSaklaButClick();
    /// Writes the automatic backup settings to Yedekler.dan (also when the folder dialog closes).
    void storeBackupSettings();
    /// "Otomatik Yedek Adresini Bul": chooses the automatic backup folder.
    void OtoYedekAdresBulButClick();

    /// The backup and restore buttons of the lower panel; also the close sequence's backups.
    BackupPanel& backups() { return *m_backups; }

    /// The path of Yedekler.dan.
    QString settingsPath() const;

private:
    Program& m_program;
    FormModel m_form;
    std::unique_ptr<BackupPanel> m_backups;
};

} // namespace velkor
