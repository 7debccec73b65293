#include "import/ItemImport.h"

#include "base/StrictAmount.h"
#include "base/TextHelpers.h"
#include "engine/IndexFields.h"
#include "engine/IndexLookup.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"
#include "import/ImportRowRules.h"
#include "storage/Table.h"
#include "storage/Transaction.h"

#include <charconv>
#include <cmath>

namespace velkor {

namespace {

const QDate kSimpleAverageBase{2023, 9, 30};
constexpr int kSimpleAverageKey = 20239;

class ItemBuilder {
public:
    explicit ItemBuilder(int gridRow) { m_item.gridRow = gridRow; }
    void set(const QString& column, const QVariant& value) {
        for (auto& [name, v] : m_item.values) {
            if (name == column) {
                v = value;
                return;
            }
        }
        m_item.values.emplace_back(column, value);
    }
    void setFrom(const QString& column, const QVariant& value, int gridColumn) {
        set(column, value);
        m_item.sources.emplace_back(column, gridColumn);
    }
    ImportedItem take() { return std::move(m_item); }

private:
    ImportedItem m_item;
};

// Values are stored as the sheets store them: read back from the text they are shown
// with, so that an imported item and a typed one hold the same doubles. The text is made
// on the stack for every row; an exact half (only possible for a value too large for its
// decimals) and the values beyond the ordinary ones take Qt's way, which rounds halves
// away from zero and shows no negative zero.
double shown(double value, int decimals) {
    const double rounded = RoundDecimals(value, decimals);
    const double scaled = std::ldexp(rounded, decimals + 1);
    const bool half = std::nearbyint(scaled) == scaled && std::fmod(scaled, 2.0) != 0;
    if (!std::isfinite(rounded) || half || std::fabs(rounded) >= 1e15)
        return QString::number(rounded, 'f', decimals).toDouble();
    char text[64];
    const char* end =
        std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, decimals).ptr;
    double result = 0;
    std::from_chars(text, end, result);
    return result == 0 ? 0.0 : result;
}

double amount(double value) {
    return shown(value, 2);
}

} // namespace

QString importStopMessage(const QString& reason, int gridRow, int gridColumn) {
    QString place = QStringLiteral("Satır %1").arg(gridRow);
    if (gridColumn > 0)
        place += QStringLiteral(", sütun %1").arg(gridColumn);
    return reason + QStringLiteral("\n\r") + place +
           QStringLiteral(".\n\rAktarım durduruldu; hiçbir kayıt aktarılmadı.");
}

QString validationMessage(const ImportOptions& o) {
    if (o.nameColumn < 1 || (o.debitColumn < 1 && o.creditColumn < 1))
        return QStringLiteral(
            "Aktarma için hesap adı, giriş tarihi ve borç tutar sütunları girilmelidir. İşlem "
            "iptal edilecektir!");
    if (o.fullCode && o.mainColumn < 1)
        return QStringLiteral(
            "Aktarma için ana hesaptan ilk üç seçildiyse Ana Hesap girilmelidir. İşlem iptal "
            "edilecektir!");
    if (!o.mainFromCombo && o.subColumn < 1)
        return QStringLiteral(
            "Aktarma için ana hesap standart seçildiyse Alt Hesap girilmelidir. İşlem iptal "
            "edilecektir!");
    if (!o.mainFromCombo && !o.fullCode && o.subColumn == o.mainColumn)
        return QStringLiteral("Aktarma için alt hesap ilk üç harf seçilmediyse Alt Hesap ile Ana Hesap aynı "
                              "olamaz. İşlem iptal edilecektir!");
    return {};
}

ItemImport::ItemImport(IndexLookup& index, const QDate& adjustmentDate)
    : m_index(index), m_adjustmentDate(adjustmentDate) {}

double ItemImport::requireIndex(int key, int gridRow, int gridColumn) {
    // A trial balance has thousands of rows over a few hundred months: each month's
    // index is looked up in the table once.
    auto known = m_indexes.find(key);
    if (known == m_indexes.end())
        known = m_indexes.emplace(key, m_index.LookupIndex(key)).first;
    const std::optional<double> value = known->second;
    if (!value || *value == 0.0) {
        if (gridRow > 0)
            throw ImportStopped(importStopMessage(missingIndexMessage(key), gridRow, gridColumn));
        throw ImportStopped(missingIndexMessage(key) + QStringLiteral("\n\rHiçbir kayıt aktarılmadı."));
    }
    return *value;
}

