#include "base/GridColumn.h"
#include "referencedata/ReferenceDataForm.h"
#include "storage/AppContext.h"
#include "storage/Query.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

const QStringList kCalendar{"Ocak",   "Şubat",   "Mart",  "Nisan", "Mayıs", "Haziran",
                            "Temmuz", "Ağustos", "Eylül", "Ekim",  "Kasım", "Aralık"};

QStringList labels(const std::vector<GridColumn>& columns) {
    QStringList result;
    for (const GridColumn& column : columns)
        result << column.label;
    return result;
}

} // namespace

TEST(ReferenceGrids, MonthsRunInCalendarOrder) {
    EXPECT_EQ(labels(ReferenceDataForm::yiUfeColumns()), QStringList{"YIL"} + kCalendar);
    EXPECT_EQ(labels(ReferenceDataForm::faizColumns()), QStringList{"YIL"} + kCalendar);
    EXPECT_EQ(labels(ReferenceDataForm::tefeColumns()), QStringList{"Yil"} + kCalendar);
}

TEST(ReferenceGrids, EachMonthShowsItsOwnStoredColumn) {
    // YI_UFE keeps August between May and June: every heading must still show the value
    // of its own month, as the monthly table has it.
    test::TempHome home;
    Connection& rates = home.context().rates();
    Query year(rates);
    year.setSql({QStringLiteral("SELECT * FROM YI_UFE WHERE Yil=2023")});
    year.open();
    ASSERT_EQ(year.recordCount(), 1);
    const std::vector<GridColumn>& columns = ReferenceDataForm::yiUfeColumns();
    for (int month = 1; month <= 12; ++month) {
        const QVariant monthly =
            rates.database().scalar(QStringLiteral("SELECT Yi_UFE FROM YI_UFE_Yeni WHERE YilAy=%1")
                                        .arg(QStringLiteral("2023") + QString::number(month)));
        const GridColumn& column = columns.at(month);
        EXPECT_EQ(gridText(column, year.value(column.field)), gridText(column, monthly))
            << column.label.toStdString();
    }
}
