#include "registry/CompanyRegistry.h"

#include "base/TextHelpers.h"
#include "registry/RegistrationFormControls.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace velkor {

namespace {

const QString kTitle = QStringLiteral("Velkor Enflasyon Düzeltmesi Programı");

const QStringList kListSql = {QStringLiteral("Select fid, kodu, firmaadi, adres, "),
                              QStringLiteral("ilce, il, mahalle, sokak, sokak_no,"),
                              QStringLiteral("kapi_no, posta, tel1, tel2, tel3  "),
                              QStringLiteral("FROM firmalar")};

double recordNumber(const QString& text) {
    try {
        return ParseAmount(text);
    } catch (const ConversionError&) {
        return 0;
    }
}

} // namespace

CompanyRegistry::CompanyRegistry(AppContext& context)
    : m_context(context), m_registrationTable(context.general(), QStringLiteral("firmalar")),
      m_entryTable(context.general(), QStringLiteral("firmalar")), m_listQuery(context.general()) {
    m_listQuery.setSql(kListSql);
    context.registerForm(&m_form);
    m_form.onClick(ctl::registration::kaydetBut, [this] { kaydetButClick(); });
    m_form.onClick(ctl::registration::yeniButton, [this] { yeniFirma(); });
}

QString CompanyRegistry::codeProblem(const QString& code) {
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("Firma kodunu boş geçemezsiniz.");
    if (code.size() > 30)
        return QStringLiteral("Firma kodu en fazla 30 karakter olabilir.");
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1F]"));
    if (code.contains(forbidden) || code.contains(QStringLiteral("..")))
        return QStringLiteral("Firma kodu dosya adı olarak kullanılamaz: \\ / : * ? \" < > | karakterleri, "
                              "kontrol karakterleri ve \"..\" firma kodunda bulunamaz.");
    if (code != trimmed || code.endsWith(QLatin1Char('.')))
        return QStringLiteral("Firma kodu boşlukla başlayıp bitemez ve nokta ile bitemez.");
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(code).hasMatch())
        return QStringLiteral("\"%1\" sistemin ayrılmış bir dosya adıdır; firma kodu olarak kullanılamaz.")
            .arg(code);
    return {};
}

void CompanyRegistry::yeniFirma() {
    for (const QString& name : m_form.fieldNames()) {
        if (m_form.kind(name) == FieldKind::Edit)
            m_form.setText(name, {});
    }
    m_form.setReadOnly(ctl::registration::KoduEdit, false);
}

void CompanyRegistry::kaydetButClick() {
    if (recordNumber(m_form.text(ctl::registration::Sira_No_Edit)) > 0) {
        FirmaBilgileriGuncelle();
    } else if (!dosyaac()) {
        return;
    }
    m_form.setReadOnly(ctl::registration::KoduEdit, true);
}

bool CompanyRegistry::dosyaac() {
    Prompt& prompt = m_context.prompt();
    const QString code = m_form.text(ctl::registration::KoduEdit);
    const QString name = m_form.text(ctl::registration::FirmaAdiEdit);
    if (code.isEmpty()) {
        prompt.showMessage(QStringLiteral("Firma kodunu boş geçemezsiniz."), kTitle, PromptIcon::Question);
        return false;
    }
    if (name.isEmpty()) {
        prompt.showMessage(QStringLiteral("Firma adını boş geçemezsiniz."), kTitle, PromptIcon::Question);
        return false;
    }
    // The code names the database file: refuse what could write outside Data/.
    if (const QString problem = codeProblem(code); !problem.isEmpty()) {
        prompt.showMessage(problem, kTitle, PromptIcon::Warning);
        return false;
    }

    const QString home = m_context.home();
    const QString target = home + QStringLiteral("Data/") + code + QStringLiteral(".mdb");
    const QString templateFile = home + QStringLiteral("SBK.mdb");
    if (!QFileInfo::exists(templateFile)) {
        prompt.showMessage(QStringLiteral("Firma oluşturulması için gerekli dosya bulunamadı!"));
        m_form.setReadOnly(ctl::registration::KoduEdit, true);
        return true;
    }
    if (QFileInfo::exists(target)) {
        prompt.showMessage(
            QStringLiteral("Bu isimde kayıtlı firma mevcut!\n\rBu isimde firma oluşturmak için önce "
                           "kayıtlı\n\rFirmayı silin"));
        m_form.setReadOnly(ctl::registration::KoduEdit, true);
        return true;
    }

    m_context.general().ensureOpen();
    m_registrationTable.ensureOpen();
    const double fid = recordNumber(m_form.text(ctl::registration::Sira_No_Edit));
    if (fid > 0 && m_registrationTable.locate(QStringLiteral("fid"), fid))
        m_registrationTable.edit();
    else
        m_registrationTable.append();
    // Values are checked before the file is copied, so a refused value leaves nothing behind.
    try {
        for (const auto& [edit, column] : RegistrationForm::editColumns())
            m_registrationTable.setValue(column, m_form.text(edit));
    } catch (...) {
        m_registrationTable.cancel();
        throw;
    }

    const QString temporary = target + QStringLiteral(".yeni");
    QFile::remove(temporary);
    if (!QFile::copy(templateFile, temporary) || !QFile::rename(temporary, target)) {
        QFile::remove(temporary);
        m_registrationTable.cancel();
        throw DatabaseError(QStringLiteral("Firma veritabanı oluşturulamadı: %1").arg(target));
    }
    try {
        m_registrationTable.post();
    } catch (...) {
        m_registrationTable.cancel();
        QFile::remove(target);
        throw;
    }
    m_form.setText(ctl::registration::Sira_No_Edit, m_registrationTable.text(QStringLiteral("fid")));

    m_context.PointCompanyConnection(code);

    if (m_companyEntered)
        m_companyEntered(code, name);
    if (m_listQuery.isOpen())
        reloadList();
    return true;
}

