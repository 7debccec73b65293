#include "vouchers/VoucherDerivation.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace velkor;

namespace {

TransferRow item(const QString& code, const QString& sub, double ef, double af = 0,
                 const QString& kind = {}) {
    TransferRow row;
    row.code = code;
    row.number = code.toDouble();
    row.sub = sub;
    row.kind = kind;
    row.fixedAsset = row.number >= 250 && row.number < 270;
    row.difference = ef;
    row.registeredValue = 1000;
    row.coefficient = 1.5;
    row.depreciationDifference = af;
    row.accumulatedDepreciation = af > 0 ? 400 : 0;
    return row;
}

QStringList accounts(const std::vector<VoucherLine>& lines) {
    QStringList list;
    for (const VoucherLine& line : lines)
        list << (line.side == VoucherSide::Debit ? "B:" : "A:") + line.account;
    return list;
}

QStringList documents(const std::vector<VoucherLine>& lines, const TransferOptions& options) {
    QStringList list;
    for (const VoucherLine& line : lines)
        list << documentNumber(options, line);
    return list;
}

} // namespace

TEST(VoucherDerivation, AccountsOfEachKindPerProgram) {
    const TransferOptions options;
    const std::vector<TransferRow> rows{item("153", "01", 100),
                                        item("171", "05", 100),
                                        item("350", "02", 100),
                                        item("500", "01", 100, 0, "Nakti"),
                                        item("500", "02", 100, 0, "522"),
                                        item("570", "01", 100),
                                        item("540", "01", 100)};
    EXPECT_EQ(accounts(deriveVoucherLines(rows, options, VoucherTarget::Luca)),
              (QStringList{"B:153.01", "A:698", "B:171.05", "A:697.05", "B:697.02", "A:358.02", "B:698",
                           "A:502.01", "B:503.02", "A:698", "B:570.01", "A:698", "B:698", "A:540.01"}));
    EXPECT_EQ(accounts(deriveVoucherLines(rows, options, VoucherTarget::Mikro)).mid(4, 2),
              (QStringList{"B:697", "A:350.02"}));
    EXPECT_EQ(accounts(deriveVoucherLines(rows, options, VoucherTarget::Zirve)),
              accounts(deriveVoucherLines(rows, options, VoucherTarget::Netsis)));
    const auto logo = deriveVoucherLines(rows, options, VoucherTarget::Logo);
    EXPECT_EQ(accounts(logo),
              (QStringList{"B:153.01", "A:698", "B:171.05", "A:178.05", "B:698", "A:350.02", "B:698",
                           "A:500.01", "B:503.02", "A:698", "B:570.01", "A:698", "B:698", "A:540.01"}));
    EXPECT_EQ(logo[3].parent, "697");
    EXPECT_EQ(logo[7].parent, "500");
    EXPECT_EQ(logo[8].parent, "503");
    EXPECT_TRUE(logo[0].description.isEmpty());
}

TEST(VoucherDerivation, EligibilityOutsideLogoAndLogoClosingRows) {
    TransferOptions options;
    TransferRow noValue = item("153", "02", 100);
    noValue.registeredValue = 0;
    const std::vector<TransferRow> rows{item("153", "01", -5),      noValue,
                                        item("257", "01", 100, 50), item("268", "01", 100),
                                        item("358", "01", 100),     item("698", "KAR", 100),
                                        item("259", "01", 0, 30)};
    EXPECT_EQ(accounts(deriveVoucherLines(rows, options, VoucherTarget::Luca)), QStringList());
    EXPECT_EQ(accounts(deriveVoucherLines(rows, options, VoucherTarget::Mikro)),
              (QStringList{"B:698", "A:358.01"}));

    const auto logo = deriveVoucherLines(rows, options, VoucherTarget::Logo);
    EXPECT_EQ(accounts(logo), (QStringList{"B:153.02", "A:698", "B:", "A:", "B:698", "A:257.01", "B:", "A:",
                                           "B:698", "A:358.01", "B:698", "A:698.KAR", "B:698", "A:"}));
    EXPECT_EQ(logo[11].parent, "698");
}

