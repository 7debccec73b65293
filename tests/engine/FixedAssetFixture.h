#pragma once

#include "engine/FixedAssetSheet.h"
#include "support/TestSupport.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

namespace velkor::test {

/// A company with an empty item table, a test index table, no average interest rates
/// and the workspace on it; `sheet` is its fixed-asset sheet.
class FixedAssetTest : public ::testing::Test {
protected:
    FixedAssetTest() {
        home.addCompany(QStringLiteral("SK"), QStringLiteral("Sabit Kıymet A.Ş."));
        home.context().rates().database().exec(QStringLiteral("DELETE FROM Ortalama_Faiz"));
        workspace = std::make_unique<Workspace>(home.context());
        workspace->open();
    }

    FixedAssetSheet& sheet() { return workspace->fixedAssets(); }
    WorkspaceState& state() { return workspace->state(); }

    /// Replaces the index table; lookups read it afresh.
    void setIndex(const std::vector<std::pair<int, double>>& rows) {
        home.setIndexValues(rows);
        workspace->indexLookup().reload();
    }

    /// Adds a year of average interest rates with January and June given.
    void addInterestYear(int year, double january, double june) {
        home.context().rates().database().execute(
            QStringLiteral("INSERT INTO Ortalama_Faiz (Yil, Ocak, Haziran) VALUES (?, ?, ?)"),
            {year, january, june});
        workspace->interestLookup().reload();
    }

    /// Types the item's register fields as the user does.
    void enterItem(const QString& account, const QString& code, const QString& name, const QDate& entry,
                   const QString& bookValue) {
        sheet().userSet(QStringLiteral("DuzeltmeAnaHesapCombo"), account);
        sheet().userSet(QStringLiteral("KoduEdit"), code);
        sheet().userSet(QStringLiteral("AdiEdit"), name);
        sheet().setDate(QStringLiteral("GirisTarihiDate"), entry);
        sheet().userSet(QStringLiteral("KayitliTutariEdit"), bookValue);
    }

    QString field(const QString& name) { return sheet().text(name); }
    QStringList text() { return sheet().lines(QStringLiteral("SBKRich")); }
    QStringList shown() { return home.prompt().texts(); }

    /// One column of a stored row.
    QVariant stored(qint64 id, const QString& column) {
        return home.context().company().database().scalar(
            QStringLiteral("SELECT \"%1\" FROM sabit_kiymet WHERE id=?").arg(column), {id});
    }

    int rowCount() {
        return home.context()
            .company()
            .database()
            .scalar(QStringLiteral("SELECT COUNT(*) FROM sabit_kiymet"))
            .toInt();
    }

    TempHome home;
    std::unique_ptr<Workspace> workspace;
};

/// The separator line of the explanation texts.
inline QString separatorText() {
    return QString(41, QLatin1Char('-')) + QStringLiteral("31/12/2023") + QString(41, QLatin1Char('-'));
}

/// A posting line as the texts lay it out.
inline QString posting(const QString& label, const QString& description, const QString& amount,
                       bool credit = false) {
    return (credit ? QString(16, QLatin1Char(' ')) : QString()) + label.leftJustified(10) + QLatin1Char(' ') +
           description.leftJustified(40) + QLatin1Char(' ') + amount.rightJustified(23);
}

} // namespace velkor::test
