#pragma once

#include <QStringList>

namespace velkor {

class Dataset;

/// The journal lines that follow the header for the rows of a dataset over
/// `sabit_kiymet`, read in the dataset's order: the entry blocks of every row and a
/// final separator; no lines at all when the dataset has no row.
QStringList journalBody(const Dataset& rows);

} // namespace velkor
