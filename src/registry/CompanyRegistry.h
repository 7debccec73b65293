#pragma once

#include "registry/RegistrationForm.h"
#include "storage/AppContext.h"
#include "storage/Query.h"
#include "storage/Table.h"

#include <functional>
#include <utility>
#include <vector>

namespace velkor {

/// The company registry: the registration form and its algorithms (create, update),
/// the companies list query and the deletion of a company with its database file.
/// Messages and questions go through the context's prompt.
class CompanyRegistry {
public:
    /// Registers the registration form in the context as "TFirmaKayitF".
    explicit CompanyRegistry(AppContext& context);

    RegistrationForm& form() { return m_form; }
    /// The registration window's `FirmaTakip` (table `firmalar`).
    Table& registrationTable() { return m_registrationTable; }
    /// The entry window's `FirmaTakip` (table `firmalar`), used to locate and delete.
    Table& entryTable() { return m_entryTable; }
    /// `FirmaListeQuery` of the companies window (engine order, not sorted).
    Query& listQuery() { return m_listQuery; }

    /// What "SAKLA" did, for the window to confirm it.
    enum class SaveResult { Nothing, Created, Updated };

    /// Clears every edit and makes `KoduEdit` editable ("YENİ FİRMA").
    void yeniFirma();
    /// "SAKLA": updates when `Sira_No_Edit` holds a number greater than 0, else creates.
    SaveResult kaydetButClick();
    /// Creates a company from the form; false when a check stopped it (message shown).
    bool dosyaac();
    /// Updates the company whose `fid` is in `Sira_No_Edit`; false when there is no such row.
    bool FirmaBilgileriGuncelle();
    /// Copies the current row of the registration table into the edits for editing.
    void fillForEditing();
    /// Deletes the company of the list query's current row after its questions; true
    /// when the registry row was deleted.
    bool FirmaSilButClick();
    /// Deletes the company with that `fid` after its questions (the list's row).
    bool FirmaSil(qint64 fid);

    /// Finishes or undoes company creations that a crash interrupted: a temporary company
    /// file whose code has a registry row takes its place, one without a row is removed.
    /// Runs at start-up, before any company is opened.
    static void recoverInterruptedCreations(AppContext& context);
    /// Whether a registry row holds exactly this code.
    bool hasRow(const QString& code);
    /// The codes of company database files in Data/ that no registry row names.
    QStringList filesWithoutRow();
    /// The registry codes whose database file is missing or cannot be named.
    QStringList rowsWithoutFile();
    /// A code of a registry row or of a file in Data/ that names the same company as
    /// `code` without being written the same ("abc" for "ABC"), or empty.
    QString caseTwinOf(const QString& code);
    /// The pairs of codes among the registry rows and the files in Data/ that differ only in
    /// case; an installation of an earlier release may hold them, and its backups do not restore.
    std::vector<std::pair<QString, QString>> caseTwins();
    /// Registers the existing database file of the code in `KoduEdit`, which no row names,
    /// with the details in the form ("company adopt"); false when a check stopped it
    /// (message shown). The file is checked to be a sound company database first.
    bool adoptFile();
    /// Deletes the database file of a code that no registry row names, after asking;
    /// true when the file was deleted.
    bool discardFile(const QString& code);

    /// Checks a company code for use as a file name; empty when valid, else the message.
    static QString codeProblem(const QString& code);
    /// Reopens the companies list with its four SQL lines.
    void reloadList();

    /// Called with the code and name of a company just created, once the company
    /// connection points at it; the program shows the company in its captions.
    using CompanyEntered = std::function<void(const QString& code, const QString& name)>;
    void setCompanyEntered(CompanyEntered handler) { m_companyEntered = std::move(handler); }

private:
    /// The database file of a code that has a file in Data/ but no registry row; empty,
    /// with its message shown, when the code is unusable, the file is missing or the code
    /// is registered (then `registeredMessage` with the code).
    /// The codes of every registry row and every file in Data/, each once.
    QStringList knownCodes();
    QString unregisteredFile(const QString& code, const QString& registeredMessage);
    /// "SAKLA" of a new company in an office on the server: the registry row, then the
    /// company's schema made from the template; `file` is the code's file in Data/.
    bool createOnServer(const QString& code, const QString& name, const QString& file);
    /// Tells the user the code is taken and locks the code field; true as a handled save.
    bool refuseTakenCode();
    /// Opens the registry and puts its table on the form's row, or on a new one, for editing.
    void openRegistrationRow();
    /// Shows the refusal and gives true when an edit holds a line break or another control
    /// character, which would break the companies list and the printed headers.
    bool refusedControlCharacters();
    /// Writes the form's fields into the row being edited or appended and stores it; a
    /// refused value or write cancels the row.
    void postFormRow();
    /// Writes "2023 Brüt Satışlar" (empty: null) and "Kıymetli maden ticareti (298/A-9)" into
    /// the row; a text that is no amount is refused with a ShownError.
    void writeThreshold();
    AppContext& m_context;
    RegistrationForm m_form;
    Table m_registrationTable;
    Table m_entryTable;
    Query m_listQuery;
    CompanyEntered m_companyEntered;
};

} // namespace velkor
