#include "reports/JournalSheet.h"

#include "base/ShownError.h"
#include "base/TextHelpers.h"
#include "engine/AccountGroups.h"
#include "reports/ItemSelection.h"
#include "reports/JournalBuilder.h"
#include "reports/JournalLayout.h"
#include "reports/JournalSheetControls.h"
#include "reports/RichReport.h"

namespace velkor {

JournalSheet::JournalSheet(FormModel& form, Connection& company, std::function<QString()> companyName)
    : m_form(form), m_companyName(std::move(companyName)), m_query(company) {
    addControls(form);
    form.onClick(ctl::journal::YevmiyeBut, [this] { YevmiyeButClick(); });
    form.onChange(ctl::journal::YevmiyeCombo, [this] { YevmiyeButClick(); });
    form.onClick(ctl::journal::YevmiyeYazBut, [this] { YevmiyeYazButClick(); });
}

void JournalSheet::addControls(FormModel& form) {
    if (!form.has(ctl::journal::YevmiyeRich)) {
        form.addRich(ctl::journal::YevmiyeRich);
        const QString dashed = dateSeparator(35);
        form.setLines(ctl::journal::YevmiyeRich, {dashed, QString(), QString(), dashed});
        form.setReadOnly(ctl::journal::YevmiyeRich, true);
    }
    if (!form.has(ctl::journal::YevmiyeCombo)) {
        const QStringList items = journalFilterItems();
        form.addCombo(ctl::journal::YevmiyeCombo, items, items.first());
    }
    if (!form.has(ctl::journal::YevmiyeBut))
        form.addButton(ctl::journal::YevmiyeBut, QStringLiteral("Raporu Hazırla"));
    if (!form.has(ctl::journal::YevmiyeYazBut))
        form.addButton(ctl::journal::YevmiyeYazBut, QStringLiteral("Yevmiye Yazdır"));
}

void JournalSheet::YevmiyeButClick() {
    const QString filterText = m_form.text(ctl::journal::YevmiyeCombo);
    QStringList lines = journalHeader(m_companyName ? m_companyName() : QString(), filterText);
    m_form.setLines(ctl::journal::YevmiyeRich, lines);

    const AccountFilter filter = accountFilter(filterText, m_form.items(ctl::journal::YevmiyeCombo));
    m_query.close();
    m_query.setSql(itemRowSelectionSql(filter));
    m_query.setParams(filter.params);
    m_query.open();

    lines << journalBody(m_query);
    m_form.setLines(ctl::journal::YevmiyeRich, lines);
}

void JournalSheet::setPrinting(PrintService* service, std::function<CompanyHeading()> company) {
    m_printService = service;
    m_company = std::move(company);
}

void JournalSheet::YevmiyeYazButClick() {
    if (!m_printService)
        throw ShownError(QStringLiteral("Yazdırma hizmeti bulunamadı."));
    printTextBox(*m_printService, m_company ? m_company() : CompanyHeading{},
                 m_form.lines(ctl::journal::YevmiyeRich));
}

} // namespace velkor
