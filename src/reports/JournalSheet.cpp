#include "reports/JournalSheet.h"

#include "base/ShownError.h"
#include "engine/AccountGroups.h"
#include "reports/ItemSelection.h"
#include "reports/JournalBuilder.h"
#include "reports/JournalLayout.h"
#include "reports/RichReport.h"

namespace velkor {

namespace {

const QString kRich = QStringLiteral("YevmiyeRich");
const QString kCombo = QStringLiteral("YevmiyeCombo");
const QString kBuildButton = QStringLiteral("YevmiyeBut");
const QString kPrintButton = QStringLiteral("YevmiyeYazBut");

} // namespace

JournalSheet::JournalSheet(FormModel& form, Connection& company, std::function<QString()> companyName)
    : m_form(form), m_companyName(std::move(companyName)), m_query(company) {
    addControls(form);
    form.onClick(kBuildButton, [this] { YevmiyeButClick(); });
    form.onChange(kCombo, [this] { YevmiyeButClick(); });
    form.onClick(kPrintButton, [this] { YevmiyeYazButClick(); });
}

void JournalSheet::addControls(FormModel& form) {
    if (!form.has(kRich)) {
        form.addRich(kRich);
        const QString dashed =
            QString(35, QLatin1Char('-')) + QStringLiteral("31/12/2023") + QString(35, QLatin1Char('-'));
        form.setLines(kRich, {dashed, QString(), QString(), dashed});
        form.setReadOnly(kRich, true);
    }
    if (!form.has(kCombo)) {
        const QStringList items = journalFilterItems();
        form.addCombo(kCombo, items, items.first());
    }
    if (!form.has(kBuildButton))
        form.addButton(kBuildButton, QStringLiteral("Raporu Hazırla"));
    if (!form.has(kPrintButton))
        form.addButton(kPrintButton, QStringLiteral("Yevmiye Yazdır"));
}

void JournalSheet::YevmiyeButClick() {
    const QString filterText = m_form.text(kCombo);
    QStringList lines = journalHeader(m_companyName ? m_companyName() : QString(), filterText);
    m_form.setLines(kRich, lines);

    const AccountFilter filter = accountFilter(filterText, m_form.items(kCombo));
    m_query.close();
    m_query.setSql(itemSelectionSql(filter));
    m_query.setParams(filter.params);
    m_query.open();

    lines << journalBody(m_query);
    m_form.setLines(kRich, lines);
}

void JournalSheet::setPrinting(PrintService* service, std::function<CompanyHeading()> company) {
    m_printService = service;
    m_company = std::move(company);
}

void JournalSheet::YevmiyeYazButClick() {
    if (!m_printService)
        throw ShownError(QStringLiteral("Yazdırma hizmeti bulunamadı."));
    printTextBox(*m_printService, m_company ? m_company() : CompanyHeading{}, m_form.lines(kRich));
}

} // namespace velkor
