#pragma once

#include "app/AutoBackup.h"

#include <QDateTime>
#include <functional>

namespace velkor {

class Program;

/// The backup buttons of the companies window's lower panel and the automatic backups
/// of the close sequence: the dialogs, questions and messages around the operations of
/// `Backups`.
class BackupPanel : public AutoBackup {
public:
    explicit BackupPanel(Program& program);

    /// "Tüm Firmaların Yedeğini Al".
    void TumunuYedekle();
    /// "Firma Yedeği Al": the entered company's database into "Yedek/KOD_<time>.zip".
    void FirmaYedegiAl();
    /// "Tüm Firmaları Geri Yükle".
    void TumFirmalarGeriYukle();
    /// "Tek Firma Geri Yükle".
    void TekFirmaGeriYukle();
    /// "Otomatik Yedeklemeden Geri Yükle".
    void OtoYedekGeriYukle();

    void TumunuYedekleOto() override;
    void OtoYedekle() override;

    /// The clock of names and dates; tests set a fixed one.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    enum class RestoreKind { All, Daily, Company };
    void restore(RestoreKind kind);
    QString startFolder(const QString& stored) const;

    Program& m_program;
    std::function<QDateTime()> m_clock;
};

} // namespace velkor
