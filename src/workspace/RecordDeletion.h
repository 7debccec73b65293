#pragma once

#include "base/FormModel.h"
#include "storage/CompanyLock.h"

#include <QDateTime>
#include <functional>
#include <memory>

namespace velkor {

class Workspace;

/// The main-account groups of the tab "Kayıt Sil", tested on `ParseAmount(anahesapkodu)`
/// with strict bounds: 249 < x < 270, 149 < x < 160, 499 < x < 600.
struct DeletionGroups {
    bool fixedAssets = false;
    bool stocks = false;
    bool equity = false;

    bool any() const { return fixedAssets || stocks || equity; }
    /// Whether an item of the main account `x` is deleted.
    bool matches(double x) const;
};

/// Deleting items of the workspace: one item of the list from its context menu
/// ("Kayıt Sil"), items by group from the tab "Kayıt Sil" (the model of that tab), and
/// every item of the company ("Enflasyon Düzeltme Sil" of the main menu). A bulk
/// deletion first writes the company's backup archive in "Yedek"; when that fails
/// nothing is deleted. Every deletion runs in one transaction. While a later period is closed
/// nothing is deleted; while later periods are open, their lines of the deleted rows go too.
class RecordDeletion : public FormModel {
    Q_OBJECT

public:
    explicit RecordDeletion(Workspace& workspace, QObject* parent = nullptr);

    /// `KaytSil1Click`: deletes the list's current item after the two questions, then
    /// reopens the list with its filter. Returns whether a row was deleted.
    bool KaytSil1Click();
    /// `KayitSilButClick` ("Toplu Grup Kayıtları Sil"): the questions, the backup, then
    /// every item ("Tümünü Sil") or the ticked groups. Returns the rows deleted, or -1
    /// when it stopped before deleting. From the backup on, the company is held exclusively;
    /// when another program holds it, the user is told and nothing is deleted.
    int KayitSilButClick();
    /// "Enflasyon Düzeltme Sil": the questions, the backup, every item of the company, the
    /// company held exclusively as above. Returns the rows deleted, or -1 when it stopped
    /// before deleting.
    int EnflasyonDuzeltmeSil();

    /// The ticked groups of the tab.
    DeletionGroups groups() const;
    /// The archive the last bulk deletion wrote (empty before one).
    const QString& lastBackup() const { return m_lastBackup; }
    /// The clock of the archive names; tests set a fixed one.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    bool askBulk(const QString& first);
    /// Shows why nothing is deleted while a later period is closed; true then.
    bool refusedForClosedPeriod();
    /// Asks whether the open later periods lose the lines of the deleted rows too; true when
    /// the user declines.
    bool declinedForOpenPeriods();
    bool backUp();
    /// The company held exclusively for `operation`, or null (the user was told why).
    std::unique_ptr<CompanyLock> holdCompany(const QString& operation);
    void closeLists();
    int deleteAll();
    int KayitSil(const DeletionGroups& groups);
    QString companyCode() const;

    Workspace& m_workspace;
    QString m_lastBackup;
    std::function<QDateTime()> m_clock;
};

} // namespace velkor
