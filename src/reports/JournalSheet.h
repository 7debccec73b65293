#pragma once

#include "base/FormModel.h"
#include "reports/CompanyHeading.h"
#include "storage/Query.h"

#include <functional>

namespace velkor {

class PrintService;

/// The journal sheet ("Yevmiye") of the workspace: the filter `YevmiyeCombo`, the text
/// `YevmiyeRich` and the buttons `YevmiyeBut` and `YevmiyeYazBut` on the workspace's form
/// model, and the journal query over the company connection.
class JournalSheet {
public:
    /// Declares the sheet's controls on the form when it lacks them and binds pressing
    /// `YevmiyeBut` and changing `YevmiyeCombo` to YevmiyeButClick(). `companyName` gives
    /// the name the entry window shows for the entered company.
    JournalSheet(FormModel& form, Connection& company, std::function<QString()> companyName);

    /// Declares `YevmiyeRich` with its placeholder lines, `YevmiyeCombo` (first entry
    /// chosen), `YevmiyeBut` and `YevmiyeYazBut`.
    static void addControls(FormModel& form);

    /// Builds the journal of the rows the filter selects into `YevmiyeRich`. On a database
    /// error the text holds the five header lines and the error goes on to the caller.
    void YevmiyeButClick();

    /// Where "Yevmiye Yazdır" sends the journal and the company that heads it.
    void setPrinting(PrintService* service, std::function<CompanyHeading()> company);
    /// "Yevmiye Yazdır": `RichReport` with the lines of `YevmiyeRich` in its font.
    void YevmiyeYazButClick();

    /// The journal's selection: the columns of an `ItemRow` (open after a build).
    Query& journalQuery() { return m_query; }

private:
    FormModel& m_form;
    std::function<QString()> m_companyName;
    Query m_query;
    PrintService* m_printService = nullptr;
    std::function<CompanyHeading()> m_company;
};

} // namespace velkor
