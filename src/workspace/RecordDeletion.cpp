#include "workspace/RecordDeletion.h"

#include "backup/Backups.h"
#include "base/TextHelpers.h"
#include "storage/PeriodGuard.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"
#include "workspace/RecordDeletionControls.h"
#include "workspace/Workspace.h"

#include <vector>

namespace velkor {

namespace {

const QString kTitle = QStringLiteral("Velkor Enflasyon Düzeltme Programı");
const QString kLastWarning = QStringLiteral(
    "DİKKAT!!! SON UYARI!!! \n\r\n\rTÜM KAYITLARI SİLMEK ÜZERESİNİZ!\n\r\n\rİŞLEMİ KESMEK İSTERMİSİNİZ?");

double accountNumber(const QString& text) {
    try {
        return ParseAmount(text);
    } catch (const ConversionError&) {
        return 0.0;
    }
}

} // namespace

bool DeletionGroups::matches(double x) const {
    return (fixedAssets && x > 249 && x < 270) || (stocks && x > 149 && x < 160) ||
           (equity && x > 499 && x < 600);
}

RecordDeletion::RecordDeletion(Workspace& workspace, QObject* parent)
    : FormModel(QStringLiteral("KayitSil"), parent), m_workspace(workspace),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    addCheck(ctl::deletion::SabitSilCheck, false, QStringLiteral("Sabit Kıymetleri Sil"));
    addCheck(ctl::deletion::StokSilCheck, false, QStringLiteral("Stokları Sil"));
    addCheck(ctl::deletion::OzkaynakSilCheck, false, QStringLiteral("Özkaynakları Sil"));
    addCheck(ctl::deletion::TumunuSilCheck, false, QStringLiteral("Tümünü Sil"));
    addButton(ctl::deletion::KayitSilBut, QStringLiteral("Toplu Grup Kayıtları Sil"));
    onClick(ctl::deletion::KayitSilBut, [this] { KayitSilButClick(); });
}

DeletionGroups RecordDeletion::groups() const {
    return {isChecked(ctl::deletion::SabitSilCheck), isChecked(ctl::deletion::StokSilCheck),
            isChecked(ctl::deletion::OzkaynakSilCheck)};
}

QString RecordDeletion::companyCode() const {
    // The company whose file the connection points at: the one the main menu names after entry.
    return m_workspace.context().companyCode();
}

bool RecordDeletion::refusedForClosedPeriod() {
    m_workspace.context().company().ensureOpen();
    Database& db = m_workspace.context().company().database();
    if (!hasClosedPeriod(db))
        return false;
    m_workspace.context().prompt().showMessage(kClosedPeriodUseMessage, kTitle, PromptIcon::Warning);
    return true;
}

bool RecordDeletion::declinedForOpenPeriods() {
    m_workspace.context().company().ensureOpen();
    if (!hasOpenPeriod(m_workspace.context().company().database()))
        return false;
    return m_workspace.context().prompt().ask(kOpenPeriodDeletionQuestion, kTitle, PromptIcon::Question,
                                              Yes | No) != Yes;
}

bool RecordDeletion::KaytSil1Click() {
    Prompt& prompt = m_workspace.context().prompt();
    if (refusedForClosedPeriod())
        return false;
    if (prompt.ask(QStringLiteral("Kayıt silinsin mi?"), {}, PromptIcon::None, Yes | No) != Yes)
        return false;
    if (prompt.ask(QStringLiteral("Kayıt silinirse bir daha bu kayda ulaşamayacaksınız?Silme işlemini kesmek "
                                  "istermisiniz?"),
                   {}, PromptIcon::None, Yes | No) == Yes)
        return false;
    Query& list = m_workspace.SBKQuery();
    if (!list.isOpen() || list.isEmpty() || list.eof())
        return false;
    if (declinedForOpenPeriods())
        return false;
    const QVariant id = list.value(QStringLiteral("id"));
    Database& db = m_workspace.context().company().database();
    int changed = 0;
    {
        Transaction transaction(db);
        changed = db.execute(QStringLiteral("DELETE FROM sabit_kiymet WHERE id = ?"), {id});
        removeOpenPeriodLines(db, {id.toLongLong()});
        transaction.commit();
    }
    // The list keeps its SQL and thus its group filter.
    list.close();
    list.open();
    Table& table = m_workspace.SBKTable();
    if (table.isOpen())
        table.refresh();
    m_workspace.ToplamQuery().close();
    m_workspace.ToplamQuery().open();
    return changed > 0;
}

