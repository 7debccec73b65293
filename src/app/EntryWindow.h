#pragma once

#include "base/FormModel.h"

namespace velkor {

class Program;

/// The entry window "TGirisF": the company code and password, the gate to the company
/// work, to the companies and registration windows and to the password window, and the
/// close sequence that ends the program.
class EntryWindow {
public:
    explicit EntryWindow(Program& program);

    FormModel& form() { return m_form; }

    /// Reads the last entered company from Ayarlar.ini and enables the controls.
    void FormCreate();
    /// Reads `firmaedit` and `Label1` from Ayarlar.ini.
    void hafizadanoku();
    /// Writes `firmaedit` and `Label1` to Ayarlar.ini.
    void hafizayayaz();

    /// "FİRMA SEÇ": shows the companies window with a freshly read list.
    void FirmaSecButClick();
    /// "YENİ FİRMA EKLE": shows the registration window cleared for a new company.
    void YeniFirmaButClick();
    /// "DÜZELTME İŞLEMLERİNE GİR": enters the company of `firmaedit` after the password check;
    /// true when the main menu was shown.
    bool DuzeltmeButClick();
    /// After a company was created: puts it into the code and name fields and offers to enter
    /// it; "Evet" enters as the entry button does, password gate included.
    void offerNewCompany(const QString& code, const QString& name);
    /// "ŞİFRE GİRİŞ": opens the password window after the master password check.
    void JvXPButton3Click();
    /// "VERİ KLASÖRÜ" (an installed program only): chooses the folder of the data for the
    /// next start.
    void VeriKlasoruButClick();

    /// Asks whether to close the program; true when the user confirmed.
    bool FormCloseQuery();
    /// Closes the connections, runs the automatic backups that are due and ends the program.
    void FormClose();
    /// The close sequence: FormCloseQuery, then FormClose when confirmed. Returns whether
    /// the program ended.
    bool close();

    /// Wrong entries of the entry and master passwords together in this run.
    int WrongPasswordCount() const { return m_wrongPasswordCount; }
    /// What hiding the main menu means: 0 at start, 1 after entering, 2 after "Firma Değiştir".
    int MenuHideMode() const { return m_menuHideMode; }
    void setMenuHideMode(int mode) { m_menuHideMode = mode; }

private:
    QString settingsPath() const;
    /// Counts a wrong entry; past three in a run the program asks to close.
    void countWrongEntry();
    bool automaticBackupDue() const;

    Program& m_program;
    FormModel m_form;
    int m_wrongPasswordCount = 0;
    int m_menuHideMode = 0;
};

} // namespace velkor
