#include "FixedAssetFixture.h"
#include "storage/Connection.h"
#include "storage/RowStamp.h"

namespace velkor::test {
namespace {

/// A saved item open in the sheet, and another program writing the same company.
class StaleSaveTest : public FixedAssetTest {
protected:
    StaleSaveTest() {
        setIndex({{20201, 1000.0}, {20203, 1234.56}, {202312, 3035.59}});
        enterItem(QStringLiteral("253"), QStringLiteral("01"), QStringLiteral("Torna Tezgahı"),
                  QDate(2020, 3, 15), QStringLiteral("100.000,00"));
        sheet().click(ctl::fixedasset::KaydetButton);
        id = field(ctl::fixedasset::Kayit_No_Edit).toLongLong();
        sheet().click(ctl::fixedasset::YeniBut);
        workspace->openItem(id);
    }

    /// The company as another program opens it, on whichever engine holds it.
    std::unique_ptr<Connection> other() {
        auto connection = std::make_unique<Connection>(QStringLiteral("baska"));
        connection->setConnectionString(home.context().company().connectionString());
        connection->open();
        return connection;
    }

    QString refusalOfSave() {
        try {
            sheet().click(ctl::fixedasset::KaydetButton);
        } catch (const StaleRowError& e) {
            return e.message();
        }
        return {};
    }

    qint64 id = 0;
    const QString stale =
        QStringLiteral("Bu kayıt siz açtıktan sonra değiştirildi; yeniden yükleyip tekrar deneyiniz.");
};

TEST_F(StaleSaveTest, ASaveOverAnotherUsersChangeIsRefusedAndTheReloadShowsTheirValues) {
    other()->database().execute(QStringLiteral("UPDATE sabit_kiymet SET sbk_adi = ? WHERE id = ?"),
                                {QStringLiteral("Freze"), id});
    sheet().userSet(ctl::fixedasset::AdiEdit, QStringLiteral("Torna (benim)"));
    EXPECT_EQ(refusalOfSave(), stale);
    EXPECT_EQ(stored(id, QStringLiteral("sbk_adi")).toString(), QStringLiteral("Freze"));
    sheet().click(ctl::fixedasset::YeniBut);
    ASSERT_TRUE(workspace->openItem(id));
    EXPECT_EQ(field(ctl::fixedasset::AdiEdit), QStringLiteral("Freze"));
    // After the reload the user's own saves go through, one after another.
    sheet().userSet(ctl::fixedasset::AdiEdit, QStringLiteral("Freze 2"));
    EXPECT_EQ(refusalOfSave(), QString());
    sheet().userSet(ctl::fixedasset::AdiEdit, QStringLiteral("Freze 3"));
    EXPECT_EQ(refusalOfSave(), QString());
    EXPECT_EQ(stored(id, QStringLiteral("sbk_adi")).toString(), QStringLiteral("Freze 3"));
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(StaleSaveTest, AnItemAnotherUserDeletedIsNotWrittenBackAsANewOne) {
    other()->database().execute(QStringLiteral("DELETE FROM sabit_kiymet WHERE id = ?"), {id});
    EXPECT_EQ(refusalOfSave(), stale);
    EXPECT_EQ(rowCount(), 0);
}

TEST_F(StaleSaveTest, ANewItemIsSavedWhateverOthersDo) {
    other()->database().execute(QStringLiteral("UPDATE sabit_kiymet SET sbk_adi = ? WHERE id = ?"),
                                {QStringLiteral("Freze"), id});
    sheet().click(ctl::fixedasset::YeniBut);
    enterItem(QStringLiteral("254"), QStringLiteral("02"), QStringLiteral("Kamyon"), QDate(2020, 3, 1),
              QStringLiteral("50.000,00"));
    EXPECT_EQ(refusalOfSave(), QString());
    EXPECT_EQ(rowCount(), 2);
}

TEST(RowStampTest, StampsTellValuesAndNullsApart) {
    const QVariantList row{qint64(1), QStringLiteral("a"), QVariant(), 2.5, QDate(2023, 12, 31)};
    EXPECT_EQ(RowStamp::of(row), RowStamp::of(row));
    EXPECT_NE(RowStamp::of(row),
              RowStamp::of({qint64(1), QStringLiteral("a"), QString(""), 2.5, QDate(2023, 12, 31)}));
    EXPECT_NE(RowStamp::of({QStringLiteral("ab"), QStringLiteral("c")}),
              RowStamp::of({QStringLiteral("a"), QStringLiteral("bc")}));
    // An engine that gives a whole number back as an integer gives the same stamp.
    EXPECT_EQ(RowStamp::of({5.0}), RowStamp::of({qint64(5)}));
    EXPECT_NO_THROW(requireUnchanged(RowStamp(), std::nullopt));
    EXPECT_THROW(requireUnchanged(RowStamp::of(row), std::nullopt), StaleRowError);
}

} // namespace
} // namespace velkor::test