TEST(VoucherDerivation, OptionsThatChangeAccounts) {
    TransferOptions options;
    options.separator = "-";
    options.counterAccount = "698.01";
    TransferRow own = item("253", "03", 100, 40);
    own.depreciationAccount = QStringLiteral("257.03");
    TransferRow shortOwn = item("254", "01", 100, 40);
    shortOwn.depreciationAccount = QStringLiteral("25");
    const std::vector<TransferRow> rows{item("253", "01", 100, 40), item("260", "01", 100, 40), own,
                                        shortOwn};
    EXPECT_EQ(accounts(deriveVoucherLines(rows, options, VoucherTarget::Luca)),
              (QStringList{"B:253-01", "A:698.01", "B:698.01", "A:257-01", "B:260-01", "A:698.01", "B:698.01",
                           "A:268-01", "B:253-03", "A:698.01", "B:698.01", "A:257-03", "B:254-01", "A:698.01",
                           "B:698.01", "A:257-01"}));

    options.useFixedDepreciationAccount = true;
    options.useIntangibleDepreciationAccount = true;
    auto lines = deriveVoucherLines(rows, options, VoucherTarget::Luca);
    EXPECT_EQ(lines[3].account, "257.99");
    EXPECT_EQ(lines[7].account, "268.99");

    options.useOwnDepreciationAccount = true;
    lines = deriveVoucherLines(rows, options, VoucherTarget::Luca);
    EXPECT_EQ(lines[3].account, "257.99");
    EXPECT_EQ(lines[11].account, "257.03");
    EXPECT_EQ(lines[15].account, "257.99");
}

TEST(VoucherDerivation, DescriptionsShowNetValueAndRatios) {
    TransferRow row = item("253", "01", 500, 200);
    row.financingInterest = 100.0;
    const auto lines = deriveVoucherLines({row}, {}, VoucherTarget::Mikro);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].description, "Varlık Net Değeri (900,00) X (1,50000) Katsayı ile Düzeltilmiştir.");
    EXPECT_EQ(lines[1].description, lines[0].description);
    EXPECT_EQ(lines[2].description, "Amortisman Değeri (400,00) X (1,50000) Katsayı ile Düzeltilmiştir.");
    row.accumulatedDepreciation = 0;
    EXPECT_EQ(deriveVoucherLines({row}, {}, VoucherTarget::Mikro)[3].description,
              "Amortisman Değeri (0,00) X (0,00000) Katsayı ile Düzeltilmiştir.");
}

TEST(VoucherDerivation, CounterByGrouping) {
    const std::vector<TransferRow> rows{item("253", "01", 100, 40), item("253", "02", 100),
                                        item("255", "01", 100, 40)};
    TransferOptions options;
    EXPECT_EQ(documents(deriveVoucherLines(rows, options, VoucherTarget::Luca), options),
              (QStringList{"ED1", "ED1", "ED1", "ED1", "ED2", "ED2", "ED3", "ED3", "ED3", "ED3"}));
    EXPECT_EQ(documents(deriveVoucherLines(rows, options, VoucherTarget::Netsis), options),
              QStringList(10, "ED0"));

    options.depreciationInItemVoucher = false;
    EXPECT_EQ(documents(deriveVoucherLines(rows, options, VoucherTarget::Luca), options),
              (QStringList{"ED1", "ED1", "ED2", "ED2", "ED3", "ED3", "ED4", "ED4", "ED5", "ED5"}));
    EXPECT_EQ(documents(deriveVoucherLines(rows, options, VoucherTarget::Netsis), options),
              (QStringList{"ED0", "ED0", "ED1", "ED1", "ED1", "ED1", "ED1", "ED1", "ED2", "ED2"}));

    options.grouping = VoucherGrouping::PerMainAccount;
    options.documentPrefix = "F-";
    options.counterStart = 10;
    EXPECT_EQ(documents(deriveVoucherLines(rows, options, VoucherTarget::Luca), options),
              (QStringList{"F-10", "F-10", "F-10", "F-10", "F-10", "F-10", "F-11", "F-11", "F-11", "F-11"}));
    options.grouping = VoucherGrouping::Single;
    EXPECT_EQ(documents(deriveVoucherLines(rows, options, VoucherTarget::Luca), options),
              QStringList(10, "F-10"));
}

