#include "reports/ClosingTotals.h"

namespace velkor {

namespace {

bool isOneOf(const QString& text, std::initializer_list<const char*> values) {
    for (const char* v : values) {
        if (text == QLatin1String(v))
            return true;
    }
    return false;
}

// Past profits and revaluation funds that the closing step turns into closing-kind rows
// on the gain side.
bool isGainClosingAccount(const QString& account) {
    return isOneOf(account, {"522", "523", "524", "570", "590"});
}

} // namespace

const std::vector<DepreciationSummaryAccount>& depreciationSummaryAccounts() {
    static const std::vector<DepreciationSummaryAccount> accounts{
        {"252", "257", "BİNALAR AMORTİSMANLARI"},
        {"253", "257", "MAKİNA TESİS CİHAZ AMORTİSMANLARI"},
        {"254", "257", "TAŞITLAR AMORTİSMANLARI"},
        {"255", "257", "DEMİRBAŞLAR AMORTİSMANLARI"},
        {"256", "257", "DİĞER MADDİ DURAN AMORTİSMANLARI"},
        {"260", "268", "HAKLAR AMORTİSMANLARI"},
        {"261", "268", "ŞEREFİYE AMORTİSMANLARI"},
        {"262", "268", "KURULUŞ VE ÖRGÜTLENME AMORTİSMANLARI"},
        {"263", "268", "ARAŞTIRMA VE GELİŞTİRME AMORTİSMANLARI"},
        {"264", "268", "ÖZEL MALİYETLER AMORTİSMANLARI"},
        {"265", "268", "DİĞER MADDİ OLMAYAN DURAN VARLIKLAR AMORTİSMANLARI"},
        {"266", "268", "DİĞER MADDİ OLMAYAN DURAN VARLIKLAR AMORTİSMANLARI"},
        {"267", "268", "DİĞER MADDİ OLMAYAN DURAN VARLIKLAR AMORTİSMANLARI"},
    };
    return accounts;
}

ClosingTotals::ClosingTotals()
    : depreciation(depreciationSummaryAccounts().size(), 0.0),
      adjustedDepreciation(depreciationSummaryAccounts().size(), 0.0) {}

void ClosingTotals::add(const ItemRow& row) {
    const double n = row.accountNumber;
    const bool regularAsset = n < 300 && n != 257 && n != 268 && n != 178 && n != 358;
    const bool capitalFromFunds = row.mainAccount == QLatin1String("500") && row.kind == QLatin1String("522");
    if (regularAsset || isGainClosingAccount(row.mainAccount) || capitalFromFunds) {
        if (169 < n && n < 178)
            gain697 += row.difference;
        else
            gain698 += row.difference;
    }

    if (row.depreciationDifference && *row.depreciationDifference > 0) {
        loss698 += *row.depreciationDifference;
        const auto& accounts = depreciationSummaryAccounts();
        for (size_t i = 0; i < accounts.size(); ++i) {
            if (accounts[i].assetAccount == row.mainAccount) {
                depreciation[i] += row.accumulatedDepreciation;
                adjustedDepreciation[i] += row.adjustedDepreciation;
                break;
            }
        }
    }

    if (299 < n && n < 600 && !isGainClosingAccount(row.mainAccount) && row.kind != QLatin1String("522")) {
        if (349 < n && n < 358)
            loss697 += row.difference;
        else
            loss698 += row.difference;
    }
}

} // namespace velkor
