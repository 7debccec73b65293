#pragma once

#include "base/ProgressWindow.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"
#include "engine/IndexLookup.h"
#include "engine/WorkspaceState.h"
#include "import/ExcelImportForm.h"
#include "import/ExcelImportFormControls.h"
#include "storage/Table.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace velkor::test {

namespace ie = ctl::excelimport;

/// A company with an empty item table, a small index table and the import window on it.
class ImportTest : public ::testing::Test {
protected:
    ImportTest() {
        home.addCompany(QStringLiteral("1"), QStringLiteral("Deneme"));
        home.setIndexValues({{202312, 3000},
                             {20183, 1000},
                             {20239, 2500},
                             {200412, 500},
                             {202310, 2600},
                             {202212, 2000},
                             {202112, 1200}});
        windows.addWindow(windows::kExcelImport);
        windows.addWindow(windows::kProgress);
        form = std::make_unique<ExcelImportForm>(home.context(), state, index, table, progress, windows);
    }

    /// Writes a ";"-separated sheet and reads it into the grid.
    void loadRows(const QStringList& lines) {
        const QString path = dir.filePath(QStringLiteral("sayfa.csv"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
        file.close();
        ASSERT_TRUE(form->loadWorkbook(path));
    }

    /// The mapping of the default columns: code, sub-code, name, date, debit, credit, life,
    /// method, depreciation, depreciation account.
    void mapColumns(bool fullCode) {
        const QStringList values{"1", fullCode ? "1" : "2", "3", "4", "5", "6", "7", "8", "9", "10"};
        const QStringList edits{
            ie::AnaHesapE,   ie::AlHesapKodE, ie::HesapAdiEdit, ie::GirisTarihiE,        ie::KayitliTutarE,
            ie::PasifTutarE, ie::AmortSureE,  ie::AmortYontemE, ie::BirikmisAmortismanE, ie::AmortHesapEdit};
        for (int i = 0; i < edits.size(); ++i)
            form->setText(edits[i], values[i]);
        form->setChecked(ie::ilkUcHarfCheck, fullCode);
        form->setText(ie::BasSatirE, QStringLiteral("1"));
    }

    int rowCount() {
        return home.context()
            .company()
            .database()
            .scalar(QStringLiteral("SELECT COUNT(*) FROM sabit_kiymet"))
            .toInt();
    }
    /// A column of the n-th stored row (from 1, in the order written).
    QVariant stored(int n, const QString& column) {
        return home.context().company().database().scalar(
            QStringLiteral("SELECT \"%1\" FROM sabit_kiymet ORDER BY id LIMIT 1 OFFSET ?").arg(column),
            {n - 1});
    }
    QStringList shown() { return home.prompt().texts(); }

    TempHome home;
    QTemporaryDir dir;
    WorkspaceState state;
    IndexLookup index{home.context().rates()};
    Table table{home.context().company(), QStringLiteral("sabit_kiymet")};
    WindowManager windows;
    ProgressWindow progress{windows};
    std::unique_ptr<ExcelImportForm> form;
};

} // namespace velkor::test
