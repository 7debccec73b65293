#pragma once

namespace velkor {

class Dataset;
class FixedAssetSheet;
class Table;
class WorkspaceState;

/// Writes the fixed-asset sheet into `sabit_kiymet`: the row of `Kayit_No_Edit` when it
/// exists, else a new row; the new `id` is shown in `Kayit_No_Edit`.
void saveFixedAsset(FixedAssetSheet& sheet, Table& table, const WorkspaceState& state);
/// Fills the fixed-asset sheet from the current row of a dataset on `sabit_kiymet`
/// without recomputing, and rebuilds its explanation text from the stored values. Rows
/// whose main account is not between 250 and 268 are ignored.
void loadFixedAsset(FixedAssetSheet& sheet, const Dataset& row, WorkspaceState& state);

} // namespace velkor
