#include "registry/CompanyRegistry.h"

#include "base/NumberFormat.h"
#include "base/ShownError.h"
#include "base/StrictAmount.h"
#include "base/TextHelpers.h"
#include "registry/RegistrationFormControls.h"
#include "storage/CompanyFiles.h"
#include "storage/Installation.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"
#include "storage/Statement.h"

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

bool registryHasCode(AppContext& context, const QString& code) {
    context.general().ensureOpen();
    return context.general()
               .database()
               .scalar(QStringLiteral("SELECT count(*) FROM firmalar WHERE kodu = ?"), {code})
               .toInt() > 0;
}

QString caseTwinMessage(const QString& code, const QString& twin) {
    return QStringLiteral(
               "\"%1\" kodu, var olan \"%2\" firmasının koduyla yalnızca büyük/küçük harf bakımından "
               "ayrılıyor.\n\rFirma kodları büyük/küçük harf ayrımı olmadan benzersiz olmalıdır; "
               "başka bir kod girin.")
        .arg(code, twin);
}

// Copies byte for byte into a file that must not exist yet.
void copyFileAnew(const QString& from, const QString& to) {
    QFile source(from);
    QFile target(to);
    if (!source.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Dosya okunamadı: %1 (%2)").arg(from, source.errorString()));
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw DatabaseError(QStringLiteral("Dosya oluşturulamadı: %1 (%2)").arg(to, target.errorString()));
    bool written = true;
    while (written && !source.atEnd()) {
        const QByteArray chunk = source.read(1 << 16);
        written = !chunk.isEmpty() && target.write(chunk) == chunk.size();
    }
    if (!written || !target.flush() || source.error() != QFileDevice::NoError) {
        const QString reason = target.errorString();
        target.close();
        QFile::remove(to);
        throw DatabaseError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(to, reason));
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
    return companyCodeProblem(code);
}

void CompanyRegistry::yeniFirma() {
    for (const QString& name : m_form.fieldNames()) {
        if (m_form.kind(name) == FieldKind::Edit)
            m_form.setText(name, {});
    }
    m_form.setChecked(ctl::registration::KiymetliMadenCheck, false);
    m_form.setReadOnly(ctl::registration::KoduEdit, false);
}

CompanyRegistry::SaveResult CompanyRegistry::kaydetButClick() {
    SaveResult result = SaveResult::Nothing;
    if (recordNumber(m_form.text(ctl::registration::Sira_No_Edit)) > 0) {
        if (FirmaBilgileriGuncelle())
            result = SaveResult::Updated;
    } else if (!dosyaac()) {
        return result;
    } else if (recordNumber(m_form.text(ctl::registration::Sira_No_Edit)) > 0) {
        // Only a created row fills the record number; the refusals that end in read-only
        // mode leave it empty.
        result = SaveResult::Created;
    }
    m_form.setReadOnly(ctl::registration::KoduEdit, true);
    return result;
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
    if (refusedControlCharacters())
        return false;

    const QString home = m_context.home();
    const QString target = companyDatabasePath(home, code);
    const QString temporary = companyTemporaryPath(home, code);
    const QString templateFile = templateDatabase(home);
    if (!officeService(home).isEmpty())
        return createOnServer(code, name, target);
    if (!QFileInfo::exists(templateFile)) {
        prompt.showMessage(QStringLiteral("Firma oluşturulması için gerekli dosya bulunamadı!"));
        m_form.setReadOnly(ctl::registration::KoduEdit, true);
        return true;
    }
    if (QFileInfo::exists(target)) {
        return refuseTakenCode();
    }
    // Another file or row under the same code in other letter case would be a second file
    // in every backup, and no restore takes an archive with one name twice.
    if (const QString twin = caseTwinOf(code); !twin.isEmpty()) {
        prompt.showMessage(caseTwinMessage(code, twin), kTitle, PromptIcon::Warning);
        return false;
    }
    if (QFileInfo::exists(temporary)) {
        prompt.showMessage(QStringLiteral("Bu isimde bir firma şu anda başka bir program tarafından "
                                          "oluşturuluyor.\n\rBiraz sonra yeniden deneyin."));
        return false;
    }
    // A damaged template would give a company on which every save fails.
    if (const QString problem = companyDatabaseProblem(templateFile); !problem.isEmpty()) {
        prompt.showMessage(QStringLiteral("Firma oluşturulması için gerekli dosya bozuk!\n\r") + problem);
        return false;
    }

    openRegistrationRow();
    // Values are checked before the file is copied, so a refused value leaves nothing behind.
    try {
        for (const auto& [edit, column] : RegistrationForm::editColumns())
            m_registrationTable.setValue(column, m_form.text(edit));
        writeThreshold();
    } catch (...) {
        m_registrationTable.cancel();
        throw;
    }

    // The file is written under its temporary name, the row is stored, and only then the
    // file takes its place: a crash leaves either a temporary file without a row, which
    // start-up removes, or a row with its temporary file, which start-up moves into place.
    try {
        copyFileAnew(templateFile, temporary);
    } catch (...) {
        m_registrationTable.cancel();
        throw;
    }
    try {
        m_registrationTable.post();
    } catch (...) {
        m_registrationTable.cancel();
        QFile::remove(temporary);
        throw;
    }
    if (!QFile::rename(temporary, target)) {
        QFile::remove(temporary);
        m_registrationTable.remove();
        throw DatabaseError(QStringLiteral("Firma veritabanı oluşturulamadı: %1").arg(target));
    }
    m_form.setText(ctl::registration::Sira_No_Edit, m_registrationTable.text(QStringLiteral("fid")));

    m_context.PointCompanyConnection(code);

    if (m_companyEntered)
        m_companyEntered(code, name);
    if (m_listQuery.isOpen())
        reloadList();
    return true;
}

void CompanyRegistry::openRegistrationRow() {
    // The row of the number on the form when there is one, else a new row.
    m_context.general().ensureOpen();
    m_registrationTable.ensureOpen();
    const double fid = recordNumber(m_form.text(ctl::registration::Sira_No_Edit));
    if (fid > 0 && m_registrationTable.locate(QStringLiteral("fid"), fid))
        m_registrationTable.edit();
    else
        m_registrationTable.append();
}

bool CompanyRegistry::refuseTakenCode() {
    m_context.prompt().showMessage(
        QStringLiteral("Bu isimde kayıtlı firma mevcut!\n\rBu isimde firma oluşturmak için önce "
                       "kayıtlı\n\rFirmayı silin"));
    m_form.setReadOnly(ctl::registration::KoduEdit, true);
    return true;
}

bool CompanyRegistry::createOnServer(const QString& code, const QString& name, const QString& file) {
    Prompt& prompt = m_context.prompt();
    // An office's company is a schema of the server, or a file of the installation that
    // has not been moved there yet: either holds the code.
    if (QFileInfo::exists(file) || companyLivesOnServer(m_context.home(), code))
        return refuseTakenCode();
    if (const QString twin = caseTwinOf(code); !twin.isEmpty()) {
        prompt.showMessage(caseTwinMessage(code, twin), kTitle, PromptIcon::Warning);
        return false;
    }
    openRegistrationRow();
    postFormRow();
    // The row comes first: a program that dies before the schema is made leaves a company
    // without data, which opens with the server's message and is deleted as any other.
    try {
        addCompanySchema(*connectToOffice(officeConnInfo(m_context.home())), code);
    } catch (...) {
        m_registrationTable.remove();
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

bool CompanyRegistry::refusedControlCharacters() {
    for (const auto& [edit, column] : RegistrationForm::editColumns()) {
        if (hasControlCharacter(m_form.text(edit))) {
            m_context.prompt().showMessage(controlCharacterRefusal(m_form.label(edit)), kTitle,
                                           PromptIcon::Warning);
            return true;
        }
    }
    return false;
}

void CompanyRegistry::postFormRow() {
    try {
        for (const auto& [edit, column] : RegistrationForm::editColumns())
            m_registrationTable.setValue(column, m_form.text(edit));
        writeThreshold();
        m_registrationTable.post();
    } catch (...) {
        m_registrationTable.cancel();
        throw;
    }
}

bool CompanyRegistry::FirmaBilgileriGuncelle() {
    m_context.general().ensureOpen();
    m_registrationTable.ensureOpen();
    const double fid = recordNumber(m_form.text(ctl::registration::Sira_No_Edit));
    if (fid <= 0 || !m_registrationTable.locate(QStringLiteral("fid"), fid) || refusedControlCharacters())
        return false;
    m_registrationTable.edit();
    postFormRow();
    reloadList();
    return true;
}

void CompanyRegistry::writeThreshold() {
    const QString sales = m_form.text(ctl::registration::BrutSatis2023Edit).trimmed();
    QVariant value;
    if (!sales.isEmpty()) {
        const std::optional<double> amount = ParseStrictAmount(sales);
        if (!amount || *amount < 0)
            throw ShownError(QStringLiteral("\"2023 Brüt Satışlar\" alanına 0 veya daha büyük bir tutar "
                                            "yazınız: %1")
                                 .arg(sales));
        value = *amount;
    }
    m_registrationTable.setValue(QStringLiteral("brut_satis_2023"), value);
    m_registrationTable.setValue(QStringLiteral("kiymetli_maden"),
                                 m_form.isChecked(ctl::registration::KiymetliMadenCheck) ? 1 : 0);
}

void CompanyRegistry::fillForEditing() {
    m_form.setText(ctl::registration::Sira_No_Edit, m_registrationTable.text(QStringLiteral("fid")));
    for (const auto& [edit, column] : RegistrationForm::editColumns())
        m_form.setText(edit, m_registrationTable.text(column));
    const QVariant sales = m_registrationTable.value(QStringLiteral("brut_satis_2023"));
    m_form.setText(ctl::registration::BrutSatis2023Edit,
                   sales.isNull() ? QString() : FormatFloat(patterns::kAmount, sales.toDouble()));
    m_form.setChecked(ctl::registration::KiymetliMadenCheck,
                      m_registrationTable.value(QStringLiteral("kiymetli_maden")).toInt() != 0);
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
    const QString file =
        codeProblem(code).isEmpty() ? companyDatabasePath(m_context.home(), code) : QString();
    const bool onServer = !file.isEmpty() && companyLivesOnServer(m_context.home(), code);
    if (onServer || (!file.isEmpty() && QFileInfo::exists(file))) {
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
        if (onServer) {
            removeCompanySchema(*connectToOffice(officeConnInfo(m_context.home())), code);
        } else if (!QFile::remove(file)) {
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

bool CompanyRegistry::hasRow(const QString& code) {
    return registryHasCode(m_context, code);
}

void CompanyRegistry::recoverInterruptedCreations(AppContext& context) {
    const QString home = context.home();
    for (const QString& code : interruptedCompanyFileCodes(home)) {
        if (!codeProblem(code).isEmpty())
            continue;
        const QString temporary = companyTemporaryPath(home, code);
        const QString target = companyDatabasePath(home, code);
        if (!QFileInfo::exists(target) && registryHasCode(context, code))
            QFile::rename(temporary, target);
        else
            QFile::remove(temporary);
    }
}

QStringList CompanyRegistry::filesWithoutRow() {
    QStringList codes;
    for (const QString& code : companyFileCodes(m_context.home())) {
        if (!hasRow(code))
            codes << code;
    }
    return codes;
}

QStringList CompanyRegistry::rowsWithoutFile() {
    m_context.general().ensureOpen();
    QStringList codes;
    // The companies an office keeps on its server have no file.
    std::unique_ptr<PgConnection> server;
    if (const QString conninfo = officeConnInfo(m_context.home()); !conninfo.isEmpty())
        server = connectToOffice(conninfo);
    Statement rows(m_context.general().database(), QStringLiteral("SELECT kodu FROM firmalar ORDER BY fid"));
    while (rows.step()) {
        const QString code = rows.value(0).toString();
        if (!codeProblem(code).isEmpty() ||
            (!QFileInfo(companyDatabasePath(m_context.home(), code)).isFile() &&
             !(server && companyOnServer(*server, code))))
            codes << code;
    }
    return codes;
}

QStringList CompanyRegistry::knownCodes() {
    m_context.general().ensureOpen();
    QStringList codes;
    Statement rows(m_context.general().database(), QStringLiteral("SELECT kodu FROM firmalar ORDER BY fid"));
    while (rows.step())
        codes << rows.value(0).toString();
    codes << companyFileCodes(m_context.home());
    codes.removeDuplicates();
    return codes;
}

QString CompanyRegistry::caseTwinOf(const QString& code) {
    for (const QString& known : knownCodes()) {
        if (known != code && sameCompanyCode(known, code))
            return known;
    }
    return {};
}

std::vector<std::pair<QString, QString>> CompanyRegistry::caseTwins() {
    const QStringList codes = knownCodes();
    std::vector<std::pair<QString, QString>> twins;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        for (qsizetype j = i + 1; j < codes.size(); ++j) {
            if (sameCompanyCode(codes.at(i), codes.at(j)))
                twins.emplace_back(codes.at(i), codes.at(j));
        }
    }
    return twins;
}

QString CompanyRegistry::unregisteredFile(const QString& code, const QString& registeredMessage) {
    Prompt& prompt = m_context.prompt();
    if (const QString problem = codeProblem(code); !problem.isEmpty()) {
        prompt.showMessage(problem, kTitle, PromptIcon::Warning);
        return {};
    }
    const QString file = companyDatabasePath(m_context.home(), code);
    if (!QFileInfo(file).isFile()) {
        prompt.showMessage(QStringLiteral("Firma dosyası bulunamadı: %1").arg(file));
        return {};
    }
    if (hasRow(code)) {
        prompt.showMessage(registeredMessage.arg(code));
        return {};
    }
    return file;
}

bool CompanyRegistry::adoptFile() {
    Prompt& prompt = m_context.prompt();
    const QString code = m_form.text(ctl::registration::KoduEdit);
    if (code.isEmpty() || m_form.text(ctl::registration::FirmaAdiEdit).isEmpty()) {
        prompt.showMessage(code.isEmpty() ? QStringLiteral("Firma kodunu boş geçemezsiniz.")
                                          : QStringLiteral("Firma adını boş geçemezsiniz."),
                           kTitle, PromptIcon::Question);
        return false;
    }
    const QString file = unregisteredFile(code, QStringLiteral("Bu firma zaten kayıtlı: %1"));
    if (file.isEmpty())
        return false;
    if (const QString twin = caseTwinOf(code); !twin.isEmpty()) {
        prompt.showMessage(caseTwinMessage(code, twin), kTitle, PromptIcon::Warning);
        return false;
    }
    if (refusedControlCharacters())
        return false;
    if (const QString problem = companyDatabaseProblem(file); !problem.isEmpty()) {
        prompt.showMessage(QStringLiteral("Firma dosyası kullanılamaz!\n\r") + problem);
        return false;
    }
    m_registrationTable.ensureOpen();
    m_registrationTable.append();
    postFormRow();
    m_form.setText(ctl::registration::Sira_No_Edit, m_registrationTable.text(QStringLiteral("fid")));
    m_form.setReadOnly(ctl::registration::KoduEdit, true);
    if (m_listQuery.isOpen())
        reloadList();
    return true;
}

bool CompanyRegistry::discardFile(const QString& code) {
    Prompt& prompt = m_context.prompt();
    const QString file = unregisteredFile(
        code, QStringLiteral("Bu firma kayıtlı; kayıtlı bir firma firma silme ile silinir: %1"));
    if (file.isEmpty())
        return false;
    if (prompt.ask(QStringLiteral("Kayıtsız firma dosyası silinecektir:\n\r%1\n\rEminmisiniz?").arg(file),
                   kTitle, PromptIcon::Question, PromptButton::Yes | PromptButton::No) != PromptButton::Yes)
        return false;
    if (m_context.companyCode() == code)
        m_context.company().close();
    if (!QFile::remove(file)) {
        prompt.showMessage(QStringLiteral("Firma Silinemiyor!!!"));
        return false;
    }
    return true;
}

void CompanyRegistry::reloadList() {
    m_listQuery.close();
    m_listQuery.setSql(kListSql);
    m_context.general().ensureOpen();
    m_listQuery.open();
}

} // namespace velkor
