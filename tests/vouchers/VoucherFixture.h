#pragma once

#include "reports/ItemRows.h"
#include "support/TestSupport.h"
#include "vouchers/TransferSheet.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>

namespace velkor::test {

/// A registered company holding every kind of row the transfer knows, with the closing
/// rows the report step writes, and the transfer tab on it.
class VoucherFixture : public ::testing::Test {
protected:
    void SetUp() override;

    /// Appends an item row to the company.
    void insert(const RowValues& values);
    /// Fills the company: fixed assets with and without depreciation, intangibles,
    /// stocks, construction, a liability, equity kinds; then runs the closing step.
    void fillCompany();

    /// Presses a transfer button with the file the save dialog answers.
    VoucherSave press(const QString& button, const QString& file);
    /// The bytes of a file.
    static QByteArray bytesOf(const QString& path);
    /// A path in the temporary folder.
    QString path(const QString& name) const;
    /// Compares with the golden file of that name byte for byte; on a difference writes
    /// the actual bytes beside the build for inspection.
    void expectGolden(const QByteArray& actual, const QString& goldenName);

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<TransferSheet> m_sheet;
};

} // namespace velkor::test
