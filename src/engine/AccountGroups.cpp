#include "engine/AccountGroups.h"

namespace velkor {

namespace {

const QStringList& stockAccounts() {
    static const QStringList codes{"150", "151", "152", "153", "154", "155", "156", "157", "159"};
    return codes;
}

// The accumulated-depreciation accounts 257 and 268 belong to the group, so that the
// summary rows of the closing step are listed with the assets.
const QStringList& fixedAssetAccounts() {
    static const QStringList codes{"250", "251", "252", "253", "254", "255", "256", "258", "259",
                                   "260", "261", "262", "257", "268", "263", "264", "267"};
    return codes;
}

const QStringList& equityAccounts() {
    static const QStringList codes{"500", "501", "502", "503", "520", "521", "522", "523", "524",
                                   "525", "540", "541", "542", "570", "580", "590", "591"};
    return codes;
}

// Every single code any filter offers, in the order the combos show them; each list
// below leaves some of them out.
const QStringList& singleCodes() {
    static const QStringList codes{
        "110", "150", "151", "152", "153", "154", "155", "156", "157", "159", "170", "171", "172",
        "173", "174", "175", "176", "177", "180", "240", "242", "243", "245", "246", "250", "251",
        "252", "253", "254", "255", "256", "258", "259", "260", "261", "262", "263", "264", "267",
        "271", "272", "278", "280", "294", "340", "350", "380", "381", "440", "480", "500", "540",
        "541", "542", "549", "570", "580", "126", "226", "326", "426"};
    return codes;
}

QStringList filterItems(const QStringList& leftOut) {
    QStringList items{groups::kAll, groups::kStocks, groups::kFixedAssets, groups::kEquity};
    for (const QString& code : singleCodes()) {
        if (!leftOut.contains(code))
            items << code;
    }
    return items;
}

} // namespace

QStringList itemListFilterItems() {
    return filterItems({});
}

QStringList journalFilterItems() {
    return filterItems({QStringLiteral("549")});
}

QStringList reportFilterItems() {
    return journalFilterItems();
}

QStringList transferFilterItems() {
    return filterItems({"171", "172", "173", "174", "175", "176", "177"});
}

QStringList accountsOfGroup(const QString& group) {
    if (group.isEmpty() || group == groups::kAll)
        return {};
    if (group == groups::kStocks)
        return stockAccounts();
    if (group == groups::kFixedAssets)
        return fixedAssetAccounts();
    if (group == groups::kEquity)
        return equityAccounts();
    return {group};
}

AccountFilter accountFilter(const QString& group) {
    AccountFilter filter;
    const QStringList accounts = accountsOfGroup(group);
    if (accounts.isEmpty())
        return filter;
    if (accounts.size() == 1 && accounts.first() == group) {
        filter.whereLine = QStringLiteral("WHERE anahesapkodu=?");
        filter.params << group;
        return filter;
    }
    QStringList marks;
    for (const QString& code : accounts) {
        marks << QStringLiteral("?");
        filter.params << code;
    }
    filter.whereLine =
        QStringLiteral("WHERE (anahesapkodu IN (") + marks.join(QLatin1Char(',')) + QStringLiteral("))");
    return filter;
}

AccountFilter accountFilter(const QString& text, const QStringList& items) {
    if (!items.contains(text))
        return {};
    return accountFilter(text);
}

} // namespace velkor
