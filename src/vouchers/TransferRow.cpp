#include "vouchers/TransferRow.h"

#include "base/TextHelpers.h"
#include "engine/AccountGroups.h"
#include "reports/ItemSelection.h"
#include "storage/Query.h"

namespace velkor {

namespace {

double accountNumber(const QString& code) {
    try {
        return ParseAmount(code);
    } catch (const ConversionError&) {
        return 0;
    }
}

} // namespace

std::vector<TransferRow> readTransferRows(const Dataset& dataset) {
    const auto column = [&](const char* name) { return dataset.columnIndex(QString::fromLatin1(name)); };
    const int code = column("anahesapkodu");
    const int sub = column("sbk_kodu");
    const int kind = column("Hesaplama_Yontemi");
    const int rowKind = column("SBK_Diger");
    const int difference = column("Enflasyon_Farki");
    const int value = column("VUK_Son_Degeri");
    const int interest = column("ROFM_Faiz");
    const int coefficient = column("Duzeltme_Katsayisi");
    const int depreciationDifference = column("Amortisman_Farki");
    const int accumulated = column("vuk_birikmis_amortisman");
    const int account = column("amortisman_kodu");

    const auto cell = [&](int row, int index) -> QVariant {
        return index < 0 ? QVariant() : dataset.cell(row, index);
    };
    std::vector<TransferRow> rows;
    rows.reserve(static_cast<std::size_t>(dataset.recordCount()));
    for (int r = 0; r < dataset.recordCount(); ++r) {
        TransferRow row;
        row.code = cell(r, code).toString();
        row.number = accountNumber(row.code);
        row.sub = cell(r, sub).toString();
        row.kind = cell(r, kind).toString();
        row.fixedAsset = cell(r, rowKind).toString() == QLatin1String("SBK");
        row.difference = cell(r, difference).toDouble();
        row.registeredValue = cell(r, value).toDouble();
        if (const QVariant v = cell(r, interest); !v.isNull()) {
            row.financingInterest = v.toDouble();
        }
        row.coefficient = cell(r, coefficient).toDouble();
        row.depreciationDifference = cell(r, depreciationDifference).toDouble();
        row.accumulatedDepreciation = cell(r, accumulated).toDouble();
        if (const QVariant v = cell(r, account); !v.isNull()) {
            row.depreciationAccount = v.toString();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TransferRow> selectTransferRows(Connection& company, const QString& filterText) {
    const AccountFilter filter = accountFilter(filterText, transferFilterItems());
    Query query(company);
    // Only the columns a transfer row is read from: a stored row has over a hundred.
    QStringList sql = itemSelectionSql(filter);
    sql.first() =
        QStringLiteral("SELECT anahesapkodu, sbk_kodu, Hesaplama_Yontemi, SBK_Diger, Enflasyon_Farki, "
                       "VUK_Son_Degeri, ROFM_Faiz, Duzeltme_Katsayisi, Amortisman_Farki, "
                       "vuk_birikmis_amortisman, amortisman_kodu FROM sabit_kiymet");
    query.setSql(sql);
    query.setParams(filter.params);
    query.open();
    return readTransferRows(query);
}

} // namespace velkor
