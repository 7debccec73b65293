#include "reports/AccountTotals.h"

#include "storage/Query.h"

namespace velkor {

QStringList accountTotalsSql() {
    return {QStringLiteral("SELECT anahesapkodu,"),
            QStringLiteral("SUM(VUK_Son_Degeri) AS VUK_Son_DegeriT,"),
            QStringLiteral("SUM(vuk_birikmis_amortisman) AS vuk_birikmis_amortismanT,"),
            QStringLiteral("SUM(ROFM_Anapara) AS ROFM_AnaparaT,"),
            QStringLiteral("SUM(ROFM_Faiz) AS ROFM_FaizT,"),
            QStringLiteral("SUM(ROFM_Tutar) AS ROFM_TutarT,"),
            QStringLiteral("SUM(ROFM_Duzeltilmis_Tutar) AS ROFM_Duzeltilmis_TutarT,"),
            QStringLiteral("SUM(Duzeltilmis_Tutar) AS Duzeltilmis_TutarT,"),
            QStringLiteral("SUM(Duzeltilmis_Amortisman) AS Duzeltilmis_AmortismanT,"),
            QStringLiteral("SUM(Enflasyon_Farki) AS Enflasyon_FarkiT,"),
            QStringLiteral("SUM(Amortisman_Farki) AS Amortisman_FarkiT "),
            QStringLiteral("FROM sabit_kiymet"),
            QStringLiteral("GROUP BY anahesapkodu"),
            QStringLiteral("ORDER BY anahesapkodu")};
}

void prepareAccountTotals(Query& query) {
    query.close();
    query.setSql(accountTotalsSql());
    query.setParams({});
}

QStringList grandTotalsSql(const AccountFilter& filter) {
    QStringList lines{QStringLiteral("SELECT SUM(VUK_Son_Degeri) AS VUK_Son_DegeriT,"),
                      QStringLiteral("SUM(Duzeltilmis_Tutar) AS Duzeltilmis_TutarT,"),
                      QStringLiteral("SUM(Enflasyon_Farki) AS Enflasyon_FarkiT,"),
                      QStringLiteral("SUM(vuk_birikmis_amortisman) AS vuk_birikmis_amortismanT,"),
                      QStringLiteral("SUM(Duzeltilmis_Amortisman) AS Duzeltilmis_AmortismanT,"),
                      QStringLiteral("SUM(Amortisman_Farki) AS Amortisman_FarkiT,"),
                      QStringLiteral("SUM(ROFM_Reel_Finansman) AS ROFM_Reel_FinansmanT,"),
                      QStringLiteral("SUM(ROFM_Reel_Duzeltilmis) AS ROFM_Reel_DuzeltilmisT,"),
                      QStringLiteral("SUM(ROFM_Ayrilmamis_Amort) AS ROFM_Ayrilmamis_AmortT"),
                      QStringLiteral("FROM sabit_kiymet")};
    if (!filter.isEmpty())
        lines << filter.whereLine;
    return lines;
}

void prepareGrandTotals(Query& query, const AccountFilter& filter) {
    query.close();
    query.setSql(grandTotalsSql(filter));
    query.setParams(filter.params);
}

} // namespace velkor