TEST(VoucherDerivation, ClosingEntriesOnlyWithTheOption) {
    TransferRow profit = item("698", "KAR", 1500);
    profit.registeredValue = 200;
    TransferRow construction = item("697", "ZARAR", -300);
    const std::vector<TransferRow> rows{item("153", "01", 100), construction, profit};
    TransferOptions options;
    for (const VoucherTarget target :
         {VoucherTarget::Luca, VoucherTarget::Mikro, VoucherTarget::Netsis, VoucherTarget::Zirve}) {
        EXPECT_EQ(deriveVoucherLines(rows, options, target).size(), 2U) << int(target);
    }
    // Without the option Logo books the closing row as an item of its own.
    EXPECT_EQ(accounts(deriveVoucherLines(rows, options, VoucherTarget::Logo)),
              (QStringList{"B:153.01", "A:698", "B:698", "A:698.KAR"}));

    // With it every program closes 697 and 698 as the journal does, with the separator
    // and counter account typed on the sheet.
    options.closingEntries = true;
    options.separator = "-";
    options.counterAccount = "698.01";
    const QStringList closing{"B:153-01", "A:698.01", "B:178-697", "A:697", "B:698.01", "A:570-698"};
    for (const VoucherTarget target : {VoucherTarget::Luca, VoucherTarget::Mikro, VoucherTarget::Netsis,
                                       VoucherTarget::Zirve, VoucherTarget::Logo}) {
        EXPECT_EQ(accounts(deriveVoucherLines(rows, options, target)), closing) << int(target);
    }
    const auto lines = deriveVoucherLines(rows, options, VoucherTarget::Luca);
    EXPECT_EQ(lines[2].amount, 300);
    EXPECT_EQ(lines[3].amount, 300);
    EXPECT_EQ(lines[2].description, "YILLARA YAYGIN İNŞAAT ENFLASYON DÜZELTME HESABI VİRMANI");
    EXPECT_EQ(lines[4].amount, 1500);
    EXPECT_EQ(lines[5].description, "ENFLASYON DÜZELTME KARI GEÇMİŞ DÖNEM KARLARINA VİRMANI");
    EXPECT_EQ(documents(lines, options), (QStringList{"ED1", "ED1", "ED2", "ED2", "ED3", "ED3"}));
    const auto logo = deriveVoucherLines(rows, options, VoucherTarget::Logo);
    EXPECT_EQ(logo[2].parent, "178");
    EXPECT_EQ(logo[3].parent, "697");
    EXPECT_EQ(logo[4].parent, "698");
    EXPECT_EQ(logo[5].parent, "570");
    EXPECT_TRUE(logo[5].description.isEmpty());

    // A loss is closed from 580.698; a balance of 0 gives no entry.
    const std::vector<TransferRow> loss{item("698", "ZARAR", -1500)};
    EXPECT_EQ(accounts(deriveVoucherLines(loss, options, VoucherTarget::Mikro)),
              (QStringList{"B:580-698", "A:698.01"}));
    EXPECT_EQ(deriveVoucherLines(loss, options, VoucherTarget::Mikro)[0].description,
              "ENFLASYON DÜZELTME ZARARI GEÇMİŞ DÖNEM ZARARLARINA VİRMANI");
    EXPECT_TRUE(deriveVoucherLines({item("698", "ZARAR", 0)}, options, VoucherTarget::Mikro).empty());
}
