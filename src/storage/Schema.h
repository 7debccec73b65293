#pragma once

#include "storage/Database.h"

#include <QString>
#include <array>

namespace velkor {

/// One column of a table: name, engine type, the label the screens use and the
/// display format of the screens (empty when none).
struct ColumnDef {
    const char* name;
    const char* type;
    const char* label;
    const char* format;
};

/// The 108 columns of the item table `sabit_kiymet`, in table order.
extern const std::array<ColumnDef, 108> kItemColumns;

/// The item table's column names in table order.
QStringList itemColumnNames();
/// The definition of an item column (nullptr when there is none of that name).
const ColumnDef* itemColumn(const QString& name);

/// Creates the tables of a company database (also the template and the placeholder).
void createCompanySchema(Database& db);
/// Creates the tables of the general database: `firmalar`, `sifreli`, `mast`.
void createGeneralSchema(Database& db);
/// Creates the tables of the reference-rate database.
void createRatesSchema(Database& db);

} // namespace velkor
