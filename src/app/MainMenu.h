#pragma once

#include "base/FormModel.h"

#include <vector>

namespace velkor {

class Program;

/// The main menu "TAnaMenuF": the current company (`Label2` code, `Label4` name), the
/// menu groups whose items open the other windows, "Firma Değiştir" and "KAPAT", and what
/// hiding the menu means (`FormHide`, driven by the entry window's `MenuHideMode`).
/// "Enflasyon Düzeltme Sil" and "Veritabanına Bakım Yap" work on the current company's
/// database.
class MainMenu {
public:
    /// A collapsible group of the menu: its caption and the names of its items.
    struct Group {
        QString caption;
        QStringList items;
    };

    explicit MainMenu(Program& program);

    FormModel& form() { return m_form; }
    /// The groups from top to bottom.
    static const std::vector<Group>& groups();

    /// Shows the entered company: its code in `Label2`, its name in `Label4` and the caption.
    void showCompany(const QString& code, const QString& name);
    /// Shows the legislation window on one of its three pages.
    void showLegislationPage(int page);
    /// "Katsayılar / Oranlar / Veriler".
    void EkIslemBarItems0Click();
    /// "Firma Bilgileri Guncelle": the registration window filled with the current company.
    void EkIslemBarItems1Click();
    /// "Firma Değiştir": the companies window instead of the menu.
    void EkIslemBarItems2Click();
    /// "Excelden Veri Aktarımı".
    void VeriAktarimBarItems0Click();
    /// "Enflasyon Düzeltmesi": the workspace.
    void GeneIslemBarItems0Click();
    /// "KAPAT": back to the entry window.
    void JvXPButton19Click();
    /// "Enflasyon Düzeltme Sil": every item of the company, after its backup.
    void AyarlarBarItems0Click();
    /// "Veritabanına Bakım Yap": compacts the company database.
    void AyarlarBarItems1Click();
    /// Runs whenever the menu is hidden.
    void FormHide();

private:
    Program& m_program;
    FormModel m_form;
};

} // namespace velkor