void CompanyRegistry::FirmaBilgileriGuncelle() {
    m_context.general().ensureOpen();
    m_registrationTable.ensureOpen();
    const double fid = recordNumber(m_form.text(ctl::registration::Sira_No_Edit));
    if (fid <= 0 || !m_registrationTable.locate(QStringLiteral("fid"), fid))
        return;
    m_registrationTable.edit();
    try {
        for (const auto& [edit, column] : RegistrationForm::editColumns())
            m_registrationTable.setValue(column, m_form.text(edit));
        m_registrationTable.post();
    } catch (...) {
        m_registrationTable.cancel();
        throw;
    }
    reloadList();
}

void CompanyRegistry::fillForEditing() {
    m_form.setText(ctl::registration::Sira_No_Edit, m_registrationTable.text(QStringLiteral("fid")));
    for (const auto& [edit, column] : RegistrationForm::editColumns())
        m_form.setText(edit, m_registrationTable.text(column));
    m_form.setReadOnly(ctl::registration::KoduEdit, true);
}

bool CompanyRegistry::FirmaSilButClick() {
    m_context.general().ensureOpen();
    m_listQuery.ensureOpen();
    if (m_listQuery.isEmpty())
        return false;
    return FirmaSil(m_listQuery.value(QStringLiteral("fid")).toLongLong());
}

bool CompanyRegistry::FirmaSil(qint64 fid) {
    Prompt& prompt = m_context.prompt();
    m_context.general().ensureOpen();
    // Read the table again so that companies created since it opened are found.
    if (m_entryTable.isOpen() && m_entryTable.state() == Table::State::Browse)
        m_entryTable.close();
    m_entryTable.ensureOpen();
    if (!m_entryTable.locate(QStringLiteral("fid"), fid))
        return false;
    if (prompt.ask(QStringLiteral("Firma silinecektir. Eminmisiniz?"), kTitle, PromptIcon::Question,
                   PromptButton::Yes | PromptButton::No) != PromptButton::Yes)
        return false;
    if (m_entryTable.state() == Table::State::Insert) {
        m_entryTable.cancel();
        return false;
    }
    m_context.company().close();

    const QString code = m_entryTable.text(QStringLiteral("kodu"));
    // A stored code that is not a plain file name never names a file to delete.
    const QString file = codeProblem(code).isEmpty()
                             ? m_context.home() + QStringLiteral("Data/") + code + QStringLiteral(".mdb")
                             : QString();
    if (!file.isEmpty() && QFileInfo::exists(file)) {
        if (prompt.ask(
                QStringLiteral("Bu firmayı silmeniz halinde girmiş olduğunuz\n\rbilgiler de silinecektir. "
                               "İşlemi kesmek istermisiniz?"),
                kTitle, PromptIcon::Question, PromptButton::Yes | PromptButton::No) == PromptButton::Yes)
            return false;
        if (prompt.ask(QStringLiteral("Bu işlem sonunda bu firma dosyalarına\n\rbir daha ulaşmanız mümkün "
                                      "olmayacaktır. İşleme devam etmek istiyormusunuz?"),
                       kTitle, PromptIcon::Question,
                       PromptButton::Yes | PromptButton::No) != PromptButton::Yes)
            return false;
        if (!QFile::remove(file)) {
            prompt.showMessage(QStringLiteral("Firma Silinemiyor!!!"));
            return false;
        }
    }
    m_entryTable.remove();
    if (m_registrationTable.isOpen() && m_registrationTable.state() == Table::State::Browse)
        m_registrationTable.refresh();
    reloadList();
    return true;
}

void CompanyRegistry::reloadList() {
    m_listQuery.close();
    m_listQuery.setSql(kListSql);
    m_context.general().ensureOpen();
    m_listQuery.open();
}

} // namespace velkor
