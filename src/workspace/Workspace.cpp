#include "workspace/Workspace.h"

#include "reports/AccountTotals.h"
#include "reports/JournalSheet.h"
#include "reports/ReportSheet.h"
#include "reports/RichReport.h"
#include "spreadsheet/WorkbookHandOver.h"

#include "base/ErrorReport.h"
#include "base/NumberFormat.h"
#include "base/ShownError.h"
#include "base/TextHelpers.h"
#include "engine/AccountGroups.h"
#include "engine/EquitySheet.h"
#include "engine/EquitySheetControls.h"
#include "engine/FixedAssetSheet.h"
#include "engine/FixedAssetSheetControls.h"
#include "engine/StockSheet.h"
#include "engine/StockSheetControls.h"
#include "engine/WorkspaceStateControls.h"
#include "periods/PeriodSheet.h"
#include "storage/DatasetSearch.h"
#include "vouchers/TransferSheet.h"
#include "workspace/ReadingLogin.h"
#include "workspace/RecordDeletion.h"

#include <algorithm>

namespace velkor {

namespace {

const QString kRow = QStringLiteral("anahesapkodu");
const QString kBasePeriodName = QStringLiteral("31.12.2023");

double accountValue(const QString& text) {
    try {
        return ParseAmount(text);
    } catch (const ConversionError&) {
        return 0.0;
    }
}

bool isStockAccount(double n) {
    static const QList<int> singles{110, 280, 294, 340, 350, 380, 381, 440, 480, 126, 226, 326, 426};
    return (n > 149 && n < 181) || (n > 239 && n < 247) || (n > 270 && n < 279) ||
           (n == static_cast<int>(n) && singles.contains(static_cast<int>(n)));
}

} // namespace

ItemRoute routeOfAccount(const QString& mainAccount) {
    const double n = accountValue(mainAccount);
    static const QStringList closing{QStringLiteral("178"), QStringLiteral("358"), QStringLiteral("257"),
                                     QStringLiteral("268")};
    if (closing.contains(mainAccount) || n >= 600)
        return {};
    ItemRoute route{true, ItemSheet::None};
    if (n > 249 && n < 269 && n != 257 && n != 268)
        route.sheet = ItemSheet::FixedAsset;
    else if (isStockAccount(n))
        route.sheet = ItemSheet::Stock;
    else if ((n > 499 && n < 522) || (n > 524 && n < 570))
        route.sheet = ItemSheet::Equity;
    return route;
}

Workspace::Workspace(AppContext& context)
    : m_context(context), m_index(context.rates()), m_interest(context.rates()),
      m_sbkTable(context.company(), QStringLiteral("sabit_kiymet")), m_sbkQuery(context.company()),
      m_toplamQuery(context.company()) {
    m_toplamQuery.setSql(accountTotalsSql());
    m_fixed = std::make_unique<FixedAssetSheet>(context, m_state, m_index, m_interest, m_sbkTable);
    m_stock = std::make_unique<StockSheet>(context, m_state, m_index, m_interest, m_sbkTable);
    m_equity = std::make_unique<EquitySheet>(context, m_state, m_index, m_interest, m_sbkTable);
    m_reports = std::make_unique<ReportSheet>(m_state, context.company(), &m_toplamQuery);
    m_reports->setEditTable(&m_sbkTable);
    m_journal = std::make_unique<JournalSheet>(m_state, context.company(),
                                               [this] { return m_state.text(ctl::workspace::Label4); });
    m_reports->setWorkbookOutput(&context.prompt(), openWithDesktop);
    setPrintService(nullptr);
    m_transfer = std::make_unique<TransferSheet>(context);
    m_deletion = std::make_unique<RecordDeletion>(*this);
    m_period = std::make_unique<PeriodSheet>(context, m_index);
    m_period->setTransferOptions(m_transfer.get());
    m_period->setPrinting(nullptr, [this] { return companyHeading(); });
    m_state.addCombo(ctl::workspace::DuzeltmeDonemiCombo, {kBasePeriodName}, kBasePeriodName,
                     QStringLiteral("Düzeltme Dönemi"));
    m_state.onChange(ctl::workspace::DuzeltmeDonemiCombo,
                     [this] { choosePeriod(m_state.text(ctl::workspace::DuzeltmeDonemiCombo)); });

    m_state.setWorkspace(this);
    m_state.setItemListRefresher([this] {
        if (m_sbkQuery.sqlLines().isEmpty())
            ListeYenile();
        else
            m_sbkQuery.refresh();
        m_toplamQuery.close();
        m_toplamQuery.open();
    });
    m_state.onChange(ctl::workspace::SBK_Ana_Combo, [this] { ListeYenile(); });
    m_state.onClick(ctl::workspace::AramaYap, [this] { AramaYapClick(); });
    m_fixed->onClick(ctl::fixedasset::YeniBut, [this] { Bosalt(); });
    m_stock->onClick(ctl::stock::YeniButS, [this] { Bosalt(); });
    m_equity->onClick(ctl::equity::YeniButO, [this] { Bosalt(); });
    const std::vector<std::tuple<FormModel*, QString, QString>> printButtons{
        {m_fixed.get(), ctl::fixedasset::YazSBKBut, ctl::fixedasset::SBKRich},
        {m_stock.get(), ctl::stock::DigerYazBut, ctl::stock::DigerRich},
        {m_equity.get(), ctl::equity::OzkaynakYazBut, ctl::equity::OzkaynakRich},
    };
    for (const auto& [sheet, button, text] : printButtons) {
        sheet->onClick(button, [this, sheet = sheet, text = text] {
            if (!m_printService)
                throw ShownError(QStringLiteral("Yazdırma hizmeti bulunamadı."));
            printTextBox(*m_printService, companyHeading(), sheet->lines(text));
        });
    }
    context.registerForm(&m_state);
    if (context.readingLogin())
        holdWritingControls(*this);
}

Workspace::~Workspace() = default;

void Workspace::open() {
    Bosalt();
    m_context.company().ensureOpen();
    if (m_sbkQuery.sqlLines().isEmpty())
        ListeYenile();
    else
        m_sbkQuery.ensureOpen();
    m_sbkTable.ensureOpen();
    m_toplamQuery.ensureOpen();
    m_state.setItemIndex(ctl::workspace::DuzeltmePage, WorkspaceState::FixedAssetPage);
    m_chosenPeriod = {};
    refreshPeriodChoice();
}

void Workspace::refreshPeriodChoice() {
    QStringList items{kBasePeriodName};
    try {
        for (const Period& period : m_period->work().periods())
            items << FormatDate(period.end);
    } catch (const std::exception&) {
        // The 31.12.2023 work opens even when the later periods cannot be read; choosing
        // one shows why.
    }
    for (const QString& offered :
         {QStringLiteral("30.06.2024"), QStringLiteral("30.09.2024"), QStringLiteral("31.12.2024")})
        if (!items.contains(offered))
            items << offered;
    std::sort(items.begin() + 1, items.end(),
              [](const QString& a, const QString& b) { return ParseDate(a) < ParseDate(b); });
    m_state.setItems(ctl::workspace::DuzeltmeDonemiCombo, items);
    m_state.setText(ctl::workspace::DuzeltmeDonemiCombo,
                    m_chosenPeriod.isValid() ? FormatDate(m_chosenPeriod) : kBasePeriodName);
}

void Workspace::choosePeriod(const QString& text) {
    const QString previous = m_chosenPeriod.isValid() ? FormatDate(m_chosenPeriod) : kBasePeriodName;
    const QDate end = ParseDate(text.trimmed());
    if (text.trimmed() == kBasePeriodName) {
        m_chosenPeriod = {};
        return;
    }
    bool declined = false;
    const bool ran = runGuarded(m_context.prompt(), [&] {
        if (!end.isValid() || end <= kAdjustmentDate)
            throw ShownError(QStringLiteral("Düzeltme dönemi 31.12.2023 sonrasında bir ay sonu olmalıdır "
                                            "(gg.aa.yyyy): %1")
                                 .arg(text));
        bool known = false;
        for (const Period& period : m_period->work().periods())
            known = known || period.end == end;
        // Adding a period writes its carried lines; a login that may only read opens those there are.
        if (!known && m_context.readingLogin())
            throw ShownError(QStringLiteral("Yalnızca okuma yetkiniz var: %1 dönemi eklenmemiş; yeni dönem "
                                            "eklenemez.")
                                 .arg(FormatDate(end)));
        if (!known && !m_period->work().add(end, m_context.prompt())) {
            declined = true;
            return;
        }
        m_period->openPeriod(end);
    });
    const bool chosen = ran && !declined;
    if (chosen)
        m_chosenPeriod = end;
    refreshPeriodChoice();
    if (!chosen)
        m_state.setText(ctl::workspace::DuzeltmeDonemiCombo, previous);
}

void Workspace::ListeYenile() {
    m_sbkQuery.close();
    m_sbkQuery.clearSql();
    m_sbkQuery.addLine(QStringLiteral("SELECT * FROM sabit_kiymet"));
    const AccountFilter filter = accountFilter(m_state.text(ctl::workspace::SBK_Ana_Combo));
    if (!filter.whereLine.isEmpty())
        m_sbkQuery.addLine(filter.whereLine);
    m_sbkQuery.setParams(filter.params);
    m_sbkQuery.addLine(QStringLiteral("ORDER BY anahesapkodu, sbk_kodu"));
    m_context.company().ensureOpen();
    m_sbkQuery.open();
    m_toplamQuery.close();
    m_toplamQuery.open();
}

bool Workspace::AramaYapClick() {
    const QString text = m_state.text(ctl::workspace::AraEdit);
    if (text.isEmpty())
        return false;
    m_sbkQuery.ensureOpen();
    return FindNextContaining(m_sbkQuery, QStringLiteral("sbk_adi"), text);
}

void Workspace::clearFields(FormModel& sheet, const QStringList& edits, const QString& rich) {
    // Clearing is a change of the text, so the edits' change rules run as they do for
    // the user (the useful life comes back as "5").
    for (const QString& name : edits) {
        if (sheet.text(name).isEmpty())
            continue;
        sheet.userSet(name, QString());
    }
    sheet.setLines(rich, {});
}

void Workspace::Bosalt() {
    clearFields(*m_fixed, FixedAssetSheet::clearedEdits(), ctl::fixedasset::SBKRich);
    clearFields(*m_stock, StockSheet::clearedEdits(), ctl::stock::DigerRich);
    clearFields(*m_equity, EquitySheet::clearedEdits(), ctl::equity::OzkaynakRich);
}

void Workspace::Dzelt1Click() {
    if (!m_sbkQuery.isOpen() || m_sbkQuery.isEmpty())
        return;
    const ItemRoute route = routeOfAccount(m_sbkQuery.text(kRow));
    if (route.clear)
        Bosalt();
    switch (route.sheet) {
    case ItemSheet::FixedAsset:
        m_fixed->Duzelt(m_sbkQuery);
        m_state.setItemIndex(ctl::workspace::DuzeltmePage, WorkspaceState::FixedAssetPage);
        break;
    case ItemSheet::Stock:
        m_stock->DuzeltStok(m_sbkQuery);
        m_state.setItemIndex(ctl::workspace::DuzeltmePage, WorkspaceState::StockPage);
        break;
    case ItemSheet::Equity:
        m_equity->DuzeltOzkaynaklar(m_sbkQuery);
        m_state.setItemIndex(ctl::workspace::DuzeltmePage, WorkspaceState::EquityPage);
        break;
    case ItemSheet::None:
        break;
    }
}

bool Workspace::openItem(qint64 id) {
    m_context.company().ensureOpen();
    if (m_sbkQuery.sqlLines().isEmpty())
        ListeYenile();
    m_sbkQuery.ensureOpen();
    if (!m_sbkQuery.locate(QStringLiteral("id"), id)) {
        m_state.setText(ctl::workspace::SBK_Ana_Combo, QStringLiteral("Hepsi"));
        ListeYenile();
        if (!m_sbkQuery.locate(QStringLiteral("id"), id))
            return false;
    }
    Dzelt1Click();
    return true;
}

CompanyHeading Workspace::companyHeading() {
    return registeredCompanyHeading(m_context.general(), m_context.companyCode());
}

void Workspace::setPrintService(PrintService* service) {
    m_printService = service;
    const auto heading = [this] { return companyHeading(); };
    m_reports->setPrinting(service, heading);
    m_journal->setPrinting(service, heading);
    if (m_period)
        m_period->setPrinting(service, heading);
}

} // namespace velkor