bool RecordDeletion::askBulk(const QString& first) {
    Prompt& prompt = m_workspace.context().prompt();
    if (prompt.ask(first, kTitle, PromptIcon::Question, Yes | No | Cancel) != Yes)
        return false;
    return prompt.ask(kLastWarning, kTitle, PromptIcon::Warning, Yes | No) != Yes;
}

bool RecordDeletion::backUp() {
    try {
        m_lastBackup = Backups(m_workspace.context()).backupCompany(companyCode(), m_clock());
        return true;
    } catch (const std::exception& e) {
        m_workspace.context().prompt().showMessage(
            QStringLiteral("Firma veritabanının yedeği alınamadığı için hiçbir kayıt silinmedi.\n\r") +
                QString::fromUtf8(e.what()),
            kTitle, PromptIcon::Error);
        return false;
    }
}

void RecordDeletion::closeLists() {
    m_workspace.SBKQuery().close();
    m_workspace.ToplamQuery().close();
    m_workspace.SBKTable().close();
}

int RecordDeletion::deleteAll() {
    Database& db = m_workspace.context().company().database();
    std::vector<qint64> ids;
    {
        Statement rows(db, QStringLiteral("SELECT id FROM sabit_kiymet ORDER BY id"));
        while (rows.step())
            ids.push_back(rows.value(0).toLongLong());
    }
    Transaction transaction(db);
    const int deleted = db.execute(QStringLiteral("DELETE FROM sabit_kiymet"));
    removeOpenPeriodLines(db, ids);
    transaction.commit();
    return deleted;
}

int RecordDeletion::KayitSil(const DeletionGroups& groups) {
    closeLists();
    m_workspace.Bosalt();
    Database& db = m_workspace.context().company().database();
    std::vector<qint64> ids;
    {
        Statement rows(db, QStringLiteral("SELECT id, anahesapkodu FROM sabit_kiymet ORDER BY id"));
        while (rows.step()) {
            if (groups.matches(accountNumber(rows.value(1).toString())))
                ids.push_back(rows.value(0).toLongLong());
        }
    }
    Transaction transaction(db);
    Statement remove(db, QStringLiteral("DELETE FROM sabit_kiymet WHERE id = ?"));
    for (const qint64 id : ids) {
        remove.reset();
        remove.bindAll({id});
        remove.run();
    }
    removeOpenPeriodLines(db, ids);
    transaction.commit();
    m_workspace.context().company().ensureOpen();
    if (m_workspace.SBKQuery().sqlLines().isEmpty())
        m_workspace.ListeYenile();
    else
        m_workspace.SBKQuery().open();
    m_workspace.SBKTable().open();
    return static_cast<int>(ids.size());
}

std::unique_ptr<CompanyLock> RecordDeletion::holdCompany(const QString& operation) {
    try {
        return m_workspace.context().companyLocks().exclusive(companyCode(), operation);
    } catch (const CompanyBusyError& e) {
        m_workspace.context().prompt().showMessage(e.message(), kTitle, PromptIcon::Warning);
        return nullptr;
    }
}

int RecordDeletion::KayitSilButClick() {
    if (refusedForClosedPeriod())
        return -1;
    if (!askBulk(
            QStringLiteral("Seçili enflasyon düzeltme değerleri silinecek!\n\r\n\rBu işlem sonrası kayıtlara "
                           "tekrar ulaşmanız\n\rmümkün olmayacaktır.\n\r\n\rDevam edilsinmi?")))
        return -1;
    if (declinedForOpenPeriods())
        return -1;
    // From the backup to the last deletion no other program saves into the company: its
    // save would be in neither the backup nor the company.
    const std::unique_ptr<CompanyLock> held = holdCompany(operations::kGroupDeletion);
    if (!held)
        return -1;
    if (!backUp())
        return -1;
    if (isChecked(ctl::deletion::TumunuSilCheck)) {
        closeLists();
        m_workspace.Bosalt();
        return deleteAll();
    }
    if (groups().any())
        return KayitSil(groups());
    return 0;
}

int RecordDeletion::EnflasyonDuzeltmeSil() {
    if (refusedForClosedPeriod())
        return -1;
    if (!askBulk(
            QStringLiteral("Bütün enflasyon düzeltme değerleri silinecek!\n\r\n\rBu işlem sonrası kayıtlara "
                           "tekrar ulaşmanız\n\rmümkün olmayacaktır.\n\r\n\rDevam edilsinmi?")))
        return -1;
    if (declinedForOpenPeriods())
        return -1;
    const std::unique_ptr<CompanyLock> held = holdCompany(operations::kReset);
    if (!held)
        return -1;
    closeLists();
    if (!backUp())
        return -1;
    return deleteAll();
}

} // namespace velkor
