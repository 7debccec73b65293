#pragma once

#include "base/FormModel.h"
#include "storage/Table.h"

namespace velkor {

class Program;

/// The password window "TsifreF": the entry password (`sifreli`.`sifre`, first row) and
/// the master password (`mast`.`mids`) edited in `Sifre` and `Master` and stored by
/// "SAKLA"; unsaved edits are dropped when the window is hidden or left.
class PasswordWindow {
public:
    explicit PasswordWindow(Program& program);

    FormModel& form() { return m_form; }
    /// The table `sifreli` on the general connection.
    Table& entryPasswords() { return m_sifreli; }
    /// The table `mast` on the general connection.
    Table& masterPasswords() { return m_mast; }

    /// Opens the general connection and both tables when closed.
    void openTables();
    /// Whether the typed text lets the user in: no stored password, the same text, or
    /// the stored password "1".
    bool entryPasswordAccepts(const QString& typed);
    /// Whether the typed text opens the password window: no master password, or the same text.
    bool masterPasswordAccepts(const QString& typed);

    /// Shows the window on the first row of each table.
    void open();
    /// "SAKLA": writes the changed values, says which, clears the edits and hides the window.
    void JvXPButton7Click();
    /// Drops unsaved edits of both tables (hiding or leaving the window).
    void discardEdits();

private:
    void startEditing(Table& table, const QString& column, const QString& value);
    void showStoredValues();

    Program& m_program;
    FormModel m_form;
    Table m_sifreli;
    Table m_mast;
};

} // namespace velkor