std::vector<ImportedItem> ItemImport::prepare(const ImportGrid& grid, const ImportOptions& o,
                                              const ImportProgress& progress) {
    const double p = requireIndex(MonthKey(m_adjustmentDate), 0, 0);
    const double q = o.stocksSimpleAverage ? requireIndex(kSimpleAverageKey, 0, 0) : 0.0;
    const ImportExclusions exclusions{o.skipFixedAssets, o.skipStocks};
    const int first = std::max(o.firstRow, 1);
    const int last = std::min(o.lastRow, grid.rowCount() - 1);
    const int total = std::max(last - first + 1, 0);

    std::vector<ImportedItem> items;
    for (int w = first; w <= last; ++w) {
        auto cell = [&](int column) { return column > 0 ? grid.cell(column, w) : QString(); };
        RowAccount account;
        if (o.mainFromCombo) {
            account = {o.comboAccount, cell(o.subColumn)};
        } else if (o.fullCode) {
            account = splitFullCode(cell(o.mainColumn));
        } else {
            account = {cell(o.mainColumn), cell(o.subColumn)};
        }
        // An amount cell the row is read by holds a number or an amount as the fields take
        // it; any other text ("1e309", "(100)", "abc") stops the import rather than be read
        // as the digits it happens to contain.
        auto amountCell = [&](int column) {
            const QString text = cell(column);
            const std::optional<double> value = ParseStrictAmount(text);
            if (!value)
                throw ImportStopped(importStopMessage(
                    QStringLiteral("Tutar geçerli bir sayı değil: \"%1\"").arg(text), w, column));
            return *value;
        };
        const int n = static_cast<int>(ParseAmount(account.main));
        const ValueSides sides{cell(o.debitColumn), cell(o.creditColumn), o.creditColumn >= 1,
                               o.creditInDebitColumn};
        const bool groupRow =
            o.fullCode && !o.mainFromCombo && grid.cell(o.mainColumn, w + 1).startsWith(cell(o.mainColumn));
        const bool candidate = account.main.size() == 3 && !account.sub.isEmpty() &&
                               isImportableAccount(n, exclusions) && !groupRow;
        if (candidate) {
            const ValueSide side = valueSideOf(n, sides);
            if (side != ValueSide::None)
                amountCell(side == ValueSide::Credit ? o.creditColumn : o.debitColumn);
        }
        const double v = registeredValue(n, sides);
        const bool imported = candidate && v > 0;
        if (imported) {
            ItemBuilder item(w);
            item.setFrom(QStringLiteral("anahesapkodu"), account.main, o.mainFromCombo ? 0 : o.mainColumn);
            item.setFrom(QStringLiteral("sbk_kodu"), account.sub,
                         o.fullCode && !o.mainFromCombo ? o.mainColumn : o.subColumn);
            item.setFrom(QStringLiteral("sbk_adi"), cell(o.nameColumn), o.nameColumn);

            const QString dateText = cell(o.dateColumn);
            if (dateText.size() == 10) {
                const std::optional<QDate> entry = readEntryDate(dateText);
                if (!entry)
                    throw ImportStopped(importStopMessage(
                        QStringLiteral("Giriş tarihi geçerli bir tarih değil: \"%1\"").arg(dateText), w,
                        o.dateColumn));
                const std::optional<QDate> revaluation = isRevaluedAccount(n) ? o.revaluation : std::nullopt;
                const BaseMonth base = baseMonthOf(*entry, revaluation);
                const double r = requireIndex(base.key, w, o.dateColumn);
                const double k = shown(Coefficient(r, p), 5);
                const double adjusted = amount(v * k);
                if (isFixedAssetAccount(n)) {
                    item.set(QStringLiteral("SBK_Diger"), QStringLiteral("SBK"));
                    if (o.revaluation) {
                        item.set(QStringLiteral("MDVD_Yapildi"), QStringLiteral("Evet"));
                        item.set(QStringLiteral("MDVD_Tarih"), *o.revaluation);
                    }
                    const double life = amountCell(o.lifeColumn);
                    if (life > 0) {
                        const double years = std::nearbyint(life);
                        item.setFrom(QStringLiteral("vuk_amortisman_sure"), years, o.lifeColumn);
                        item.set(QStringLiteral("vuk_amort_bitis_tarihi"),
                                 entry->addYears(static_cast<int>(years)));
                    } else {
                        item.set(QStringLiteral("vuk_amortisman_sure"), 5);
                    }
                    const QString method = cell(o.methodColumn);
                    item.setFrom(QStringLiteral("vuk_amortisman_yontem"),
                                 method.isEmpty() ? QStringLiteral("Normal") : method, o.methodColumn);
                    const QString depreciationAccount = cell(o.depreciationAccountColumn);
                    if (depreciationAccount.size() > 2)
                        item.setFrom(QStringLiteral("amortisman_kodu"), depreciationAccount,
                                     o.depreciationAccountColumn);
                    const double a = amountCell(o.depreciationColumn);
                    const double adjustedDepreciation = amount(a * k);
                    item.set(QStringLiteral("vuk_birikmis_amortisman"), a);
                    item.set(QStringLiteral("Duzeltilmis_Amortisman"), adjustedDepreciation);
                    item.set(QStringLiteral("Amortisman_Farki"), amount(adjustedDepreciation - a));
                } else {
                    item.set(QStringLiteral("SBK_Diger"), QStringLiteral("Diger"));
                }
                item.set(QStringLiteral("fatura_tarihi"), *entry);
                item.set(QStringLiteral("Hesap_Yi_UFE_Tarihi"), m_adjustmentDate);
                item.set(QStringLiteral("Giris_Yi_UFE_Tarihi"), base.date);
                item.set(QStringLiteral("Giris_Yi_UFE"), r);
                item.set(QStringLiteral("Hesap_Yi_UFE"), p);
                item.set(QStringLiteral("Duzeltme_Katsayisi"), k);
                item.set(QStringLiteral("Duzeltilmis_Tutar"), adjusted);
                item.set(QStringLiteral("Enflasyon_Farki"), amount(adjusted - v));
                if (isStockAccount(n))
                    item.set(QStringLiteral("Hesaplama_Yontemi"), QStringLiteral("Gercek"));
            }
            item.setFrom(QStringLiteral("VUK_Son_Degeri"), v,
                         o.creditInDebitColumn || n < 300 ? o.debitColumn : o.creditColumn);
            if (o.stocksSimpleAverage && isStockAccount(n)) {
                const double k2 = shown(Coefficient((p + q) / 2, p), 5);
                const double adjusted = amount(k2 * v);
                item.set(QStringLiteral("Hesaplama_Yontemi"), QStringLiteral("Basit"));
                item.set(QStringLiteral("Hesap_Yi_UFE_Tarihi"), m_adjustmentDate);
                item.set(QStringLiteral("Giris_Yi_UFE_Tarihi"), kSimpleAverageBase);
                item.set(QStringLiteral("fatura_tarihi"), kSimpleAverageBase);
                item.set(QStringLiteral("Giris_Yi_UFE"), q);
                item.set(QStringLiteral("Hesap_Yi_UFE"), p);
                item.set(QStringLiteral("Duzeltme_Katsayisi"), k2);
                item.set(QStringLiteral("Duzeltilmis_Tutar"), adjusted);
                item.set(QStringLiteral("Enflasyon_Farki"), amount(adjusted - v));
            }
            items.push_back(item.take());
        }
        if (progress)
            progress(w - first + 1, total);
    }
    return items;
}

void ItemImport::write(Table& table, Database& db, const std::vector<ImportedItem>& items,
                       const ImportProgress& progress) {
    table.open();
    const ImportedItem* failed = nullptr;
    // The column being set, by reference into the items: no text is copied for each value.
    const QString* column = nullptr;
    QString reason;
    {
        Transaction transaction(db);
        const int total = static_cast<int>(items.size());
        int done = 0;
        try {
            for (const ImportedItem& item : items) {
                failed = &item;
                table.append();
                for (const auto& [name, value] : item.values) {
                    column = &name;
                    table.setValue(name, value);
                }
                column = nullptr;
                table.post();
                if (progress)
                    progress(++done, total);
            }
            transaction.commit();
            return;
        } catch (const std::exception& error) {
            reason = QString::fromUtf8(error.what());
        }
    }
    // The transaction is rolled back; the table is read again so that it shows none of
    // the rows appended before the stop.
    table.cancel();
    table.close();
    table.open();
    int gridColumn = 0;
    for (const auto& [name, source] : failed->sources)
        if (column && name == *column)
            gridColumn = source;
    throw ImportStopped(importStopMessage(reason, failed->gridRow, gridColumn));
}

} // namespace velkor
